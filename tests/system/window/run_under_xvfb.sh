#!/usr/bin/env bash
# Runs one test program on its own virtual display. Test programs start in
# parallel; a random first display number keeps them from racing for one.
set -euo pipefail
exec xvfb-run -a -n $((100 + RANDOM % 5000)) -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
