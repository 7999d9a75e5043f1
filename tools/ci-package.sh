#!/usr/bin/env bash
# Checks the Debian packages on this machine, as root, the way an
# administrator uses them: installs them with apt-get, runs zlytpcli on the
# product's fixed paths, builds a consumer against the development package,
# removes them (the preferences stay) and purges them (nothing of theirs
# stays). Before that it checks that a plain `cmake --install` to another
# prefix gives a tool that runs on the fixed paths as well.
# The packages come from PACKAGE_DIR (build-deb, made by tools/package.sh),
# the cmake installation from BUILD_DIR (build; built here when needed).
# It refuses to start when the product's directories or packages are already
# on the machine (they may be a real installation), and on exit, failed or
# not, it purges the packages and removes those directories, so that it can
# run again.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${PACKAGE_DIR:-$root/build-deb}")"
build="${BUILD_DIR:-$root/build}"
packages=(libkovconfig1 libkovconfig-common libkovconfig-dev zlytpcli)
product_dirs=(/opt/Korvel /var/Korvel)
var=/var/Korvel/kov/tp
shipped=/opt/Korvel/kov/tp/etc/prefs.xml

fail() {
  echo "ci-package: FAILED: $*" >&2
  exit 1
}
passed=0
ok() {
  passed=$((passed + 1))
  echo "ok: $*"
}
present() { # whether dpkg knows the package in any state but "not installed"
  local state
  state=$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != not-installed ]
}
expect_mode() { # path, mode (octal), owner:group
  local got
  got=$(stat -c '%a %U:%G' "$1" 2>/dev/null) || fail "$1 is missing"
  [ "$got" = "$2 $3" ] || fail "$1 is $got, expected $2 $3"
}

[ "$(id -u)" -eq 0 ] || { echo "ci-package: run as root: it installs into /usr, /opt and /var" >&2; exit 2; }
debs=()
for p in "${packages[@]}"; do
  deb=$(ls "$out/${p}_"*.deb 2>/dev/null | head -n 1) || true
  [ -n "$deb" ] || { echo "ci-package: no $p package in $out (run tools/package.sh)" >&2; exit 2; }
  debs+=("$deb")
done
for p in "${packages[@]}"; do
  if present "$p"; then echo "ci-package: $p is already on this machine; not touching it" >&2; exit 2; fi
done
for d in "${product_dirs[@]}"; do
  if [ -e "$d" ]; then echo "ci-package: $d already exists; not touching it" >&2; exit 2; fi
done

