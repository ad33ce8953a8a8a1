# The camera-size test photographs several benchmarks share, sourced by their
# run.sh: fotos_machen ZIEL makes them once (16 pictures, 12 of 4000 x 3000
# and 4 of 3000 x 4000, JPEG quality 90) from the photographs of the
# mate-backgrounds package and reuses them while the recipe is unchanged.

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
