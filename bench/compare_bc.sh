#!/usr/bin/env bash
# Times the 30,000-by-24,000-digit division and a 50-decimal sine in GNU bc (bc -l) and
# in unl_num_bench, in one run, and prints how many times faster UnlNum is.
#   bench/compare_bc.sh [unl_num_bench]     (default: build/bench/bench/unl_num_bench)
# Build the benchmark first: cmake --preset bench && cmake --build --preset bench
# Times are CPU seconds (user + system), medians of several runs: the machine's cores are
# shared, and CPU time is what the two programs themselves spend.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bench=${1:-$root/build/bench/bench/unl_num_bench}
command -v bc >/dev/null || { echo "GNU bc is needed (apt-get install bc)" >&2; exit 1; }
[ -x "$bench" ] || { echo "no $bench; build it first" >&2; exit 1; }

# Median CPU milliseconds of `bc -l` running the program, over the given number of runs.
bc_cpu_ms() {
  local program=$1 runs=$2 TIMEFORMAT='%3U %3S'
  for _ in $(seq "$runs"); do
    { time bc -l <<<"$program" >/dev/null; } 2>&1 | awk '{ printf "%.3f\n", ($1 + $2) * 1000 }'
  done | sort -n | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'
}

# Median CPU milliseconds of one benchmark of unl_num_bench.
unl_cpu_ms() {
  "$bench" --benchmark_filter="^$1\$" --benchmark_repetitions=9 \
    --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null |
    awk -F, -v name="\"$1_median\"" '$1 == name { print $4 }'
}

echo "GNU bc: division (powers subtracted) and sine, CPU ms, median of 3 runs..."
powers='a = 2^100000; b = 3^50000'
bc_powers=$(bc_cpu_ms "scale = 0; $powers" 3)
bc_division_total=$(bc_cpu_ms "scale = 0; $powers; scale = 50; q = a / b" 3)
bc_division=$(awk -v t="$bc_division_total" -v p="$bc_powers" 'BEGIN { printf "%.3f", t - p }')
# One hundred sines in one process, so that starting bc does not count.
bc_sine100=$(bc_cpu_ms "scale = 50; p = 3.14159265358979; for (i = 0; i < 100; i++) x = s(30 * p / 180)" 3)
bc_sine=$(awk -v t="$bc_sine100" 'BEGIN { printf "%.3f", t / 100 }')

echo "UnlNum: the same, CPU ms, median of 9 repetitions..."
unl_division=$(unl_cpu_ms BM_Divide30kBy24k)
unl_sine=$(unl_cpu_ms BM_Sin50)

printf '\n%-34s %12s %12s %10s\n' "work" "bc ms" "UnlNum ms" "bc/UnlNum"
awk -v b="$bc_division" -v u="$unl_division" \
  'BEGIN { printf "%-34s %12.3f %12.3f %10.1f\n", "2^100000 / 3^50000, 50 places", b, u, b / u }'
awk -v b="$bc_sine" -v u="$unl_sine" \
  'BEGIN { printf "%-34s %12.3f %12.3f %10.1f\n", "sine of 30 degrees, 50 places", b, u, b / u }'
