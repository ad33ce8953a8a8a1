# bench/run recordset
# A recordset over an album table of 10,000 rows (open, walk, filter on a
# file name, AddNew+Update of 1,000 rows) against the same work done by the
# sqlite3 command-line tool on the same file, in the same run.
installieren sqlite3:sqlite3
bauen bench_recordset
"$BAU/bin/bench_recordset" "$BAU/bench-recordset"
