#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tool need, when missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config libgtest-dev
  libcurl4-openssl-dev libssl-dev libwxgtk3.2-dev
  php-cli php-intl openssl curl tree bsdutils
  xvfb xauth x11-utils xclip fonts-ipafont-gothic adwaita-icon-theme
  chromium nginx-light
  nodejs npm
  dpkg-dev file gettext lintian
  ceph-mon ceph-mgr ceph-osd radosgw ceph-common rclone libssl-dev
)

missing=()
for p in "${packages[@]}"; do
  # nodejs/npm may come from another source than Debian: a working command is enough.
  case "$p" in
    nodejs) command -v node >/dev/null && continue ;;
    npm) command -v npm >/dev/null && continue ;;
  esac
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  # With recommends: GTK needs its icon theme and Chromium its fonts.
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
fi
