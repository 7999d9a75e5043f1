#!/usr/bin/env bash
# Builds kovctl when needed and runs it over a local preferences directory
# (./prefs by default; set PREFS_DIR to choose another).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/tools/install-deps.sh" >&2
if [ ! -x "$build/kovctl" ] || [ ! -f "$build/etc/prefs.xml" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
  cmake --build "$build" -j"$(nproc)" --target kovctl shipped_prefs >&2
fi
exec "$build/kovctl" --dir "${PREFS_DIR:-$PWD/prefs}" "$@"
