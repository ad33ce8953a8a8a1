# bench/run formate
# Thumbnails of 40 camera-size HEIC and 40 PNG pictures with the program's own
# code (bench_thumbnails) and with vipsthumbnail, both on one core, each as one
# process over all files of a type. The pictures are made once into
# build-bench/bench-formate from the thumbnail benchmark's photographs: HEIC by
# libheif's encoder with the 320-pixel thumbnail phones write, PNG by ImageMagick.

# shellcheck source=/dev/null
source "$HIER/gemeinsam/fotos.sh"
# shellcheck source=/dev/null
source "$HIER/gemeinsam/messen.sh"

installieren libvips-tools:vipsthumbnail libheif-examples:heif-enc imagemagick:convert
bauen bench_thumbnails
programm=$BAU/bin/bench_thumbnails
fotos=$BAU/bench-fotos
fotos_machen "$fotos"

ordner=$BAU/bench-formate
rezept="40 HEIC mit Vorschau 320 und 40 PNG aus $(cat "$fotos/.fertig"), Version 1"
if [[ ! -f $ordner/.fertig || $(cat "$ordner/.fertig") != "$rezept" ]]; then
    echo "Erzeuge HEIC- und PNG-Bilder in $ordner ..." >&2
    rm -rf "$ordner"
    mkdir -p "$ordner"
    quellen=("$fotos"/*.jpg)
    for ((i = 0; i < 40; i++)); do
        quelle=${quellen[i % ${#quellen[@]}]}
        name=$(printf 'bild%02d' "$i")
        # 16 photographs, each encoded once; the further files are copies of them.
        if ((i < ${#quellen[@]})); then
            heif-enc -q 80 -t 320 "$quelle" -o "$ordner/$name.heic" >/dev/null
            convert "$quelle" "$ordner/$name.png"
        else
            vorbild=$(printf 'bild%02d' $((i % ${#quellen[@]})))
            cp "$ordner/$vorbild.heic" "$ordner/$name.heic"
            cp "$ordner/$vorbild.png" "$ordner/$name.png"
        fi
    done
    echo "$rezept" >"$ordner/.fertig"
fi
zelle=$("$programm" --zelle)
ausgabe=$(mktemp -d)
trap 'rm -rf "$ausgabe"' EXIT

gegen_vips_messen 3 "$ausgabe" "$zelle" "$ordner"/*.heic
k_heic=$best_kolvar v_heic=$best_vips
gegen_vips_messen 3 "$ausgabe" "$zelle" "$ordner"/*.png
k_png=$best_kolvar v_png=$best_vips

echo "je 40 Bilder aus $ordner, Zelle $zelle Pixel, beste von 3 Runden (je ein Prozess, ein Kern)"
awk -v kh="$k_heic" -v vh="$v_heic" -v kp="$k_png" -v vp="$v_png" 'BEGIN {
    printf "formate: heic kolvar %.1f ms/picture, vipsthumbnail %.1f, ratio %.2f; png kolvar %.1f, vipsthumbnail %.1f, ratio %.2f\n",
        kh / 40000, vh / 40000, kh / vh, kp / 40000, vp / 40000, kp / vp
}'
