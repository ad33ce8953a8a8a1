# bench/run thumbnails [FOLDER]
# Thumbnails of a folder of camera-size JPEGs with the program's own code and
# with vipsthumbnail, both on one core, each as one process over all files.
# Without FOLDER the pictures are made once into build-bench/bench-fotos.

# shellcheck source=/dev/null
source "$HIER/gemeinsam/fotos.sh"
# shellcheck source=/dev/null
source "$HIER/gemeinsam/messen.sh"

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

runden=5
gegen_vips_messen "$runden" "$ausgabe" "$zelle" "${bilder[@]}"

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
