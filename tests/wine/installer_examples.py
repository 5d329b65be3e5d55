#!/usr/bin/env python3
"""The README's installer examples run under Wine: the batch file under
Wine's cmd (it stages the sample package and reports a failure), the
errorlevel pitfall it warns about, and the NSIS script built with makensis
and run as a silent installer, staging and refusing."""

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


def run_nsis(prefix, work, source, name, inf_text):
    """Builds the NSIS example for a package holding inf_text and runs the
    installer silently; returns its exit code and whether the INF reached
    the prefix's C:\\windows\\inf."""
    package = os.path.join(work, "nsis-" + name)
    os.makedirs(os.path.join(package, "driver"))
    shutil.copy(os.path.join(work, "Vantrel.exe"), package)
    shutil.copy(os.path.join(source, "examples", "installers", "nsis.nsi"), package)
    with open(os.path.join(package, "driver", "vantrel_sample.inf"), "wb") as handle:
        handle.write(inf_text)
    with open(os.path.join(package, "makensis.log"), "wb") as log:
        subprocess.run(["makensis", "-V2", "-DPACKAGE_DIR=" + package, "nsis.nsi"], cwd=package,
                       stdin=subprocess.DEVNULL, stdout=log, stderr=log, check=True)
    with open(os.path.join(package, "setup.log"), "wb") as log:
        status = subprocess.run(["bash", os.path.join(HERE, "wine_session.sh"), "run", prefix,
                                 os.path.join(package, "stage_driver_setup.exe"), "/S",
                                 "/D=" + windows_path(os.path.join(package, "installed"))],
                                stdin=subprocess.DEVNULL, stdout=log, stderr=log, timeout=300,
                                check=False).returncode
    inf_dir = os.path.join(prefix, "drive_c", "windows", "inf")
    staged = False
    for entry in os.listdir(inf_dir):
        with open(os.path.join(inf_dir, entry), "rb") as handle:
            staged = staged or handle.read() == inf_text
    return status, staged


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
    status, staged = run_nsis(prefix, work, source, "staged",
                              sample.replace(b"[Version]", b"; staged by the NSIS example\r\n[Version]", 1))
    checks.append(("the NSIS installer stages the package", status == 0 and staged))
    status, staged = run_nsis(prefix, work, source, "refused", b"This is not an INF file either.\r\n")
    checks.append(("the NSIS installer stops on Vantrel.exe's -1", status == 2 and not staged))
    return report(checks)


if __name__ == "__main__":
    sys.exit(main())
