#!/usr/bin/env python3
"""The release package as a user downloads it: built by the package target,
unpacked, its contents and checksums checked, and the packaged Vantrel.exe
run under Wine on the sample package."""

import argparse
import hashlib
import os
import shutil
import subprocess
import sys
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from test_support import report  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
EXPECTED = ["LICENSE", "README.md", "SHA256SUMS", "Vantrel.exe"]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    for option in ("--build", "--source", "--version", "--prefix", "--launcher", "--work"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()

    with open(os.path.join(args.work + ".build.log"), "wb") as log:
        subprocess.run(["cmake", "--build", args.build, "--target", "package"], stdout=log, stderr=log,
                       stdin=subprocess.DEVNULL, check=True)
    package = os.path.join(args.build, "Vantrel-%s-win32.zip" % args.version)
    shutil.rmtree(args.work, ignore_errors=True)
    unpacked = os.path.join(args.work, "unpacked")
    with zipfile.ZipFile(package) as archive:
        names = sorted(archive.namelist())
        archive.extractall(unpacked)

    def read(*parts):
        with open(os.path.join(*parts), "rb") as handle:
            return handle.read()

    checks = [
        ("holds exactly " + ", ".join(EXPECTED), names == EXPECTED),
        ("Vantrel.exe is the built one", read(unpacked, "Vantrel.exe") == read(args.build, "Vantrel.exe")),
        ("README and LICENSE are the project's",
         read(unpacked, "README.md") == read(args.source, "README.md")
         and read(unpacked, "LICENSE") == read(args.source, "LICENSE")),
    ]
    sums = {}
    for line in read(unpacked, "SHA256SUMS").decode().splitlines():
        digest, name = line.split("  ", 1)
        sums[name] = digest
    checks.append(("SHA256SUMS matches every other file",
                   sorted(sums) == [n for n in EXPECTED if n != "SHA256SUMS"]
                   and all(hashlib.sha256(read(unpacked, n)).hexdigest() == d for n, d in sums.items())))
    run = subprocess.run([sys.executable, os.path.join(HERE, "wine", "vantrel_runs.py"),
                          "--prefix", args.prefix, "--vantrel", os.path.join(unpacked, "Vantrel.exe"),
                          "--launcher", args.launcher, "--examples", os.path.join(args.source, "examples"),
                          "--work", os.path.join(args.work, "runs"), "--only", "stages_the_sample_inf",
                          "--tag", "packaged"],
                         stdin=subprocess.DEVNULL, capture_output=True, text=True, check=False)
    print(run.stdout, end="")
    checks.append(("the packaged Vantrel.exe stages the sample INF under Wine", run.returncode == 0))

    return report(checks)


if __name__ == "__main__":
    sys.exit(main())
