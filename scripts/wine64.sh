#!/usr/bin/env bash
# Runs a 64-bit Windows program under wine64 with a private prefix:
#   wine64.sh PREFIX PROGRAM [ARGUMENTS...]
# The prefix is created on first use; concurrent callers wait for it.
set -euo pipefail

prefix=$1
shift

export WINEPREFIX=$prefix
export WINEDEBUG=-all
# No prompts to install Mono or Gecko: the tests need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

mkdir -p "$(dirname "$prefix")"
(
    flock 9
    if [[ ! -f $prefix/.ready ]]; then
        /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 </dev/null ||
            { echo "wine64.sh: cannot create the wine prefix $prefix" >&2; exit 1; }
        /usr/lib/wine/wineserver64 --wait
        touch "$prefix/.ready"
    fi
) 9>"$prefix.lock"

exec /usr/lib/wine/wine64 "$@"
