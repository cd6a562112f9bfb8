#!/usr/bin/env bash
# Builds the Debian package from the build folder, installs it (replacing an
# installed copy), publishes one file with the installed /usr/bin/wx_pub
# through the upload script the package ships, served on 127.0.0.1, and opens
# the window on the same file on a virtual display. Settings and working
# folders stay below build/package-check.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${WXPUB_BUILD_DIR:-$here/build}"
sandbox="$build/package-check"
log="$sandbox/package-check.log"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

rm -rf "$sandbox"
mkdir -p "$sandbox"
fail() {
  cat "$log" >&2
  echo "Package check failed: $*" >&2
  exit 1
}
quietly() { "$@" >>"$log" 2>&1 || fail "$*"; }

rm -f "$build"/wx_pub_*.deb
quietly cmake --build "$build" --target package
deb=("$build"/wx_pub_*.deb)
[ -f "${deb[0]}" ] || fail "no wx_pub_*.deb in $build"
quietly $sudo env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --reinstall --allow-downgrades "${deb[0]}"

. "$here/tools/upload_sandbox.sh"
start_upload_sandbox "$sandbox" /usr/share/wx_pub/upload.php

version="$(/usr/bin/wx_pub --version)"
[ "$version" = "wx_pub $(dpkg-query -W -f='${Version}' wx-pub)" ] || fail "--version says '$version'"

file="$sandbox/package_check.txt"
echo "sent by the installed wx_pub at $(date -Ins)" >"$file"
/usr/bin/wx_pub --upload "$file" >"$sandbox/upload.out" 2>>"$log" || fail "--upload exited with $?"
address="$(tail -n 1 "$sandbox/upload.out")"
cmp -s "$file" "$www$(dirname "$script_path")/data/package_check.txt" || fail "the file did not arrive"
curl -sf -o /dev/null "$address" || fail "no page at $address"

# wx_pub FILE becomes the installed window program, which shows the dialog.
mkdir -p "$sandbox/home"
window="$(HOME="$sandbox/home" xvfb-run -a -s "-nolisten tcp" bash -c '
  /usr/bin/wx_pub "$1" &
  for _ in $(seq 100); do
    xwininfo -root -tree | grep -q "\"html などのアップロード\"" && break
    sleep 0.1
  done
  readlink "/proc/$!/exe"
  xwininfo -root -tree | grep -c "\"html などのアップロード\""
  kill "$!"' window-check "$file" 2>>"$log")" || true
[ "$window" = "$(printf '/usr/libexec/wx_pub/wx_pub\n1')" ] || fail "no window from 'wx_pub FILE': $window"

echo "Package check: $(basename "${deb[0]}") installed; $version published $address and opened the window"
