#!/usr/bin/env bash
# Installs what is missing, builds and starts Kolvar.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/einrichten.sh
exec ./build/bin/kolvar "$@"
