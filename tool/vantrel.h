// Vantrel stages a driver package's INF file in the system's INF directory.
// This header joins the tool's three pieces: the entry, which checks the
// command line and reports the outcome; path composition; and staging.
#pragma once

// The Windows operations the logic calls, by their own names. The build puts
// either the real platform or the unit tests' stand-in on the include path.
#include "windows_operations.h"

enum FailureKind {
    NoFailure = 0,
    BadArgumentCount,
    DirectoryUnavailable,
    DirectoryTooLong,
    InfNotFound,
    StagingFailed
};

enum OutcomeCode { OutcomeStaged = 0, OutcomeFailed = -1 };

// Composes current directory + '\' + argument into a static buffer that lives
// for the whole process. On success *composedPath points at it.
FailureKind ComposeInfPath(const char *argument, const char **composedPath);

// Probes for composedPath, then asks the Setup API to copy it into the
// system's INF directory with its own folder recorded as the source location.
FailureKind StageInf(const char *composedPath);

// The tool's entry, reached from the start-up code with the argument vector.
int VantrelMain(int argumentCount, char **argumentVector);

// Provided by the platform: writes text to standard output in text mode.
// A missing or failing standard output is silently ignored.
void WriteStandardOutput(const char *text);
