#!/bin/sh
# Starts Fiscova from its program folder. The location of the content disc
# is in the registry file installed with the program, which this prefix's
# configuration folder holds (for a /usr install it is /etc/xdg, read anyway).
prefix=$(CDPATH='' cd -- "$(dirname -- "$(readlink -f -- "$0")")/.." && pwd)
XDG_CONFIG_DIRS="$prefix/etc/xdg:${XDG_CONFIG_DIRS:-/etc/xdg}"
export XDG_CONFIG_DIRS
exec "$prefix/lib/fiscova/fiscova" "$@"
