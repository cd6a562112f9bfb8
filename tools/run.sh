#!/usr/bin/env bash
# Installs what is missing, builds, starts the reference upload server on
# 127.0.0.1 and opens the dialog configured for it. Settings, logs and working
# folders all stay below build/run-sandbox; the person's own are not touched.
# Arguments are passed to wx_pub (files to list, as one drop).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${WXPUB_BUILD_DIR:-$here/build}"
sandbox="$build/run-sandbox"
www="$sandbox/www"
script_path="/Test/upload/up.php"

"$here/tools/deps.sh"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target wx_pub

export TMPDIR="$sandbox/tmp/"
export Z_SUITE_COMMON_DOCUMENTS="$sandbox/documents"
export XDG_CONFIG_HOME="$sandbox/config"
settings="$Z_SUITE_COMMON_DOCUMENTS/Temp/z_Suite/_Setting"
mkdir -p "$TMPDIR" "$XDG_CONFIG_HOME" "$settings" "$www$(dirname "$script_path")"
cp "$here/server/upload.php" "$www$script_path"

port="$(php -r '$s = stream_socket_server("tcp://127.0.0.1:0"); echo substr(strrchr(stream_socket_get_name($s, false), ":"), 1);')"
printf '[Preference_202206]\r\nserver=127.0.0.1:%s\r\nphp_fn=%s\r\nopen_http=http\r\n' "$port" "$script_path" \
  >"$settings/upfile.ini"

php -d upload_max_filesize=32M -d post_max_size=40M -S "127.0.0.1:$port" -t "$www" >"$sandbox/server.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  curl -s -o /dev/null "http://127.0.0.1:$port/" && break
  sleep 0.1
done

echo "Upload server: http://127.0.0.1:$port$script_path (log: $sandbox/server.log)"
echo "Pages land in: $www$(dirname "$script_path")/data/"
"$build/src/app/wx_pub" "$@"
