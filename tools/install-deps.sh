#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing: the build
# dependencies that debian/control lists (the one list of them, read here),
# and the tools only developers and CI use: benchmarks, fuzzing, packaging.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# Build-Depends without versions, architectures and build profiles;
# debhelper provides debhelper-compat.
mapfile -t packages < <(awk '/^[^ \t]/ { on = /^Build-Depends:/ } on { sub(/^Build-Depends:/, ""); print }' \
  "$root/debian/control" | tr ',' '\n' | sed -e 's/[|(\[<].*//' -e 's/[[:space:]]//g' -e '/^$/d' \
  -e 's/^debhelper-compat$/debhelper/')
packages+=(build-essential libbenchmark-dev libsqlite3-dev clang libclang-rt-dev lintian)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
