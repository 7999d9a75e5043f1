#!/usr/bin/env bash
# Builds everything (library, tools, tests, benchmarks) and runs every test.
# KOVCONFIG_WERROR=ON (as CI sets it) turns compiler warnings into errors.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVCONFIG_WERROR="${KOVCONFIG_WERROR:-OFF}"
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 300 | tee ctest-summary.log
