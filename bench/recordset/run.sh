# bench/run recordset
# A recordset over an album table of 10,000 rows (open, walk, filter on a
# file name, AddNew+Update of 1,000 rows) against the same work done by the
# sqlite3 command-line tool on the same file, in the same run.
if ! command -v sqlite3 >/dev/null; then
    als_root=""; [[ $(id -u) -eq 0 ]] || als_root=sudo
    $als_root apt-get update -qq && DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq sqlite3
fi
bauen bench_recordset
"$BAU/bin/bench_recordset" "$BAU/bench-recordset"
