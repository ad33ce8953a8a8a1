# bench/run list
# Fills the picture list (frmBilderListe::ListeAuffuellen on the offscreen
# screen, drawing included) for albums of 1,000 and 10,000 pictures, steps
# through the larger one, and reads the same rows with the sqlite3 tool in
# the same run.
if ! command -v sqlite3 >/dev/null; then
    als_root=""; [[ $(id -u) -eq 0 ]] || als_root=sudo
    $als_root apt-get update -qq && DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq sqlite3
fi
bauen bench_list
QT_QPA_PLATFORM=offscreen "$BAU/bin/bench_list" "$BAU/bench-list"
