"""Small helpers shared by the Python test drivers."""

import os


def windows_path(path):
    """The path as Wine's programs see it: Wine maps the Unix root to Z:."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def report(checks):
    """Prints each (name, passed) check and the closing count line; returns
    the exit status for the whole list."""
    failed = 0
    for name, ok in checks:
        print("%s %s" % ("ok  " if ok else "FAIL", name))
        failed += not ok
    print("%d passed, %d failed" % (len(checks) - failed, failed))
    return 1 if failed or not checks else 0
