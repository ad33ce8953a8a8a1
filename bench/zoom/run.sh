# bench/run zoom [FOLDER]
# Camera-size JPEGs fitted into a 1600 x 1000 zoom view on the offscreen
# screen, from the request to the painted picture, against vipsthumbnail
# --size 1600x1000 on the same files; both pinned to one core. Without
# FOLDER, 24-megapixel pictures are made once into build-bench/bench-zoomfotos.

zoomfotos_machen() {
    local ziel=$1 rezept="6000x4000 und 4000x6000, Qualitaet 90, Version 1"
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
    for quelle in "${quellen[@]:0:8}"; do
        i=$((i + 1))
        convert "$quelle" -resize '6000x4000^' -gravity center -extent 6000x4000 -strip -quality 90 \
            "$ziel/$(printf 'foto%02d' "$i").jpg"
    done
    for quelle in "${quellen[@]:8:4}"; do
        i=$((i + 1))
        convert "$quelle" -resize '4000x6000^' -gravity center -extent 4000x6000 -strip -quality 90 \
            "$ziel/$(printf 'foto%02d' "$i").jpg"
    done
    echo "$rezept" >"$ziel/.fertig"
}

if ! command -v vipsthumbnail >/dev/null; then
    als_root=""; [[ $(id -u) -eq 0 ]] || als_root=sudo
    $als_root apt-get update -qq && DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq libvips-tools
fi
bauen bench_zoom

ordner=${1:-}
if [[ -z $ordner ]]; then
    ordner=$BAU/bench-zoomfotos
    zoomfotos_machen "$ordner"
fi
shopt -s nullglob nocaseglob
bilder=("$ordner"/*.jpg "$ordner"/*.jpeg)
shopt -u nullglob nocaseglob
anzahl=${#bilder[@]}
((anzahl > 0)) || { echo "Keine JPEG-Dateien in $ordner" >&2; exit 1; }
cat "${bilder[@]}" >/dev/null  # both start from the page cache

ausgabe=$(mktemp -d)
trap 'rm -rf "$ausgabe"' EXIT
# The machine is shared: alternate the two and keep each one's best round.
best_kolvar="" best_vips=""
for ((r = 1; r <= 3; r++)); do
    k=$(QT_QPA_PLATFORM=offscreen taskset -c 0 "$BAU/bin/bench_zoom" "$ausgabe/sammlung" "${bilder[@]}" | tail -1)
    start=$(date +%s%N)
    taskset -c 0 vipsthumbnail --size 1600x1000 -o "$ausgabe/%s_v.jpg" "${bilder[@]}"
    v=$(awk -v d=$(( $(date +%s%N) - start )) -v n="$anzahl" 'BEGIN { printf "%.1f", d / 1e6 / n }')
    echo "Runde $r: kolvar $k ms/Bild, vipsthumbnail $v ms/Bild" >&2
    if [[ -z $best_kolvar ]] || awk -v a="$k" -v b="$best_kolvar" 'BEGIN { exit !(a < b) }'; then best_kolvar=$k; fi
    if [[ -z $best_vips ]] || awk -v a="$v" -v b="$best_vips" 'BEGIN { exit !(a < b) }'; then best_vips=$v; fi
done
awk -v k="$best_kolvar" -v v="$best_vips" \
    'BEGIN { printf "zoom: kolvar %.1f ms/picture, vipsthumbnail %.1f ms/picture, ratio %.2f\n", k, v, k / v }'
