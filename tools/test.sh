#!/usr/bin/env bash
# The one test command: installs what is missing, builds, checks the Debian
# package, runs the tests built with the sanitizers, then every test.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/deps.sh"
"$here/tools/build.sh"
"$here/tools/package_check.sh"
"$here/tools/sanitize_test.sh"
build="${WXPUB_BUILD_DIR:-$here/build}"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
