#!/usr/bin/env bash
# What the build cannot see of the layers (each layer's library sees only the
# headers of those it links, so an include that points up does not compile):
# fails when code below the front ends writes to the standard streams, when
# the command line includes a GUI toolkit header or, given the built wx_pub,
# when that program loads one.
#
#   tools/check_layers.sh [PROGRAM]
set -euo pipefail
program="${1:+$(realpath -- "$1")}"
cd "$(dirname "$0")/../src"

status=0
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
