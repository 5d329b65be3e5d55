#!/usr/bin/env python3
"""Vantrel.exe's version resource, read back under Wine through the
platform's own version API (GetFileVersionInfoA, VerQueryValueA) by the
version_info test program, compared with what the file must carry."""

import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
from expected_image import expected_version_api_lines  # noqa: E402
from test_support import report, windows_path  # noqa: E402


def main():
    prefix, reader, vantrel, work = sys.argv[1:5]
    os.makedirs(work, exist_ok=True)
    result = os.path.join(work, "version_info.result")
    if os.path.exists(result):
        os.remove(result)
    with open(os.path.join(work, "version_info.wine.log"), "wb") as log:
        subprocess.run(["bash", os.path.join(HERE, "wine_session.sh"), "run", prefix, reader,
                        windows_path(vantrel), windows_path(result)],
                       stdin=subprocess.DEVNULL, stdout=log, stderr=log, timeout=300, check=False)
    if not os.path.exists(result):
        return report([("version_info read the resource", False)])
    with open(result, encoding="latin-1") as handle:
        seen = [line.rstrip("\r\n") for line in handle]
    return report([(line, line in seen) for line in expected_version_api_lines()])


if __name__ == "__main__":
    sys.exit(main())
