# bench/run storyboard
# A presentation of 1,000 pictures drawn from an album of 10,000, on the
# offscreen screen: opening the storyboard (load and first paint), a drop in
# the middle, a move and a delete, each with its repaint; in the same run the
# sqlite3 tool doing the same table edits in one transaction.
if ! command -v sqlite3 >/dev/null; then
    als_root=""; [[ $(id -u) -eq 0 ]] || als_root=sudo
    $als_root apt-get update -qq && DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq sqlite3
fi
bauen bench_storyboard
QT_QPA_PLATFORM=offscreen "$BAU/bin/bench_storyboard" "$BAU/bench-storyboard"
