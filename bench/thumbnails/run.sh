# bench/run thumbnails [FOLDER]
# Thumbnails of a folder of camera-size JPEGs with the program's own code and
# with vipsthumbnail, both on one core, each as one process over all files.
# Without FOLDER the pictures are made once into build-bench/bench-fotos.

fotos_machen() {
    local ziel=$1 rezept="4000x3000 und 3000x4000, Qualitaet 90, Version 1"
    if [[ -f $ziel/.fertig && $(cat "$ziel/.fertig") == "$rezept" ]]; then
        return
    fi
    command -v convert >/dev/null || { echo "ImageMagick (convert) fehlt" >&2; exit 1; }
    local quellen=(/usr/share/backgrounds/mate/nature/*.jpg)
    [[ -e ${quellen[0]} ]] || { echo "Die Fotos von mate-backgrounds fehlen" >&2; exit 1; }
    echo "Erzeuge die Testfotos in $ziel ..." >&2
    rm -rf "$ziel"
    mkdir -p "$ziel"
    local i=0 quelle
    for quelle in "${quellen[@]}"; do
        i=$((i + 1))
        convert "$quelle" -resize '4000x3000^' -gravity center -extent 4000x3000 -strip -quality 90 \
            "$ziel/$(printf 'foto%02d' "$i").jpg"
    done
    # A few upright ones, as a camera turned on its side makes them.
    for quelle in "${quellen[@]:0:4}"; do
        i=$((i + 1))
        convert "$quelle" -resize '3000x4000^' -gravity center -extent 3000x4000 -strip -quality 90 \
            "$ziel/$(printf 'foto%02d' "$i").jpg"
    done
    echo "$rezept" >"$ziel/.fertig"
}

jetzt_ns() { date +%s%N; }

command -v vipsthumbnail >/dev/null || { echo "vipsthumbnail (libvips-tools) fehlt" >&2; exit 1; }
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

echo "$anzahl Bilder aus $ordner, Zelle $zelle Pixel, beste von $runden Runden (je ein Prozess, ein Kern)"
awk -v k="$best_kolvar" -v v="$best_vips" -v n="$anzahl" 'BEGIN {
    kp = k / 1000 / n; vp = v / 1000 / n
    printf "thumbnails: kolvar %.1f ms/picture, vipsthumbnail %.1f ms/picture, ratio %.2f\n", kp, vp, kp / vp
}'
