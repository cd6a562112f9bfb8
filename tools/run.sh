#!/usr/bin/env bash
# Installs what is missing, builds, starts the reference upload server on
# 127.0.0.1 and opens the dialog configured for it. Settings, logs and working
# folders all stay below build/run-sandbox; the person's own are not touched.
# Arguments are passed to wx_pub (files to list, as one drop).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${WXPUB_BUILD_DIR:-$here/build}"
sandbox="$build/run-sandbox"

"$here/tools/deps.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target wx_pub

. "$here/tools/upload_sandbox.sh"
start_upload_sandbox "$sandbox" "$here/server/upload.php"

echo "Upload server: http://127.0.0.1:$port$script_path (log: $sandbox/server.log)"
echo "Pages land in: $www$(dirname "$script_path")/data/"
"$build/src/app/wx_pub" "$@"
