# bench/run diaschau [FOLDER]
# 20 camera-size JPEGs (about 24 megapixels; made from the desktop pictures
# when no folder is given) shown full screen on a 1920 x 1080 X server with
# a dwell of 0.5 s per picture: the time from the step to the painted
# picture. In the same run vipsthumbnail --size 1920x1080 on the same files
# (one process, one core).
for paket in xvfb:xvfb-run libvips-tools:vipsthumbnail; do
    if ! command -v "${paket#*:}" >/dev/null; then
        als_root=""; [[ $(id -u) -eq 0 ]] || als_root=sudo
        $als_root apt-get update -qq && DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq "${paket%%:*}"
    fi
done
bauen bench_diaschau
ordner=${1:-$BAU/bench-diaschau-fotos}
xvfb-run -a -s "-screen 0 1920x1080x24" "$BAU/bin/bench_diaschau" "$ordner" "$BAU/bench-diaschau"
