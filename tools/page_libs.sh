#!/usr/bin/env bash
# Lays out the script libraries that generated pages load, as a web server
# would serve them, plus the browser driver used by the page test:
#   <dest>/site/_lib/js/jquery/jquery/1.9.1/jquery.min.js
#   <dest>/site/_lib/js/jquery/bxslider/4.1.2/jquery.bxslider.{min.js,css}, images/
#   <dest>/node_modules/playwright-core
# The pages name bxSlider 4.1.2, which the npm registry does not carry; the
# newest 4.x is served under those paths. playwright-core stays at 1.60, a
# version that still runs on Debian 12's Node 18. Does nothing when done.
# The page tests and tools/run.sh share one DEST, and may ask at the same time.
set -euo pipefail
dest="${1:?usage: page_libs.sh DEST}"
stamp="$dest/.done"

mkdir -p "$dest"
exec 9>"$dest/.lock"
flock 9
[ -f "$stamp" ] && exit 0
npm install --prefix "$dest" --no-audit --no-fund --no-save --loglevel=error \
  jquery@1.9.1 'bxslider@^4' 'playwright-core@~1.60.0' >/dev/null

lib="$dest/site/_lib/js/jquery"
mkdir -p "$lib/jquery/1.9.1" "$lib/bxslider/4.1.2"
cp "$dest/node_modules/jquery/jquery.min.js" "$lib/jquery/1.9.1/"
cp "$dest/node_modules/bxslider/dist/jquery.bxslider.min.js" \
   "$dest/node_modules/bxslider/dist/jquery.bxslider.css" "$lib/bxslider/4.1.2/"
cp -r "$dest/node_modules/bxslider/dist/images" "$lib/bxslider/4.1.2/"
touch "$stamp"
