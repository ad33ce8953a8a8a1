#!/usr/bin/env bash
# bench/storyboard/zeigen.sh FOTOORDNER BILDERORDNER
# Shows the storyboard, its menus, the info box, the export's folder tree
# and the slide show under xvfb-run with the photographs of FOTOORDNER and
# saves screenshots. Needs xdotool and imagemagick.
set -euo pipefail
HIER=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BAU=${BAU:-$(dirname "$(dirname "$HIER")")/build}
for befehl in xdotool import; do
    command -v $befehl >/dev/null || { echo "zeigen.sh braucht $befehl: apt-get install xdotool imagemagick" >&2; exit 1; }
done
cmake --build "$BAU" -j2 --target praes_zeigen kolvar_hilfe >/dev/null
mkdir -p "$2"
xvfb-run -a -s "-screen 0 1600x1000x24" "$BAU/bin/praes_zeigen" "$1" "$2"
