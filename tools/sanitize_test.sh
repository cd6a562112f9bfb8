#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# ./build-sanitize (or $WXPUB_BUILD_DIR-sanitize) and runs them there; the
# first error a sanitizer finds ends its test program, so the run fails.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${WXPUB_BUILD_DIR:-$here/build}-sanitize"
# Unoptimised: it compiles in a third of the time the sanitizers take with
# optimisation, and no read is optimised away.
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DWXPUB_SANITIZE=ON >/dev/null
# The build already makes every error fatal; spelled out, and UBSan says where.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
