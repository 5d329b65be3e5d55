#!/usr/bin/env python3
"""Vantrel.exe run for real under Wine, each case started through the
launcher the way an installer starts it: a working directory, an exact
command line, and standard output redirected to a file or not handed over.

Each case checks the exit code as the full 32-bit value, the exact bytes
written to standard output, and whether the INF was staged in the prefix's
C:\\windows\\inf with its exact bytes."""

import argparse
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
from test_support import windows_path  # noqa: E402
SESSION = os.path.join(HERE, "wine_session.sh")
SAMPLE_INF = "vantrel_sample.inf"

SUCCESS = "0x00000000"
FAILURE = "0xFFFFFFFF"
ILLEGAL = b"Illeagal parameter!!!\r\n"
ANY_LINE = "one of the five lines"
TOO_LONG = b"Pathname is too long!!!\r\n"
NOT_FOUND = b"Error opening search handle!!!\r\n"
STAGING_FAILED = b"Failure in SetupCopyOEMInf function!!!\r\n"


class Case:
    def __init__(self, name, arguments, exit_code, output, staged=False, stdout="file"):
        self.name = name
        self.arguments = arguments      # the command line after the program
        self.exit_code = exit_code
        self.output = output            # bytes expected on standard output
        self.staged = staged
        self.stdout = stdout            # "file", "none", "closed" or "readonly"


CASES = [
    Case("stages_the_sample_inf", SAMPLE_INF, SUCCESS, b"", staged=True),
    Case("no_argument", "", FAILURE, ILLEGAL),
    Case("two_arguments", "vantrel sample.inf", FAILURE, ILLEGAL),
    Case("missing_file", "missing.inf", FAILURE, NOT_FOUND),
    Case("not_an_inf", "readme.txt", FAILURE, STAGING_FAILED),
    Case("over_long_path", "x" * 300 + ".inf", FAILURE, TOO_LONG),
    Case("quoted_name_with_spaces", '"my sample driver.inf"', SUCCESS, b"", staged=True),
    # Started with no standard handles, as from a windowed installer: the
    # failure line is lost, the exit code still tells the outcome.
    Case("no_handles_failure", "", FAILURE, None, stdout="none"),
    Case("no_handles_staged", SAMPLE_INF, SUCCESS, None, staged=True, stdout="none"),
    # Bad input: the longest command line Windows passes on, and lines made
    # only of quotes and backslashes, end with a fixed line, never a crash.
    Case("longest_command_line_one_argument", "LONGEST:x", FAILURE, TOO_LONG),
    Case("longest_command_line_many_arguments", "LONGEST:a ", FAILURE, ILLEGAL),
    Case("only_quotes_and_backslashes", '\\"\\\\"""\\\"\\' * 20, FAILURE, ANY_LINE),
    Case("one_argument_of_quotes_and_backslashes", '"\\\"\"\\\\\""\\', FAILURE, ANY_LINE),
    # A standard output that cannot be written: the exit code still tells.
    Case("closed_output_handle", "", FAILURE, None, stdout="closed"),
    Case("read_only_output_file", "missing.inf", FAILURE, None, stdout="readonly"),
    Case("read_only_output_file_staged", SAMPLE_INF, SUCCESS, None, staged=True, stdout="readonly"),
]

LONGEST_COMMAND_LINE = 32766  # characters, without the terminator
FIVE_LINES = [ILLEGAL, b"Failure getting pathname!!!\r\n", TOO_LONG, NOT_FOUND, STAGING_FAILED]


def prepare_package(work, case):
    """A copy of the sample package per case; the INF carries the case's
    name so that its staged copy can only come from this run."""
    package = os.path.join(work, case.name)
    shutil.rmtree(package, ignore_errors=True)
    os.makedirs(package)
    with open(os.path.join(args.examples, "sample", SAMPLE_INF), "rb") as source:
        inf = source.read()
    marker = ("; case %s %s" % (case.name, args.tag)).rstrip().encode()
    inf = inf.replace(b"[Version]", marker + b"\r\n[Version]", 1)
    inf_name = SAMPLE_INF
    if case.staged and case.arguments.startswith('"'):
        inf_name = case.arguments.strip('"')
    with open(os.path.join(package, inf_name), "wb") as target:
        target.write(inf)
    with open(os.path.join(package, "readme.txt"), "wb") as target:
        target.write(b"This is not an INF file.\r\n")
    return package, inf


