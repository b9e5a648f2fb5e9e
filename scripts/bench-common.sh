# shellcheck shell=bash
# Sourced by the benchmark scripts from the project's root: where the TSPLIB
# instances are, how a benchmark program is built, and which files to give it.

data=../shared/tsplib

need_tsplib() {
  if [ ! -d "$data" ]; then
    echo "no TSPLIB folder at $data" >&2
    exit 2
  fi
}

# Builds the benchmark program $1 in the release build.
build_bench() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build --target "$1" -j 2 >/dev/null
}

# The .tsp files whose names match the extended regex $1 and whose number of
# cities lies in MIN-MAX $2, smallest first, so that the size classes come
# out in order. Fails when none does.
tsplib_files() {
  local filter=$1 cities=$2 files
  files=$(awk -v f="$filter" -v lo="${cities%-*}" -v hi="${cities#*-}" \
    'NR > 1 && $1 ~ f && $4 >= lo + 0 && $4 <= hi + 0 { print $4, $1 }' "$data/optima.tsv" |
    sort -n | awk -v d="$data" '{ print d "/" $2 ".tsp" }')
  if [ -z "$files" ]; then
    echo "no instance matches $filter" >&2
    return 2
  fi
  echo "$files"
}
