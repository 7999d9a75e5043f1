#!/usr/bin/env bash
# Builds zlytpcli when needed and runs it over a private root directory
# (./zlyroot by default; set ZLY_ROOT to choose another), so no root rights are
# needed: the preferences live at <root>/var/Korvel/kov/tp/prefs.xml.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
"$root/tools/install-deps.sh" >&2
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build "$build" -j"$(nproc)" --target zlytpcli shipped_prefs >/dev/null
exec "$build/zlytpcli" --root "${ZLY_ROOT:-$PWD/zlyroot}" "$@"
