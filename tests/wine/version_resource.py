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


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


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
        print("version_info wrote nothing")
        print("0 passed, 1 failed")
        return 1
    with open(result, encoding="latin-1") as handle:
        seen = [line.rstrip("\r\n") for line in handle]
    passed = failed = 0
    for line in expected_version_api_lines():
        if line in seen:
            passed += 1
        else:
            failed += 1
            print("FAIL missing: %s" % line)
    print("read back: " + "; ".join(seen))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
