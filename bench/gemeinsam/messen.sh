# The timing both thumbnail benchmarks share, sourced by their run.sh:
# gegen_vips_messen RUNDEN AUSGABE ZELLE BILD... makes the thumbnails of the
# pictures with $programm (bench_thumbnails) and with vipsthumbnail, each one
# process pinned to one core, alternating for RUNDEN rounds (the machine is
# shared), and sets best_kolvar and best_vips to each one's best round in
# microseconds. Ends the benchmark when either left a picture out.

jetzt_ns() { date +%s%N; }

gegen_vips_messen() {
    local runden=$1 ausgabe=$2 zelle=$3
    shift 3
    local r t0 t1 t2 k v ek ev
    cat "$@" >/dev/null  # both start from the page cache
    best_kolvar="" best_vips=""
    for ((r = 1; r <= runden; r++)); do
        rm -rf "$ausgabe/k" "$ausgabe/v"
        mkdir -p "$ausgabe/k" "$ausgabe/v"
        t0=$(jetzt_ns)
        taskset -c 0 "$programm" "$ausgabe/k" "$@"
        t1=$(jetzt_ns)
        taskset -c 0 vipsthumbnail -s "$zelle" -o "$ausgabe/v/%s.jpg[Q=85,strip]" "$@"
        t2=$(jetzt_ns)
        k=$(((t1 - t0) / 1000)) v=$(((t2 - t1) / 1000))
        [[ -z $best_kolvar || $k -lt $best_kolvar ]] && best_kolvar=$k
        [[ -z $best_vips || $v -lt $best_vips ]] && best_vips=$v
    done
    ek=$(find "$ausgabe/k" -type f | wc -l) ev=$(find "$ausgabe/v" -type f | wc -l)
    if ((ek != $# || ev != $#)); then
        echo "Unvollständig: kolvar $ek, vipsthumbnail $ev von $# Bildern" >&2
        exit 1
    fi
}
