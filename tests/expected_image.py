"""What the Vantrel.exe image and its version resource must carry, shared by
the PE check and the version-API check under Wine."""

VERSION = "1.0.0.1"
VERSION_TEXT = "1,0,0,1"

# The string table "040904b0", in this order; empty values are present.
STRINGS = [
    ("Comments", ""),
    ("CompanyName", "The Vantrel developers"),
    ("FileDescription", "Vantrel Program for Windows 2000/XP Driver"),
    ("FileVersion", VERSION_TEXT),
    ("InternalName", "Vantrel.exe"),
    ("LegalCopyright", "Copyright (C) 2026 The Vantrel developers. MIT License."),
    ("LegalTrademarks", ""),
    ("OriginalFilename", "Vantrel.exe"),
    ("PrivateBuild", ""),
    ("ProductName", "Vantrel"),
    ("ProductVersion", VERSION_TEXT),
    ("SpecialBuild", ""),
]

FIXED = {
    "Signature": "0xFEEF04BD",
    "FileVersion": VERSION,
    "ProductVersion": VERSION,
    "FileFlagsMask": "0x3F",
    "FileFlags": "0x0",
    "FileOS": "0x40004",
    "FileType": "1",
    "FileSubtype": "0",
    "FileDate": "0.0",
}


def expected_version_api_lines():
    lines = ["%s=%s" % item for item in FIXED.items()]
    lines.append("Translation=0x0409,0x04B0")
    lines += ["String.%s=%s" % item for item in STRINGS]
    return lines
