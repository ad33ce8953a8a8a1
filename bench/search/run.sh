# bench/run search
# The search over 100 albums of 1,000 pictures through the program's own code
# (TempAlbum, statement, result recordset, list model, first picture) against
# the sqlite3 command-line tool doing the same copy and SELECT in one process;
# and a keyword added to 1,000 marked pictures of an album of 10,000.
if ! command -v sqlite3 >/dev/null; then
    als_root=""; [[ $(id -u) -eq 0 ]] || als_root=sudo
    $als_root apt-get update -qq && DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq sqlite3
fi
bauen bench_search
"$BAU/bin/bench_search" "$BAU/bench-search"
