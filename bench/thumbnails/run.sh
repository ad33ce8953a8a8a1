# bench/run thumbnails [FOLDER]
# Thumbnails of a folder of camera-size JPEGs with the program's own code and
# with vipsthumbnail, both on one core, each as one process over all files.
# Without FOLDER the pictures are made once into build-bench/bench-fotos.

# shellcheck source=/dev/null
source "$HIER/gemeinsam/fotos.sh"

jetzt_ns() { date +%s%N; }

installieren libvips-tools:vipsthumbnail
bauen bench_thumbnails
programm=$BAU/bin/bench_thumbnails

ordner=${1:-}
if [[ -z $ordner ]]; then
    ordner=$BAU/bench-fotos
    fotos_machen "$ordner"
fi
shopt -s nullglob nocaseglob
bilder=("$ordner"/*.jpg "$ordner"/*.jpeg)
shopt -u nullglob nocaseglob
anzahl=${#bilder[@]}
((anzahl > 0)) || { echo "Keine JPEG-Dateien in $ordner" >&2; exit 1; }
zelle=$("$programm" --zelle)

ausgabe=$(mktemp -d)
trap 'rm -rf "$ausgabe"' EXIT
cat "${bilder[@]}" >/dev/null  # both start from the page cache

# The machine is shared: alternate the two and keep each one's best round.
runden=5
best_kolvar="" best_vips=""
for ((r = 1; r <= runden; r++)); do
    rm -rf "$ausgabe/k" "$ausgabe/v"
    mkdir -p "$ausgabe/k" "$ausgabe/v"

    t0=$(jetzt_ns)
    taskset -c 0 "$programm" "$ausgabe/k" "${bilder[@]}"
    t1=$(jetzt_ns)
    taskset -c 0 vipsthumbnail -s "$zelle" -o "$ausgabe/v/%s.jpg[Q=85,strip]" "${bilder[@]}"
    t2=$(jetzt_ns)

    k=$(( (t1 - t0) / 1000 )) v=$(( (t2 - t1) / 1000 ))
    [[ -z $best_kolvar || $k -lt $best_kolvar ]] && best_kolvar=$k
    [[ -z $best_vips || $v -lt $best_vips ]] && best_vips=$v
done

erzeugt_k=$(find "$ausgabe/k" -type f | wc -l)
erzeugt_v=$(find "$ausgabe/v" -type f | wc -l)
if ((erzeugt_k != anzahl || erzeugt_v != anzahl)); then
    echo "Unvollständig: kolvar $erzeugt_k, vipsthumbnail $erzeugt_v von $anzahl Bildern" >&2
    exit 1
fi

# The same with every core, as the thumbnail run of an album makes them.
kerne=$(nproc)
best_alle=""
for ((r = 1; r <= runden; r++)); do
    rm -rf "$ausgabe/a"
    mkdir -p "$ausgabe/a"
    t0=$(jetzt_ns)
    "$programm" --alle "$ausgabe/a" "${bilder[@]}"
    t1=$(jetzt_ns)
    a=$(( (t1 - t0) / 1000 ))
    [[ -z $best_alle || $a -lt $best_alle ]] && best_alle=$a
done
erzeugt_a=$(find "$ausgabe/a" -type f | wc -l)
((erzeugt_a == anzahl)) || { echo "Unvollständig: kolvar auf allen Kernen $erzeugt_a von $anzahl Bildern" >&2; exit 1; }

echo "$anzahl Bilder aus $ordner, Zelle $zelle Pixel, beste von $runden Runden (je ein Prozess, ein Kern)"
awk -v a="$best_alle" -v n="$anzahl" -v c="$kerne" 'BEGIN {
    printf "thumbnails (%d cores): kolvar %.1f ms/picture\n", c, a / 1000 / n
}'
awk -v k="$best_kolvar" -v v="$best_vips" -v n="$anzahl" 'BEGIN {
    kp = k / 1000 / n; vp = v / 1000 / n
    printf "thumbnails: kolvar %.1f ms/picture, vipsthumbnail %.1f ms/picture, ratio %.2f\n", kp, vp, kp / vp
}'
