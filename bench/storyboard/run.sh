# bench/run storyboard
# A presentation of 1,000 pictures drawn from an album of 10,000, on the
# offscreen screen: opening the storyboard (load and first paint), a drop in
# the middle, a move and a delete, each with its repaint; in the same run the
# sqlite3 tool doing the same table edits in one transaction.
installieren sqlite3:sqlite3
bauen bench_storyboard
QT_QPA_PLATFORM=offscreen "$BAU/bin/bench_storyboard" "$BAU/bench-storyboard"
