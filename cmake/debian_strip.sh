#!/bin/sh
# The install's strip command: as Debian strips, the compiler's notes go too.
exec strip --remove-section=.comment --remove-section=.note "$@"
