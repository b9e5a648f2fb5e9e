#!/usr/bin/env bash
# The local search on the TSPLIB instances of ../shared/tsplib: per instance
# the cities, the median length over the seeds in the file's own metric, the
# published optimum, the gap in per cent, the time and the memory peak; then
# the mean gap per size class.
#
#   scripts/tsplib-bench.sh [SECONDS] [FILTER]
#
# SECONDS: time per run (default, or 0: 10 s up to 1,002 cities, 60 s up to
# 20,000, 300 s above, reading the file included); FILTER: an extended regex
# on the instance name. From the environment: SEEDS (default 1,2,3), THREADS
# (default 2), CITIES=MIN-MAX (default all). linhp318 is left out: it has no
# published optimum.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-0}
filter=${2:-.}
cities=${CITIES:-0-1000000000}
# shellcheck source=scripts/bench-common.sh
. scripts/bench-common.sh
need_tsplib
build_bench wedrownik_tsplib
files=$(tsplib_files "$filter" "$cities")
# shellcheck disable=SC2086
exec ./build/bench/tsplib/wedrownik_tsplib --optima "$data/optima.tsv" --seconds "$seconds" \
  --seeds "${SEEDS:-1,2,3}" --threads "${THREADS:-2}" $files
