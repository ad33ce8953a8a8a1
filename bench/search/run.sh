# bench/run search [ALBEN]
# The search over 100 (or ALBEN) albums of 1,000 pictures through the program's own code
# (TempAlbum, statement, result recordset, list model, first picture) against
# the sqlite3 command-line tool doing the same copy and SELECT in one process;
# and a keyword added to 1,000 marked pictures of an album of 10,000.
installieren sqlite3:sqlite3
bauen bench_search
"$BAU/bin/bench_search" "$BAU/bench-search" "$@"
