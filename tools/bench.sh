#!/usr/bin/env bash
# Builds the side-by-side benchmarks (RelWithDebInfo, in a build directory of
# their own), runs them once and prints one table of ratios measured in that run.
# Extra arguments go to the benchmark program (e.g. --benchmark_filter=read/).
# BENCH_REPETITIONS (default 3) sets how many medians are taken from; the
# scratch files go to $TMPDIR (default /tmp), which decides the disk measured.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD_DIR:-$root/build-bench}"
"$root/tools/install-deps.sh"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVCONFIG_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target kovconfig_compare >/dev/null

json="$build/bench-results.json"
console="$build/bench-console.txt"
echo "Running the benchmarks (a few minutes; console output in $console)" >&2
"$build/bench/kovconfig_compare" --benchmark_repetitions="${BENCH_REPETITIONS:-3}" \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
  --benchmark_out="$json" --benchmark_out_format=json "$@" >"$console" 2>&1 ||
  { tail -20 "$console" >&2; exit 1; }

scratch="${TMPDIR:-/tmp}"
echo "Code: $(git -C "$root" log -1 --format='%h %s' 2>/dev/null || echo 'not a git checkout')"
echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) CPUs," \
  "$(uname -sr), scratch files on $(stat -f -c %T "$scratch") ($scratch), load $(cut -d' ' -f1-3 /proc/loadavg)"
awk -f "$root/tools/bench-table.awk" "$json"
