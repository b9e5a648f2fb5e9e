#!/usr/bin/env bash
# The local search against the plain one (bench/prosta) on random uniform
# cities at equal wall time: per instance and seed both lengths, how much
# shorter ours came out in per cent, and the rounds and kicks of each; then
# the mean per size.
#
#   scripts/porownanie-bench.sh [GROUP...]
#
# GROUP: CITIES:INSTANCES:SECONDS; by default the standard set, 1,000 cities
# x 5 instances at 10 s, 5,000 x 3 at 30 s and 10,000 x 2 at 60 s. From the
# environment: SEEDS (default 1), THREADS (ours; default 2), PLAN (overrides
# of the size's plan, key=value,...).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
  set -- 1000:5:10 5000:3:30 10000:2:60
fi
# shellcheck source=scripts/bench-common.sh
. scripts/bench-common.sh
build_bench wedrownik_porownanie
args=()
for g in "$@"; do
  args+=(--group "$g")
done
if [ -n "${PLAN:-}" ]; then
  args+=(--plan "$PLAN")
fi
exec ./build/bench/porownanie/wedrownik_porownanie --seeds "${SEEDS:-1}" --threads "${THREADS:-2}" "${args[@]}"
