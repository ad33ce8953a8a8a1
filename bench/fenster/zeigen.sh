#!/usr/bin/env bash
# bench/fenster/zeigen.sh BILDERORDNER [BREITE HOEHE]
# Shows the viewer with the keyword window, its rename dialog and the
# browser (four rows, below the storyboard, on an empty album) in a main
# window of the given size under xvfb-run and saves screenshots.
set -euo pipefail
HIER=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BAU=${BAU:-$(dirname "$(dirname "$HIER")")/build}
cmake --build "$BAU" -j2 --target fenster_zeigen kolvar_hilfe >/dev/null
mkdir -p "$1"
B=${2:-800}
H=${3:-600}
export XDG_CONFIG_HOME=$(mktemp -d)
xvfb-run -a -s "-screen 0 ${B}x${H}x24" "$BAU/bin/fenster_zeigen" "$1" "$B" "$H"
rm -rf "$XDG_CONFIG_HOME"
