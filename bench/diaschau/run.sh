# bench/run diaschau [FOLDER]
# 20 camera-size JPEGs (about 24 megapixels; made from the desktop pictures
# when no folder is given) shown full screen on a 1920 x 1080 X server with
# a dwell of 0.5 s per picture: the time from the step to the painted
# picture. In the same run vipsthumbnail --size 1920x1080 on the same files
# (one process, one core).
installieren xvfb:xvfb-run libvips-tools:vipsthumbnail
bauen bench_diaschau
ordner=${1:-$BAU/bench-diaschau-fotos}
xvfb-run -a -s "-screen 0 1920x1080x24" "$BAU/bin/bench_diaschau" "$ordner" "$BAU/bench-diaschau"