scratch=$(mktemp -d)
cleanup() {
  local status=$? left=()
  for p in "${packages[@]}"; do present "$p" && left+=("$p"); done
  if [ ${#left[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq "${left[@]}" >/dev/null 2>&1 ||
      dpkg --purge --force-all "${left[@]}" >/dev/null 2>&1 || true
  fi
  # Neither existed before the check (see above): all in them is the check's.
  rm -rf "${product_dirs[@]}" "$scratch"
  [ "$status" -eq 0 ] || echo "ci-package: cleaned up after the failure" >&2
}
trap cleanup EXIT
export DEBIAN_FRONTEND=noninteractive

# Runs zlytpcli ($1) under tool_umask: the modes checked below must be the
# tool's and the library's own, not the umask's. 077 would close the
# directories the tool creates, 000 would open every file.
tool_umask=000
tool() {
  local program="$1"
  shift
  (umask "$tool_umask" && "$program" "$@")
}

# Uses the fixed paths from nothing: creates the directories and the
# preferences from the shipped defaults ($2), and makes one change.
check_first_use() {
  local program="$1" defaults="$2" summary
  summary=$(tool "$program" --getoasconfig --summary) || fail "$program --getoasconfig --summary failed"
  grep -q '^Maximum scan time: *45 seconds$' <<<"$summary" || fail "unexpected summary: $summary"
  expect_mode "$var/prefs.xml" 600 root:root
  cmp -s "$var/prefs.xml" "$defaults" || fail "$var/prefs.xml is not a copy of $defaults"
  tool "$program" --setoasglobalconfig --maxscantime 90 >/dev/null || fail "$program could not change a setting"
  summary=$(tool "$program" --getoasconfig --summary) || fail "$program --getoasconfig --summary failed"
  grep -q '^Maximum scan time: *90 seconds$' <<<"$summary" || fail "the change was not kept: $summary"
  expect_mode "$var/prefs.xml" 600 root:root
  ok "$program created $var/prefs.xml (0600) from $defaults and changed it"
}

# 1. A plain cmake installation into a prefix of its own, with nothing of the
# product's on the machine.
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DKOVCONFIG_BUILD_TESTS=OFF -DKOVCONFIG_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target zlytpcli shipped_prefs zlytpcli_docs >/dev/null
prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
tool_umask=077
check_first_use "$prefix/bin/zlytpcli" "$prefix/opt/Korvel/kov/tp/etc/prefs.xml"
tool_umask=000
for d in /var/Korvel /var/Korvel/kov "$var"; do expect_mode "$d" 755 root:root; done
ok "the tool created /var/Korvel, /var/Korvel/kov and $var with mode 0755, owned by root"
rm -rf "${product_dirs[@]}" "$prefix"

# 2. The packages. Every path of theirs that is not on the machine yet must
# be gone again after the purge.
for deb in "${debs[@]}"; do
  dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -e 's|^\./|/|' -e 's|/$||' -e '/^$/d'
done | sort -u | while read -r path; do [ -e "$path" ] || echo "$path"; done >"$scratch/new-paths"
for f in /usr/bin/zlytpcli "$shipped" "$var"; do
  grep -qx "$f" "$scratch/new-paths" || fail "$f is not among the packages' new paths"
done
apt-get install -y -qq "${debs[@]}" >"$scratch/apt.log" 2>&1 || { cat "$scratch/apt.log"; fail "apt-get install"; }
for p in "${packages[@]}"; do
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$p")" = installed ] || fail "$p is not installed"
done
ok "apt-get install ${debs[*]##*/}"
for d in /opt/Korvel /opt/Korvel/kov /opt/Korvel/kov/tp /opt/Korvel/kov/tp/etc /var/Korvel /var/Korvel/kov "$var"; do
  expect_mode "$d" 755 root:root
  dpkg -S "$d" 2>/dev/null | grep -q '^libkovconfig-common:' || fail "no package owns $d"
done
expect_mode "$shipped" 644 root:root
ok "libkovconfig-common owns the product's directories (0755 root:root) and $shipped"
[ ! -e "$var/prefs.xml" ] || fail "$var/prefs.xml exists before first use"
check_first_use zlytpcli "$shipped"

# What purge has to clear away besides the preferences and their lock: the
# installation key (made by sealing a proxy password), the copy kept aside
# when the preferences are found corrupt, and the temporary copy a commit
# leaves when it is interrupted (made here by hand).
tool zlytpcli --proxyserverconfig --type customproxy --url proxy.example.com --port 3128 --httpauth enable \
  --username alice --password 'open sesame' >/dev/null || fail "could not set the proxy"
expect_mode "$var/tpagent.key" 600 root:root
printf 'not xml' >"$var/prefs.xml"
summary=$(tool zlytpcli --getoasconfig --summary) || fail "corrupt preferences were not restored"
grep -q '^Maximum scan time: *45 seconds$' <<<"$summary" || fail "restored preferences are not the defaults: $summary"
ls "$var"/prefs.xml.corrupt-* >/dev/null 2>&1 || fail "no copy of the corrupt preferences was kept"
: >"$var/prefs.xml.tmp"
ok "installation key, kept corrupt copy and temporary copy are in place: $(cd "$var" && echo *)"

# 3. A consumer project against the installed development package.
cmake -S "$root/tests/consumer" -B "$scratch/consumer" >"$scratch/consumer.log" 2>&1 ||
  { cat "$scratch/consumer.log"; fail "find_package(kovconfig) against the installed package"; }
grep -q '^kovconfig_DIR:PATH=/usr/lib/.*/cmake/kovconfig$' "$scratch/consumer/CMakeCache.txt" ||
  fail "the consumer did not find the package's CMake files"
cmake --build "$scratch/consumer" >>"$scratch/consumer.log" 2>&1 || { cat "$scratch/consumer.log"; fail "consumer build"; }
mkdir -m 0700 "$scratch/prefs"
"$scratch/consumer/consumer" "$scratch/prefs" "$shipped" >/dev/null || fail "the consumer did not run"
ldd "$scratch/consumer/consumer" >"$scratch/ldd.txt"
grep -Eq 'libkovconfig\.so\.1 => /(usr/)?lib/' "$scratch/ldd.txt" || fail "the consumer did not load the package's library: $(cat "$scratch/ldd.txt")"
ok "a consumer built with find_package(kovconfig) against the installed package and ran"

# 4. Remove keeps the administrator's data, and nothing else.
apt-get remove -y -qq "${packages[@]}" >"$scratch/apt.log" 2>&1 || { cat "$scratch/apt.log"; fail "apt-get remove"; }
[ -f "$var/prefs.xml" ] || fail "apt-get remove deleted $var/prefs.xml"
[ -f "$var/tpagent.key" ] || fail "apt-get remove deleted $var/tpagent.key"
for f in /usr/bin/zlytpcli "$shipped"; do [ ! -e "$f" ] || fail "$f is left after apt-get remove"; done
# Only the package that cleans up on purge is still known, to purge it later.
left=()
for p in "${packages[@]}"; do present "$p" && left+=("$p"); done
[ "${left[*]}" = libkovconfig-common ] || fail "after remove dpkg still knows: ${left[*]:-nothing}"
[ "$(dpkg-query -W -f='${db:Status-Status}' libkovconfig-common)" = config-files ] ||
  fail "libkovconfig-common is not left in the config-files state"
ok "apt-get remove left $var/prefs.xml and the key, took the rest"

# 5. Purge leaves nothing.
apt-get purge -y -qq "${left[@]}" >"$scratch/apt.log" 2>&1 || { cat "$scratch/apt.log"; fail "apt-get purge"; }
for p in "${packages[@]}"; do ! present "$p" || fail "$p is still known to dpkg after purge"; done
for d in "${product_dirs[@]}"; do [ ! -e "$d" ] || fail "$d is left after purge: $(find "$d" | head -n 5)"; done
while read -r path; do
  [ ! -e "$path" ] || fail "$path is left after purge"
done <"$scratch/new-paths"
ok "apt-get purge removed the preferences, their lock, the copies, the key and all $(wc -l <"$scratch/new-paths") paths the packages added"
echo "ci-package: $passed checks passed"
