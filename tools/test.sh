#!/usr/bin/env bash
# The one test command: installs what is missing, builds, checks the Debian
# package, runs every test.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/tools/deps.sh"
"$here/tools/build.sh"
"$here/tools/package_check.sh"
build="${WXPUB_BUILD_DIR:-$here/build}"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
