// The tool's entry: one staging run from the command line to the exit code.
// It is the only place that writes output, and it writes at most one line.
#include "vantrel.h"

static const char *FailureMessage(FailureKind kind)
{
    switch (kind) {
    case BadArgumentCount: return "Illeagal parameter!!!\n";
    case DirectoryUnavailable: return "Failure getting pathname!!!\n";
    case DirectoryTooLong: return "Pathname is too long!!!\n";
    case InfNotFound: return "Error opening search handle!!!\n";
    case StagingFailed: return "Failure in SetupCopyOEMInf function!!!\n";
    case NoFailure: break;
    }
    return "";
}

static FailureKind RunStaging(int argumentCount, char **argumentVector)
{
    if (argumentCount != 2)
        return BadArgumentCount;

    const char *composedPath = nullptr;
    FailureKind failure = ComposeInfPath(argumentVector[1], &composedPath);
    if (failure != NoFailure)
        return failure;

    return StageInf(composedPath);
}

int VantrelMain(int argumentCount, char **argumentVector)
{
    FailureKind failure = RunStaging(argumentCount, argumentVector);
    if (failure == NoFailure)
        return OutcomeStaged;

    WriteStandardOutput(FailureMessage(failure));
    return OutcomeFailed;
}
