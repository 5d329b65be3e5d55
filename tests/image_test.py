#!/usr/bin/env python3
"""The Vantrel.exe image as Windows sees it, read with pefile: the header's
values, the import table and the version resource."""

import os
import sys

import pefile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from expected_image import FIXED, STRINGS, VERSION  # noqa: E402
from test_support import report  # noqa: E402

KB = 1024


def version_numbers(ms, ls):
    return "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)


def checks(path):
    pe = pefile.PE(path)
    header, optional = pe.FILE_HEADER, pe.OPTIONAL_HEADER
    yield "32-bit x86", header.Machine == 0x14C and optional.Magic == 0x10B
    yield "windowed subsystem", optional.Subsystem == 2
    yield "operating system 5.1", (optional.MajorOperatingSystemVersion, optional.MinorOperatingSystemVersion) == (5, 1)
    yield "subsystem 4.0", (optional.MajorSubsystemVersion, optional.MinorSubsystemVersion) == (4, 0)
    yield "stack 262144 / 4096", (optional.SizeOfStackReserve, optional.SizeOfStackCommit) == (262144, 4096)
    yield "heap 1048576 / 4096", (optional.SizeOfHeapReserve, optional.SizeOfHeapCommit) == (1048576, 4096)
    yield "no time stamp", header.TimeDateStamp == 0
    yield "no debug directory", not hasattr(pe, "DIRECTORY_ENTRY_DEBUG")
    yield "a few KiB", os.path.getsize(path) <= 8 * KB

    imports = {entry.dll.decode().upper(): [i.name.decode() for i in entry.imports]
               for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", [])}
    yield "imports only KERNEL32.dll and SETUPAPI.dll", sorted(imports) == ["KERNEL32.DLL", "SETUPAPI.DLL"]
    yield "of SETUPAPI.dll only SetupCopyOEMInfA", imports.get("SETUPAPI.DLL") == ["SetupCopyOEMInfA"]
    names = [name for functions in imports.values() for name in functions]
    yield "no wide-character entry points", not any(name.endswith("W") for name in names)
    yield "no import by ordinal", all(name for name in names)

    infos = getattr(pe, "VS_VERSIONINFO", [])
    resources = pe.DIRECTORY_ENTRY_RESOURCE.entries if hasattr(pe, "DIRECTORY_ENTRY_RESOURCE") else []
    version_resources = [entry for entry in resources if entry.id == pefile.RESOURCE_TYPE["RT_VERSION"]]
    yield "one VS_VERSION_INFO block", (len(infos) == 1 and infos[0].Key == b"VS_VERSION_INFO"
                                        and len(version_resources) == 1
                                        and len(version_resources[0].directory.entries) == 1)
    fixed = pe.VS_FIXEDFILEINFO[0] if getattr(pe, "VS_FIXEDFILEINFO", None) else None
    yield "fixed part present", fixed is not None
    if fixed is None:
        return
    yield "file version " + VERSION, version_numbers(fixed.FileVersionMS, fixed.FileVersionLS) == FIXED["FileVersion"]
    yield "product version " + VERSION, \
        version_numbers(fixed.ProductVersionMS, fixed.ProductVersionLS) == FIXED["ProductVersion"]
    yield "flags mask 0x3F, flags 0", (fixed.FileFlagsMask, fixed.FileFlags) == (0x3F, 0)
    yield "VOS_NT_WINDOWS32", fixed.FileOS == 0x40004
    yield "VFT_APP, VFT2_UNKNOWN", (fixed.FileType, fixed.FileSubtype) == (1, 0)
    yield "file date 0", (fixed.FileDateMS, fixed.FileDateLS) == (0, 0)

    string_tables, translations = [], []
    for file_info in pe.FileInfo[0]:
        if file_info.Key == b"StringFileInfo":
            string_tables += file_info.StringTable
        elif file_info.Key == b"VarFileInfo":
            translations += [var.entry.get(b"Translation") for var in file_info.Var]
    yield "one string table 040904b0", [t.LangID for t in string_tables] == [b"040904b0"]
    if string_tables:
        entries = [(k.decode(), v.decode()) for k, v in string_tables[0].entries.items()]
        yield "twelve strings in order with their values", entries == STRINGS
    yield "translation 0x0409, 0x04B0", translations == ["0x0409 0x04b0"]


def main():
    return report([(name, bool(ok)) for name, ok in checks(sys.argv[1])])


if __name__ == "__main__":
    sys.exit(main())
