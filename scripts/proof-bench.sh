#!/usr/bin/env bash
# The proof by branch and cut on the TSPLIB instances of ../shared/tsplib:
# the shortest route of every instance up to 200 cities, the longest of
# those up to 100 (beside the permutation search's up to 29 cities), the
# shortest and longest of random grid layouts up to 60 cities (beside the
# permutation search's up to 25), then the large instances one at a time.
#
#   scripts/proof-bench.sh [SECONDS] [BIG_SECONDS]
#   scripts/proof-bench.sh table [SECONDS] [CITIES | FROM-TO]
#
# SECONDS: the limit of each proof (default 600); BIG_SECONDS: of each large
# instance (default 600). Every row has the wall and the processor time.
# table: every instance up to CITIES cities (default 1002), or of FROM to TO
# cities, each by a program of its own, so that its wall time runs from
# reading the file, the header once and a row each, SECONDS (default 60)
# each.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = table ]; then
  limit=${2:-60}
  # shellcheck source=scripts/bench-common.sh
  . scripts/bench-common.sh
  need_tsplib
  build_bench wedrownik_dowod
  range=${3:-1002}
  [[ $range == *-* ]] || range="0-$range"
  first=1
  for f in $(tsplib_files . "$range"); do
    build/bench/dowod/wedrownik_dowod --optima "$data/optima.tsv" --seconds "$limit" "$f" |
      if [ $first = 1 ]; then cat; else tail -n 1; fi
    first=0
  done
  exit 0
fi
limit=${1:-600}
big=${2:-600}
# shellcheck source=scripts/bench-common.sh
. scripts/bench-common.sh
need_tsplib
build_bench wedrownik_dowod
bench=build/bench/dowod/wedrownik_dowod
upto() { tsplib_files . "0-$1"; }

echo "== shortest, up to 200 cities"
# shellcheck disable=SC2046
"$bench" --optima "$data/optima.tsv" --seconds "$limit" $(upto 200)
echo "== longest, up to 100 cities"
# shellcheck disable=SC2046
"$bench" --only-longest --permutations-up-to 29 --seconds "$limit" $(upto 100)
echo "== grid layouts"
"$bench" --longest --grid 8,12,16,20,25 --layouts 3 --permutations-up-to 25 --seconds "$limit"
"$bench" --longest --grid 30,40,50,60 --layouts 3 --seconds "$limit"
echo "== large instances"
for f in lin318 pcb442 d493 rat783 pr1002; do
  "$bench" --optima "$data/optima.tsv" --seconds "$big" "$data/$f.tsp" | tail -n 1
done
