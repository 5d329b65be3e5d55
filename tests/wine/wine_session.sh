#!/usr/bin/env bash
# One Wine session for a test run: a fresh 32-bit prefix, booted once, and a
# Wine server that persists until "stop", so each run costs well under a
# second instead of a prefix start-up.
#   wine_session.sh start PREFIX | stop PREFIX | run PREFIX PROGRAM [ARGS...]
#   wine_session.sh check PREFIX RESULT PROGRAM [ARGS...]
#     runs a Windows test program that writes its findings to RESULT (given
#     as its last argument), shows them, and passes on its exit status.
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
check)
    result=$1
    shift
    rm -f "$result"
    mkdir -p "$(dirname "$result")"
    status=0
    wine "$@" "Z:$(echo "$result" | tr / '\\')" </dev/null >"$result.wine.log" 2>&1 || status=$?
    [ -f "$result" ] || { echo "no result from $1; see $result.wine.log"; exit 1; }
    cat "$result"
    if [ "$status" -eq 0 ]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
    exit "$status"
    ;;
*)
    echo "wine_session: unknown action $action" >&2
    exit 2
    ;;
esac
