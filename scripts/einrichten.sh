#!/usr/bin/env bash
# Installs the Debian packages Kolvar needs to build, run and test, and
# builds it into build/. Packages already there are not touched.
set -euo pipefail
cd "$(dirname "$0")/.."

pakete=(cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libsqlite3-dev qt6-translations-l10n libgl-dev
        libturbojpeg0-dev xvfb xauth
        desktop-file-utils appstream libexiv2-dev qt6-image-formats-plugins libheif-dev)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  als_root=""
  [ "$(id -u)" -eq 0 ] || als_root="sudo"
  $als_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $als_root apt-get install -y -qq "${fehlend[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
