# bench/run pflege
# "Hinzufügen" of 1,000 picture files to an album of 10,000 and to an empty
# one, and "Löschen" of 1,000 marked pictures of 10,000, through the picture
# list's own code on the offscreen screen. The trash is the run's own.
bauen bench_pflege
ordner=$BAU/bench-pflege
mkdir -p "$ordner/daten"
XDG_DATA_HOME=$ordner/daten QT_QPA_PLATFORM=offscreen "$BAU/bin/bench_pflege" "$ordner"
