#!/usr/bin/env bash
# Installs what is missing, builds Olm and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/ensure-packages.sh
bash tools/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
