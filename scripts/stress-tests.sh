#!/usr/bin/env bash
# Runs the whole suite N times in a row, built with AddressSanitizer+UBSan,
# while two busy loops keep both cores loaded, and stops at the first failure.
# Timing faults that a quiet machine hides show up here.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-}
if [[ ! $runs =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 N   (N: how many times to run the whole suite)" >&2
  exit 2
fi

bash scripts/install-packages.sh
export QT_QPA_PLATFORM=offscreen
unset QT_QPA_PLATFORMTHEME
jobs=$(nproc)

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-asan -G Ninja -DWEDROWNIK_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DWEDROWNIK_SANITIZE=address -DWEDROWNIK_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan -j "$jobs"

busy=()
stop_busy() {
  for pid in "${busy[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
}
trap stop_busy EXIT
for _ in 1 2; do
  (while :; do :; done) &
  busy+=($!)
done

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
start=$SECONDS
for ((run = 1; run <= runs; run++)); do
  echo "== Run $run of $runs ($((SECONDS - start)) s so far)"
  if ! ctest --test-dir build-asan --output-on-failure -j "$jobs"; then
    echo "== Run $run of $runs failed after $((SECONDS - start)) s" >&2
    exit 1
  fi
done
echo "== All $runs runs passed in $((SECONDS - start)) s"
