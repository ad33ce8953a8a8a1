# bench/run export [ANZAHL]
# Exports a presentation of camera-size JPEGs (500 unless given) into a
# fresh folder through the program's own export code, and copies the same
# files with cp into a fresh folder on the same disk. The pictures are made
# once and kept in the build folder for later runs.
bauen bench_export
ordner=$BAU/bench-export
mkdir -p "$ordner"
QT_QPA_PLATFORM=offscreen "$BAU/bin/bench_export" "$ordner" "${1:-500}"
