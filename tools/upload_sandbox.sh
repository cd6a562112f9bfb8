# Sourced by the scripts that run wx_pub against the reference upload script.
#
# start_upload_sandbox SANDBOX SCRIPT points TMPDIR, Z_SUITE_COMMON_DOCUMENTS and
# XDG_CONFIG_HOME below SANDBOX, serves SANDBOX/www with PHP's built-in server on
# a free port of 127.0.0.1 with SCRIPT as its upload script, and writes the
# upfile.ini that points the tool at it. It sets www, port and script_path; the
# server stops when the calling shell exits.
start_upload_sandbox() {
  local sandbox="$1" script="$2"
  www="$sandbox/www"
  script_path="/Test/upload/up.php"
  export TMPDIR="$sandbox/tmp/"
  export Z_SUITE_COMMON_DOCUMENTS="$sandbox/documents"
  export XDG_CONFIG_HOME="$sandbox/config"
  local settings="$Z_SUITE_COMMON_DOCUMENTS/Temp/z_Suite/_Setting"
  mkdir -p "$TMPDIR" "$XDG_CONFIG_HOME" "$settings" "$www$(dirname "$script_path")"
  cp "$script" "$www$script_path"

  port="$(php -r '$s = stream_socket_server("tcp://127.0.0.1:0"); echo substr(strrchr(stream_socket_get_name($s, false), ":"), 1);')"
  printf '[Preference_202206]\r\nserver=127.0.0.1:%s\r\nphp_fn=%s\r\nopen_http=http\r\n' "$port" "$script_path" \
    >"$settings/upfile.ini"

  php -d upload_max_filesize=32M -d post_max_size=40M -S "127.0.0.1:$port" -t "$www" >"$sandbox/server.log" 2>&1 &
  upload_server=$!
  trap 'kill "$upload_server" 2>/dev/null || true' EXIT
  for _ in $(seq 50); do
    curl -s -o /dev/null "http://127.0.0.1:$port/" && break
    sleep 0.1
  done
}
