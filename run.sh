#!/usr/bin/env bash
# Builds the program (with its tests and benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/install-packages.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DWEDROWNIK_WERROR=OFF -DWEDROWNIK_SANITIZE= >/dev/null
cmake --build build
exec ./build/app/wedrownik
