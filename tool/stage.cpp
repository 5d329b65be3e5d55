// INF staging: a file search confirms that the composed path names something,
// then the Setup API copies the INF into the system's INF directory.
#include "vantrel.h"

// The Setup API writes the stored name here; the tool never reads it.
static const DWORD DestinationNameSize = 256;

FailureKind StageInf(const char *composedPath)
{
    WIN32_FIND_DATAA findRecord;
    HANDLE search = FindFirstFileA(composedPath, &findRecord);
    if (search == INVALID_HANDLE_VALUE)
        return InfNotFound;

    // A null source location makes the Setup API record the folder that the
    // INF is copied from, so Windows later finds the package's files there.
    char destinationName[DestinationNameSize] = {};
    BOOL staged = SetupCopyOEMInfA(composedPath, nullptr, SPOST_PATH, 0, destinationName, DestinationNameSize,
                                   nullptr, nullptr);
    FindClose(search);
    return staged != 0 ? NoFailure : StagingFailed;
}
