#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy), cppcheck and the layout of .clang-format
# over tool/ and platform/.
# The logic and the host-buildable platform code are analysed against the
# unit tests' stand-in; the Windows-only start-up against MinGW-w64's headers.
set -euo pipefail
cd "$(dirname "$0")/.."

host_flags=(-std=c++17 -Itool -Iplatform -Itests/host/stand_in)
windows_flags=(-std=c++17 --target=i686-w64-mingw32 -isystem /usr/share/mingw-w64/include
               -Itool -Iplatform -Iplatform/windows -ffreestanding)

echo "== clang-tidy"
clang-tidy --quiet tool/*.cpp platform/command_line.cpp platform/text_output.cpp -- "${host_flags[@]}"
clang-tidy --quiet platform/startup.cpp platform/compiler_support.cpp -- "${windows_flags[@]}"

echo "== cppcheck"
cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance,portability \
    --inline-suppr --suppress=missingIncludeSystem --std=c++17 \
    -Itool -Iplatform -Itests/host/stand_in tool platform/command_line.cpp platform/text_output.cpp
cppcheck --quiet --error-exitcode=1 --enable=warning,style,performance,portability \
    --inline-suppr --suppress=missingIncludeSystem --std=c++17 --platform=win32A \
    -Itool -Iplatform -Iplatform/windows platform/startup.cpp platform/compiler_support.cpp
echo "== clang-format"
clang-format --style=file --dry-run --Werror tool/*.cpp tool/*.h platform/*.cpp platform/*.h platform/windows/*.h
echo "1 passed, 0 failed"
