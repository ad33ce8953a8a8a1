#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: once as built for
# use, once more under AddressSanitizer and UBSan in build-san/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/einrichten.sh
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVAR_SANITIZER=ON >/dev/null
cmake --build build-san -j2
# Leaks of Qt's and fontconfig's own caches at exit are not ours to judge;
# every other finding ends the test program with an error.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-san --output-on-failure -j2
