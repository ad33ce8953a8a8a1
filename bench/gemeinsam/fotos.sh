# The camera-size test photographs several benchmarks share, sourced by their
# run.sh: fotos_machen ZIEL [BREITE HOEHE] makes them once (16 pictures, 12
# landscape of BREITE x HOEHE, 4000 x 3000 unless given, and 4 upright, JPEG
# quality 90) from the photographs of the mate-backgrounds package and reuses
# them while the recipe is unchanged.

fotos_machen() {
    local ziel=$1 b=${2:-4000} h=${3:-3000}
    local rezept="${b}x${h} und ${h}x${b}, Qualitaet 90, Version 1"
    if [[ -f $ziel/.fertig && $(cat "$ziel/.fertig") == "$rezept" ]]; then
        return
    fi
    installieren imagemagick:convert
    [[ -d /usr/share/backgrounds/mate/nature ]] || installieren mate-backgrounds
    local quellen=(/usr/share/backgrounds/mate/nature/*.jpg)
    [[ -e ${quellen[0]} ]] || { echo "Die Fotos von mate-backgrounds fehlen" >&2; exit 1; }
    echo "Erzeuge die Testfotos in $ziel ..." >&2
    rm -rf "$ziel"
    mkdir -p "$ziel"
    local i=0 quelle
    for quelle in "${quellen[@]}"; do
        i=$((i + 1))
        convert "$quelle" -resize "${b}x${h}^" -gravity center -extent "${b}x${h}" -strip -quality 90 \
            "$ziel/$(printf 'foto%02d' "$i").jpg"
    done
    # A few upright ones, as a camera turned on its side makes them.
    for quelle in "${quellen[@]:0:4}"; do
        i=$((i + 1))
        convert "$quelle" -resize "${h}x${b}^" -gravity center -extent "${h}x${b}" -strip -quality 90 \
            "$ziel/$(printf 'foto%02d' "$i").jpg"
    done
    echo "$rezept" >"$ziel/.fertig"
}
