#!/usr/bin/env bash
# Installs what is missing, builds, starts the reference upload server on
# 127.0.0.1 and opens the dialog configured for it. The server also carries
# the script libraries at the pages' library paths, and the family profile
# points the pages there, so their slide show runs. Settings, logs and working
# folders all stay below build/run-sandbox (WXPUB_RUN_SANDBOX); the person's
# own are not touched. Arguments are passed to wx_pub (files to list, as one drop).
#
#   tools/run.sh --serve-only   sets up the sandbox and serves it until
#                               stopped: no install, no build, no window.
# Either way <sandbox>/env.sh holds the settings that publish into the sandbox:
#   . build/run-sandbox/env.sh && build/bin/wx_pub --upload FILE...
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${WXPUB_BUILD_DIR:-$here/build}"
sandbox="${WXPUB_RUN_SANDBOX:-$build/run-sandbox}"
serve_only=false
[ "${1:-}" = "--serve-only" ] && serve_only=true

if ! $serve_only; then
  "$here/tools/deps.sh"
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$build" -j "$(nproc)" --target wx_pub
fi

. "$here/tools/upload_sandbox.sh"
start_upload_sandbox "$sandbox" "$here/server/upload.php"
trap 'exit 143' TERM INT HUP
printf 'export TMPDIR=%q Z_SUITE_COMMON_DOCUMENTS=%q XDG_CONFIG_HOME=%q\n' \
  "$TMPDIR" "$Z_SUITE_COMMON_DOCUMENTS" "$XDG_CONFIG_HOME" >"$sandbox/env.sh"

"$here/tools/page_libs.sh" "$build/page-libs"
ln -sfn "$build/page-libs/site/_lib" "$www/_lib"
# The pages' link block shows the site's icon.
icon="$(find /usr/share/icons/Adwaita -path '*/48x48/*' -name network-server.png 2>/dev/null | head -n 1)"
[ -n "$icon" ] && cp "$icon" "$www/favicon.ico"

# Sets keys of section [Preference] in a profile (UTF-16 LE with BOM, CR LF),
# keeping every other line. Arguments: profile, then key=value pairs.
set_preferences() {
  local profile="$1"
  shift
  {
    printf '\xff\xfe'
    if [ -s "$profile" ]; then iconv -f UTF-16 -t UTF-8 "$profile" | tr -d '\r'; fi |
      awk -v pairs="$(printf '%s\n' "$@")" '
        BEGIN { n = split(pairs, line, "\n"); for (i = 1; i <= n; i++) { split(line[i], kv, "="); key[tolower(kv[1])] } }
        function add() { for (i = 1; i <= n; i++) print line[i]; done = 1 }
        /^[ \t]*\[/ { if (ours && !done) add(); ours = tolower($0) ~ /^[ \t]*\[preference\][ \t]*$/ }
        ours { k = tolower($0); sub(/[ \t]*=.*/, "", k); sub(/^[ \t]*/, "", k); if (k in key) next }
        { print }
        END { if (!done) { if (!ours) print "[Preference]"; add() } }' |
      sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE
  } >"$profile.new"
  mv "$profile.new" "$profile"
}

profiles="$Z_SUITE_COMMON_DOCUMENTS/z_Suite_Setting"
[ -d "$profiles" ] || profiles="$Z_SUITE_COMMON_DOCUMENTS/Temp/z_Suite_Setting"
mkdir -p "$profiles"
set_preferences "$profiles/z_Suite.ini" "http___2019_10=http:" "server_2019_10=//127.0.0.1:$port"

echo "Upload server: http://127.0.0.1:$port$script_path (log: $sandbox/server.log)"
echo "Pages land in: $www$(dirname "$script_path")/data/"
if $serve_only; then
  wait "$upload_server"
else
  "$build/bin/wx_pub" "$@"
fi
