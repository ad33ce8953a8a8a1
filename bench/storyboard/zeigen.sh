#!/usr/bin/env bash
# bench/storyboard/zeigen.sh FOTOORDNER BILDERORDNER
# Shows the storyboard, its menus, the info box and the slide show under
# xvfb-run with the photographs of FOTOORDNER and saves screenshots.
set -euo pipefail
HIER=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BAU=${BAU:-$(dirname "$(dirname "$HIER")")/build}
cmake --build "$BAU" -j2 --target praes_zeigen kolvar_hilfe >/dev/null
mkdir -p "$2"
xvfb-run -a -s "-screen 0 1600x1000x24" "$BAU/bin/praes_zeigen" "$1" "$2"
