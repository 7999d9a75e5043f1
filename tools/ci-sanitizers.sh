#!/usr/bin/env bash
# Builds the tests twice more, with ThreadSanitizer and with AddressSanitizer
# plus UndefinedBehaviorSanitizer (separate build directories), and runs them.
# Any sanitizer report fails the run. SANITIZERS="tsan" or "asan" runs one.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/install-deps.sh"

# Newer kernels randomise mmap with more bits than the sanitizers' shadow
# layout of older toolchains allows; run the tests without address
# randomisation when setarch can do it.
norandom=()
if setarch "$(uname -m)" -R true 2>/dev/null; then norandom=(setarch "$(uname -m)" -R); fi

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

run_sanitized() {
  local name="$1" flags="$2"
  local build="${BUILD_ROOT:-$root}/build-$name"
  local start=$SECONDS
  # Debug with -O1: quicker to build than an optimised build, quick enough to run.
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKOVCONFIG_BUILD_BENCHMARKS=OFF "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$flags -O1" -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" >/dev/null
  cmake --build "$build" -j"$(nproc)" --target kovconfig_tests
  echo "== $name: built in $((SECONDS - start)) s"
  start=$SECONDS
  # The install consumer links the installed library without the sanitizer runtime.
  (cd "$build" && "${norandom[@]}" ctest --output-on-failure -j"$(nproc)" --timeout 600 -E '^install_consumer$')
  echo "== $name: tests ran in $((SECONDS - start)) s"
}

export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
export ASAN_OPTIONS="abort_on_error=1 detect_leaks=1 strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1 print_stacktrace=1"
for s in ${SANITIZERS:-tsan asan}; do
  case "$s" in
    tsan) run_sanitized tsan "-fsanitize=thread -g" ;;
    asan) run_sanitized asan "-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g" ;;
    *) echo "unknown sanitizer $s" >&2; exit 2 ;;
  esac
done
