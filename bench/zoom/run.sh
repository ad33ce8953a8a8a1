# bench/run zoom [FOLDER]
# Camera-size JPEGs fitted into a 1600 x 1000 zoom view on the offscreen
# screen, from the request to the painted picture, against vipsthumbnail
# --size 1600x1000 on the same files; both pinned to one core. Without
# FOLDER, 24-megapixel pictures are made once into build-bench/bench-zoomfotos.

# shellcheck source=/dev/null
source "$HIER/gemeinsam/fotos.sh"

installieren libvips-tools:vipsthumbnail
bauen bench_zoom

ordner=${1:-}
if [[ -z $ordner ]]; then
    ordner=$BAU/bench-zoomfotos
    fotos_machen "$ordner" 6000 4000
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
