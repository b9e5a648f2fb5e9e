#!/usr/bin/env bash
# Builds with warnings as errors and runs every test; then runs the whole
# suite again under AddressSanitizer+UBSan, and the threaded tests under
# ThreadSanitizer. With --quick only the first build and run, for the daily
# loop.
set -euo pipefail
quick=0
case "${1:-}" in
  --quick) quick=1 ;;
  "") ;;
  *) echo "usage: $0 [--quick]" >&2; exit 2 ;;
esac
cd "$(dirname "$0")"
bash scripts/install-packages.sh

export QT_QPA_PLATFORM=offscreen
unset QT_QPA_PLATFORMTHEME
jobs=$(nproc)

configure() {  # dir, extra cmake arguments...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DWEDROWNIK_WERROR=ON "$@" >/dev/null
}

echo "== Build with warnings as errors, run every test"
configure build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-tests -j "$jobs"
ctest --test-dir build-tests --output-on-failure -j "$jobs"
if [ "$quick" = 1 ]; then
  exit 0
fi

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
configure build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEDROWNIK_SANITIZE=address -DWEDROWNIK_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== ThreadSanitizer (threaded tests)"
configure build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWEDROWNIK_SANITIZE=thread -DWEDROWNIK_BENCH=OFF
# Only the threaded test programs run here, so only they are built.
mapfile -t threaded < <(ctest --test-dir build-tsan -L threaded -N | sed -n 's/^ *Test *#[0-9]*: //p')
cmake --build build-tsan -j "$jobs" --target "${threaded[@]}"
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/tsan.supp" \
  ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L threaded
