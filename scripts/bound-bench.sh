#!/usr/bin/env bash
# The lower bound on the TSPLIB instances of ../shared/tsplib: per instance
# the cities, the bound, the published optimum, the shortfall in per cent,
# the time, the ascent's steps and checks; then the mean shortfall per size
# class.
#
#   scripts/bound-bench.sh [SECONDS] [FILTER]
#
# SECONDS: the bound's time limit (default, or 0: a tenth of the local
# search's, 1 s up to 1,002 cities, 6 s up to 20,000, 120 s above); FILTER:
# an extended regex on the instance name. From the environment: CITIES=MIN-MAX
# (default all); TARGET=PERCENT (default 2): the ascent aims at a route this
# many per cent above the optimum, as the local search's would be, or
# TARGET=search:S for the route of an actual local search of S seconds
# (not counted in the time), or TARGET=greedy for a greedy route's;
# THREAD_TIME=1: the limit and the times in the thread's processor time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-0}
filter=${2:-.}
cities=${CITIES:-0-1000000000}
target=${TARGET:-2}
# shellcheck source=scripts/bench-common.sh
. scripts/bench-common.sh
need_tsplib
case "$target" in
  greedy) target_args=() ;;
  search:*) target_args=(--search "${target#search:}") ;;
  *) target_args=(--target "$target") ;;
esac
build_bench wedrownik_dolne
files=$(tsplib_files "$filter" "$cities")
# shellcheck disable=SC2086
exec ./build/bench/dolne/wedrownik_dolne --optima "$data/optima.tsv" --seconds "$seconds" \
  "${target_args[@]}" ${THREAD_TIME:+--thread-time} $files
