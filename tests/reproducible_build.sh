#!/usr/bin/env bash
# Two clean builds of Vantrel.exe, from two copies of the sources in two
# different folders, must give the same bytes as each other and as BUILT.
#   reproducible_build.sh SOURCE_DIR BUILT_EXE
set -euo pipefail
source_dir=$1
built=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for copy in first second-copy; do
    mkdir -p "$scratch/$copy/src"
    # The committed sources plus any local edits, without any build tree.
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do [ -f "$file" ] && printf '%s\0' "$file"; done |
        xargs -0 cp --parents -t "$scratch/$copy/src")
    cmake -S "$scratch/$copy/src" -B "$scratch/$copy/out-$copy" \
        -DCMAKE_TOOLCHAIN_FILE="$scratch/$copy/src/cmake/mingw-w64-i686.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
    cmake --build "$scratch/$copy/out-$copy" --target Vantrel -j 2 >/dev/null
done

a=$scratch/first/out-first/Vantrel.exe
b=$scratch/second-copy/out-second-copy/Vantrel.exe
sha256sum "$a" "$b" "$built"
cmp "$a" "$b" && cmp "$a" "$built"
echo "1 passed, 0 failed"
