# The settings of the Vantrel.exe image, in one place.
#
# - 32-bit x86, windowed subsystem (no console window opens), operating
#   system 5.1 (XP) and subsystem 4.0 in the header, so Windows 2000 loads it.
# - Stack 256 KiB reserved, 4 KiB committed; heap 1 MiB reserved, 4 KiB
#   committed.
# - No C runtime and no start files: the entry point is our own start-up,
#   and the image imports only KERNEL32.dll and SETUPAPI.dll.
# - No time stamp and no symbols, so two builds give the same bytes.
# - No exceptions, RTTI or unwind tables: nothing in the tool uses them.
set(VANTREL_COMPILE_OPTIONS
    -Os
    -fno-exceptions
    -fno-rtti
    -fno-asynchronous-unwind-tables
    -fno-unwind-tables
    -fno-stack-protector
    -fno-ident)

set(VANTREL_LINK_OPTIONS
    -nostdlib
    -nostartfiles
    -s
    -Wl,--entry,_VantrelStartup
    -Wl,--subsystem,windows:4.0
    -Wl,--major-os-version,5
    -Wl,--minor-os-version,1
    "SHELL:-Xlinker --stack -Xlinker 262144,4096"
    "SHELL:-Xlinker --heap -Xlinker 1048576,4096"
    -Wl,--no-insert-timestamp
    -Wl,--build-id=none)

set(VANTREL_LINK_LIBRARIES kernel32 setupapi)
