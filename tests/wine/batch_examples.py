#!/usr/bin/env python3
"""The README's batch-file example run under Wine's cmd: it stages the
sample package and reports a failure; and the errorlevel pitfall it warns
about, shown on a failing run of Vantrel.exe."""

import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
from test_support import report, windows_path  # noqa: E402


def run_cmd(prefix, work, name, *arguments):
    log = os.path.join(work, name + ".out")
    with open(log, "wb") as out:
        status = subprocess.run(["bash", os.path.join(HERE, "wine_session.sh"), "run", prefix, "cmd", "/c",
                                 *arguments], stdin=subprocess.DEVNULL, stdout=out, stderr=subprocess.DEVNULL,
                                timeout=300, check=False).returncode
    with open(log, "rb") as out:
        return status, out.read().decode("latin-1").replace("\r\n", "\n")


def main():
    prefix, vantrel, source, work = sys.argv[1:5]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(os.path.join(work, "driver"))
    shutil.copy(vantrel, work)
    shutil.copy(os.path.join(source, "examples", "installers", "stage_driver.cmd"), work)
    inf = os.path.join(work, "driver", "vantrel_sample.inf")
    with open(os.path.join(source, "examples", "sample", "vantrel_sample.inf"), "rb") as handle:
        sample = handle.read()
    with open(inf, "wb") as handle:
        handle.write(sample.replace(b"[Version]", b"; staged by the batch example\r\n[Version]", 1))
    script = windows_path(os.path.join(work, "stage_driver.cmd"))

    checks = []
    status, output = run_cmd(prefix, work, "staged", script)
    checks.append(("stage_driver.cmd stages the package", status == 0 and output == "Driver package staged.\n"))
    with open(inf, "wb") as handle:
        handle.write(b"This is not an INF file.\r\n")
    status, output = run_cmd(prefix, work, "refused", script)
    checks.append(("stage_driver.cmd reports a failure", status == 1 and output ==
                   "Vantrel.exe failed with exit code -1:\nFailure in SetupCopyOEMInf function!!!\n"))
    shutil.copy(os.path.join(HERE, "errorlevel_pitfall.cmd"), work)
    status, output = run_cmd(prefix, work, "pitfall", windows_path(os.path.join(work, "errorlevel_pitfall.cmd")),
                             windows_path(os.path.join(work, "Vantrel.exe")))
    checks.append(("'if errorlevel 1' misses -1, comparing with 0 catches it",
                   output == "if-errorlevel-1: missed\ncompare-with-0: caught\n"))
    return report(checks)


if __name__ == "__main__":
    sys.exit(main())
