#!/usr/bin/env bash
# Builds the Debian package in a build folder of its own (no tests, no
# benchmarks), has lintian check it, installs an older copy and then it over
# that with apt, checks the hardening of the installed programs, publishes one
# file with the installed /usr/bin/wx_pub through the upload script the
# package ships, served on 127.0.0.1, and opens the window on the same file on
# a virtual display (and without one). Settings and working folders stay below
# build/package-check.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${WXPUB_BUILD_DIR:-$here/build}"
package_build="${WXPUB_PACKAGE_BUILD_DIR:-$here/build-package}"
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

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
rm -f "$package_build"/wx_pub_*.deb
quietly cmake -S "$here" -B "$package_build" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
quietly cmake --build "$package_build" --target package -j "$(nproc)"
deb=("$package_build"/wx_pub_*.deb)
[ -f "${deb[0]}" ] || fail "no wx_pub_*.deb in $package_build"
quietly lintian --fail-on error,warning --display-level ">=warning" "${deb[0]}"

# The same package as version 1.0.0 stands for an installed older release.
repack="$sandbox/older"
quietly dpkg-deb -R "${deb[0]}" "$repack"
sed -i 's/^Version: .*/Version: 1.0.0-1/' "$repack/DEBIAN/control"
quietly dpkg-deb --root-owner-group -b "$repack" "$sandbox/wx_pub_1.0.0.deb"
install_deb() {
  quietly $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --allow-downgrades "$1"
}
install_deb "$sandbox/wx_pub_1.0.0.deb"
[ "$(dpkg-query -W -f='${Version}' wx-pub)" = 1.0.0-1 ] || fail "the older package did not install"
install_deb "${deb[0]}"
package_version="$(dpkg-deb -f "${deb[0]}" Version)"
[ "$(dpkg-query -W -f='${Version} ${Status}' wx-pub)" = "$package_version install ok installed" ] ||
  fail "apt did not replace 1.0.0-1 by $package_version"

# As Debian builds: PIE, full RELRO, fortified, stack protector, stripped.
# Read whole first: grep -q ending a pipe early would fail it under pipefail.
for program in /usr/bin/wx_pub /usr/libexec/wx_pub/wx_pub; do
  elf="$(readelf -hlSdW --dyn-syms "$program")"
  grep -q 'DYN (Position-Independent Executable' <<<"$elf" || fail "$program is not PIE"
  grep -q GNU_RELRO <<<"$elf" || fail "$program has no RELRO"
  grep -q 'FLAGS.*BIND_NOW' <<<"$elf" || fail "$program is not bound now"
  grep -q '__[a-z]*_chk@' <<<"$elf" || fail "$program is not fortified"
  grep -q __stack_chk_fail <<<"$elf" || fail "$program has no stack protector"
  ! grep -qE '\.(comment|symtab|debug_)' <<<"$elf" || fail "$program is not stripped"
done
for file in /usr/share/doc/wx-pub/copyright /usr/share/doc/wx-pub/changelog.Debian.gz \
  /usr/share/icons/hicolor/48x48/apps/wx_pub.png /usr/share/locale/en/LC_MESSAGES/wx_pub.mo; do
  [ -f "$file" ] || fail "$file is not installed"
done

. "$here/tools/upload_sandbox.sh"
start_upload_sandbox "$sandbox" /usr/share/wx_pub/upload.php

version="$(/usr/bin/wx_pub --version)"
[ "$version" = "wx_pub ${package_version%-*}" ] || fail "--version says '$version'"

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

# Without a display, or with one that cannot be opened, the window says how to go on.
expected="wx_pub: no display: to publish from a terminal use \`wx_pub --upload FILE…\`"
for display in "" ":$((4000 + RANDOM % 1000))"; do
  status=0
  said="$(env -u WAYLAND_DISPLAY DISPLAY="$display" HOME="$sandbox/home" /usr/bin/wx_pub "$file" 2>&1 >/dev/null)" || status=$?
  [ "$status" = 1 ] && [ "$(tail -n 1 <<<"$said")" = "$expected" ] ||
    fail "with DISPLAY='$display' the window ended with $status: $said"
done

echo "Package check: $(basename "${deb[0]}") installed; $version published $address and opened the window"
