# bench/run list
# Fills the picture list (frmBilderListe::ListeAuffuellen on the offscreen
# screen, drawing included) for albums of 1,000 and 10,000 pictures, steps
# through the larger one, and reads the same rows with the sqlite3 tool in
# the same run.
installieren sqlite3:sqlite3
bauen bench_list
QT_QPA_PLATFORM=offscreen "$BAU/bin/bench_list" "$BAU/bench-list"
