#!/usr/bin/env bash
# Fails when an include in src/ points to a higher layer, or from one front
# end into the other, or when code below the front ends writes to the
# standard streams. Layers, lowest first: platform, net, html,
# publish, update, then the front ends app and cli; src/main.cpp and
# src/window_main.cpp stand above them all. A folder missing from the table
# counts as the highest. Also fails when the command line includes a GUI
# toolkit header or, given the built wx_pub, when that program loads one.
#
#   tools/check_layers.sh [PROGRAM]
set -euo pipefail
program="${1:+$(realpath -- "$1")}"
cd "$(dirname "$0")/../src"

rank() {
  case "$1" in
    platform) echo 0 ;;
    net) echo 1 ;;
    html) echo 2 ;;
    publish) echo 3 ;;
    update) echo 4 ;;
    app | cli) echo 5 ;;
    *) echo 9 ;;
  esac
}

status=0
while IFS=: read -r file _ line; do
  [[ $file == */* ]] || continue   # main.cpp may reach every layer
  target=$(sed -n 's/^#include "\([^"]*\)".*/\1/p' <<<"$line")
  from=${file%%/*}
  to=${target%%/*}
  [[ $from == "$to" ]] && continue
  if (($(rank "$to") >= $(rank "$from"))); then
    echo "$file: includes $target, but $to is not below $from"
    status=1
  fi
done < <(grep -rn '^#include "' -- *)

# Only the front ends and main() speak to a person.
if grep -rn 'std::cout\|std::cerr' -- * | grep -v '^app/\|^cli/\|^main\.cpp'; then
  status=1
fi

# wx_pub starts without a display and loads no toolkit it does not use.
if grep -rn '^#include <wx/' -- cli main.cpp; then
  status=1
fi
if [[ -n $program ]]; then
  libraries="$(ldd "$program")" || status=1
  if grep 'libwx_\|libgtk' <<<"$libraries"; then
    echo "$program loads the GUI toolkit"
    status=1
  fi
fi
exit $status
