#!/usr/bin/env bash
# Measures what a run of Vantrel.exe costs under Wine, with one warm Wine
# server: a staging run against a program that only calls SetupCopyOEMInfA
# (the floor for this job), a failing run against a program that only calls
# ExitProcess, each over RUNS runs (default 50) interleaved; and the image
# size against the same logic on MinGW-w64's C runtime.
#   bench/run.sh [RUNS]
# A measurement, not a test: nothing here fails on a figure.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$PWD
runs=${1:-50}

bash scripts/ensure-machine.sh >/dev/null
cmake --preset windows >/dev/null
cmake --build --preset windows -j 2 --target Vantrel >/dev/null

winpath() { echo "Z:$1" | tr / '\\'; }
work=$top/build/bench-work
rm -rf "$work" && mkdir -p "$work"
cp examples/sample/vantrel_sample.inf "$work/"

cmake -S bench -B build/bench -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-w64-i686.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBENCH_INF_PATH="$(winpath "$work/vantrel_sample.inf" | sed 's/\\/\\\\/g')" >/dev/null
cmake --build build/bench -j 2 >/dev/null

prefix=$top/build/bench-prefix
session="bash $top/tests/wine/wine_session.sh"
$session start "$prefix" >/dev/null
trap '$session stop "$prefix"' EXIT

vantrel=$(winpath "$top/build/windows/Vantrel.exe")
floor=$(winpath "$top/build/bench/floor.exe")
exit_only=$(winpath "$top/build/bench/exit_only.exe")
dir=$(winpath "$work")
printf '%s\n' "$runs" \
    "Vantrel.exe staging" "$vantrel" "\"$vantrel\" vantrel_sample.inf" "$dir" \
    "SetupCopyOEMInfA only" "$floor" "\"$floor\"" "$dir" > "$work/staging.request"
printf '%s\n' "$runs" \
    "Vantrel.exe, no argument" "$vantrel" "\"$vantrel\"" "$dir" \
    "ExitProcess only" "$exit_only" "\"$exit_only\"" "$dir" > "$work/failing.request"

timer=$top/build/bench/timer.exe
# One untimed round first, so every program's files are in the page cache.
printf '%s\n' 1 "warm" "$vantrel" "\"$vantrel\" vantrel_sample.inf" "$dir" "warm" "$floor" "\"$floor\"" "$dir" \
    > "$work/warm.request"
for name in warm staging failing; do
    $session run "$prefix" "$timer" "$(winpath "$work/$name.request")" "$(winpath "$work/$name.result")" \
        > "$work/$name.log" 2>&1
done

echo "Date: $(date -u +%Y-%m-%d)"
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(wine --version)"
if ! /usr/lib/wine/wine --version >/dev/null 2>&1 || grep -qs qemu /proc/sys/fs/binfmt_misc/qemu-i386; then
    echo "32-bit code runs under: $(qemu-i386 --version | head -1) user-mode emulation"
fi
tr -d '\r' < "$work/staging.result"
tr -d '\r' < "$work/failing.result"
own=$(stat -c %s build/windows/Vantrel.exe)
crt=$(stat -c %s build/bench/vantrel_crt.exe)
echo "Image size: Vantrel.exe $own bytes; with MinGW-w64's C runtime $crt bytes (ratio $(awk "BEGIN{printf \"%.1f\", $crt/$own}"))"