def inf_directory_files():
    inf_dir = os.path.join(args.prefix, "drive_c", "windows", "inf")
    files = {}
    for name in os.listdir(inf_dir):
        path = os.path.join(inf_dir, name)
        if os.path.isfile(path):
            with open(path, "rb") as handle:
                files[name] = handle.read()
    return files


def launch(work, case, package):
    request = os.path.join(work, case.name + ".request")
    result = os.path.join(work, case.name + ".result")
    output = os.path.join(work, case.name + ".stdout")
    wine_log = os.path.join(work, case.name + ".wine.log")
    for path in (result, output):
        if os.path.exists(path):
            os.chmod(path, 0o644)
            os.remove(path)
    program = windows_path(args.vantrel)
    command_line = '"' + program + '"'
    if case.arguments.startswith("LONGEST:"):
        filler = case.arguments[len("LONGEST:"):]
        command_line += " "
        while len(command_line) + len(filler) <= LONGEST_COMMAND_LINE:
            command_line += filler
        command_line += "y" * (LONGEST_COMMAND_LINE - len(command_line))
    elif case.arguments:
        command_line += " " + case.arguments
    stdout_target = {"file": windows_path(output), "none": "-", "closed": "closed"}.get(case.stdout)
    if case.stdout == "readonly":
        with open(output, "wb"):
            pass
        os.chmod(output, 0o444)
        stdout_target = "readonly:" + windows_path(output)
    with open(request, "w", encoding="latin-1", newline="\n") as handle:
        handle.write("\n".join([program, command_line, windows_path(package), stdout_target]) + "\n")
    with open(wine_log, "wb") as log:
        subprocess.run(["bash", SESSION, "run", args.prefix, args.launcher,
                        windows_path(request), windows_path(result)],
                       stdin=subprocess.DEVNULL, stdout=log, stderr=log, timeout=300, check=False)
    if not os.path.exists(result):
        raise AssertionError("the launcher reported nothing; see " + wine_log)
    with open(result, encoding="ascii") as handle:
        exit_code = handle.read().strip().replace("exit=", "")
    written = None
    if os.path.exists(output):
        with open(output, "rb") as handle:
            written = handle.read()
    return exit_code, written


def run_case(work, case):
    package, inf = prepare_package(work, case)
    before = inf_directory_files()
    exit_code, written = launch(work, case, package)
    after = inf_directory_files()
    problems = []
    if exit_code != case.exit_code:
        problems.append("exit code %s, expected %s" % (exit_code, case.exit_code))
    if case.output == ANY_LINE:
        if written not in FIVE_LINES:
            problems.append("standard output %r is not one of the five lines" % written)
    elif case.stdout == "file" and written != case.output:
        problems.append("standard output %r, expected %r" % (written, case.output))
    if case.stdout == "readonly" and written != b"":
        problems.append("the read-only file was written: %r" % written)
    new_copies = [name for name, data in after.items() if data == inf and before.get(name) != data]
    if case.staged and not new_copies:
        problems.append("no file with the INF's bytes appeared in C:\\windows\\inf")
    if not case.staged and new_copies:
        problems.append("the INF was staged as %s although the run failed" % new_copies)
    return problems


def main():
    global args
    parser = argparse.ArgumentParser(description=__doc__)
    for option in ("--prefix", "--vantrel", "--launcher", "--examples", "--work"):
        parser.add_argument(option, required=True)
    parser.add_argument("--only", help="run only the cases whose name contains this")
    parser.add_argument("--tag", default="", help="marks this run's INF copies apart from earlier runs'")
    args = parser.parse_args()
    os.makedirs(args.work, exist_ok=True)

    passed = failed = 0
    for case in CASES:
        if args.only and args.only not in case.name:
            continue
        try:
            problems = run_case(args.work, case)
        except (AssertionError, OSError, subprocess.SubprocessError) as error:
            problems = [str(error)]
        if problems:
            failed += 1
            print("FAIL %s: %s" % (case.name, "; ".join(problems)))
        else:
            passed += 1
            print("ok   %s" % case.name)
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
