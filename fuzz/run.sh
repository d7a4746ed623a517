#!/usr/bin/env bash
# Builds every libFuzzer target under fuzz/ with clang and runs each for the given
# number of seconds (default 30). Fails on a crash, a sanitizer report or a timeout.
#   fuzz/run.sh [seconds] [target...]
set -euo pipefail
seconds=${1:-30}
shift || true
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZORVIK_FUZZ=ON >/dev/null
cmake --build "$build" -j2
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in "$root"/fuzz/*.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=detect_leaks=1
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  mkdir -p "$corpus"
  seeds=()
  [ -d "$root/fuzz/seeds/$t" ] && seeds=("$root/fuzz/seeds/$t")
  echo "== $t: ${seconds}s"
  "$build/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$build/$t-" "$corpus" "${seeds[@]}"
done
