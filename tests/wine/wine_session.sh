#!/usr/bin/env bash
# One Wine session for a test run: a fresh 32-bit prefix, booted once, and a
# Wine server that persists until "stop", so each run costs well under a
# second instead of a prefix start-up.
#   wine_session.sh start PREFIX | stop PREFIX | run PREFIX PROGRAM [ARGS...]
# Wine's output goes to files: its service processes inherit descriptors and
# can hold a pipe open long after the program has ended.
set -euo pipefail

action=${1:?usage: wine_session.sh start|stop|run PREFIX ...}
prefix=${2:?prefix directory missing}
shift 2

export WINEPREFIX=$prefix
export WINEARCH=win32
export WINEDEBUG=-all
# No Mono or Gecko install is attempted.
export WINEDLLOVERRIDES="mscoree,mshtml="

case $action in
start)
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$prefix"
    mkdir -p "$prefix"
    log="$prefix.boot.log"
    wineserver -p >"$log" 2>&1 </dev/null
    if ! wineboot -i >>"$log" 2>&1 </dev/null; then
        echo "wine_session: the prefix did not boot; see $log" >&2
        exit 1
    fi
    [ -d "$prefix/drive_c/windows/inf" ] || { echo "wine_session: no C:\\windows\\inf in $prefix" >&2; exit 1; }
    echo "wine_session: prefix $prefix booted"
    ;;
stop)
    wineserver -k >/dev/null 2>&1 || true
    ;;
run)
    exec wine "$@" </dev/null
    ;;
*)
    echo "wine_session: unknown action $action" >&2
    exit 2
    ;;
esac
