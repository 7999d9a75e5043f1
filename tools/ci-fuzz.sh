#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each from the committed seed
# corpus for a fixed number of inputs from a fixed seed (FUZZ_RUNS, FUZZ_SEED),
# so that a run is repeatable, and never longer than FUZZ_SECONDS (60 by
# default). FUZZ_SEED=0 lets libFuzzer pick a seed, for open-ended fuzzing.
# The corpus grows in a scratch copy; a crash, a sanitizer report or a broken promise
# fails the run and leaves the input in the scratch directory.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"
build="${BUILD_ROOT:-$root}/build-fuzz"
seconds="${FUZZ_SECONDS:-60}"
runs="${FUZZ_RUNS:-400000}"
seed="${FUZZ_SEED:-1}"
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

start=$SECONDS
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  "${launcher[@]}" -DKOVCONFIG_BUILD_FUZZERS=ON -DKOVCONFIG_BUILD_TESTS=OFF -DKOVCONFIG_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_load fuzz_lists
echo "== fuzzers built in $((SECONDS - start)) s"

scratch="$build/fuzz-run"
rm -rf "$scratch"
for target in load lists; do
  mkdir -p "$scratch/$target/corpus" "$scratch/$target/artifacts"
  cp "$root/fuzz/corpus/$target/"* "$scratch/$target/corpus/"
  seeds=$(ls "$scratch/$target/corpus" | wc -l)
  dict=()
  [ "$target" = load ] && dict=(-dict="$root/fuzz/xml.dict")
  start=$SECONDS
  "$build/fuzz/fuzz_$target" "$scratch/$target/corpus" "${dict[@]}" -max_total_time="$seconds" -runs="$runs" -seed="$seed" \
    -max_len=8192 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$scratch/$target/artifacts/" 2>"$scratch/$target/log" || {
      tail -50 "$scratch/$target/log"; exit 1; }
  executed=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$scratch/$target/log" | grep -o '[0-9]*$' || true)
  echo "== fuzz_$target: $((SECONDS - start)) s, $executed runs, seed $seed, corpus $seeds seeds -> $(ls "$scratch/$target/corpus" | wc -l) inputs"
done
