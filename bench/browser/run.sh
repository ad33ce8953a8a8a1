# bench/run browser
# Opens albums of 1,000 and 10,000 pictures with real thumbnail files in the
# browser on the offscreen screen and pages through them; in the same run the
# same pages' thumbnail files are decoded with QImageReader alone (the floor).
bauen bench_browser
QT_QPA_PLATFORM=offscreen "$BAU/bin/bench_browser" "$BAU/bench-browser"
