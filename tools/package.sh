#!/usr/bin/env bash
# Builds the Debian packages from a copy of the source tree and collects them,
# with their .changes, .buildinfo and the build log, in one folder
# (PACKAGE_DIR, build-deb by default); then checks them with lintian, which
# fails the run on any error or warning that is not overridden with a reason.
# DEB_BUILD_OPTIONS is passed on: nocheck builds without the tests (as CI does,
# which runs them in its own step).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${PACKAGE_DIR:-$root/build-deb}")"
"$root/tools/install-deps.sh"

version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
rm -rf "$out"
src="$out/src/kovconfig-$version"
mkdir -p "$src"
# The working tree's files, committed or not, without ignored ones (build
# folders); dpkg-buildpackage writes into the copy, never into the checkout.
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -C "$src" -xf -
else
  tar -C "$root" --exclude='./build*' --exclude=./zlyroot -cf - . | tar -C "$src" -xf -
fi

options="${DEB_BUILD_OPTIONS:-}"
profiles=()
case " $options " in *" nocheck "*) profiles=(-Pnocheck) ;; esac
case " $options " in *" parallel="*) ;; *) options="${options:+$options }parallel=$(nproc)" ;; esac
# The folder holds the four packages alone, so that `apt-get install ./*.deb`
# takes exactly them: no debug-symbol packages.
options="$options noautodbgsym"
start=$SECONDS
echo "Building the packages (log in $out/build.log)"
(cd "$src" && DEB_BUILD_OPTIONS="$options" dpkg-buildpackage -b -us -uc "${profiles[@]}") >"$out/build.log" 2>&1 ||
  { tail -40 "$out/build.log"; exit 1; }
find "$out/src" -maxdepth 1 -type f -exec mv -t "$out" {} +
rm -rf "$out/src"
echo "== packages built in $((SECONDS - start)) s: $(cd "$out" && echo *.deb)"

# Overridden tags are shown with their reasons (O: and N: lines); the run
# fails on any error (E:) or warning (W:) that remains.
lintian --fail-on none --show-overrides --display-info "$out"/*.changes >"$out/lintian.log" 2>&1 ||
  { cat "$out/lintian.log"; echo "lintian did not run" >&2; exit 1; }
grep -v '^running with root privileges' "$out/lintian.log" || true
summary=""
for level in E W I O; do summary="$summary$level: $(grep -c "^$level: " "$out/lintian.log" || true)  "; done
echo "lintian: ${summary}(error, warning, info, overridden)"
if grep -q '^[EW]: ' "$out/lintian.log"; then
  echo "lintian found errors or warnings" >&2
  exit 1
fi
