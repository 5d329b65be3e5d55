// The standard-output stand-in: answers from fakeOutput and records writes.
#include "fake_output.h"

#include <algorithm>

FakeOutput fakeOutput;

static char outputHandleTarget;

HANDLE FakeOutputHandle()
{
    return &outputHandleTarget;
}

void ResetFakeOutput()
{
    fakeOutput = FakeOutput{};
    fakeOutput.standardOutput = FakeOutputHandle();
}

HANDLE GetStdHandle(DWORD nStdHandle)
{
    return nStdHandle == STD_OUTPUT_HANDLE ? fakeOutput.standardOutput : nullptr;
}

BOOL WriteFile(HANDLE hFile, const void *lpBuffer, DWORD nNumberOfBytesToWrite,
               DWORD *lpNumberOfBytesWritten, void *lpOverlapped)
{
    const char *bytes = static_cast<const char *>(lpBuffer);
    fakeOutput.writes.emplace_back(bytes, nNumberOfBytesToWrite);
    *lpNumberOfBytesWritten = 0;
    if (hFile != FakeOutputHandle() || lpOverlapped != nullptr || fakeOutput.writesFail)
        return 0;
    const DWORD accepted = std::min(nNumberOfBytesToWrite, fakeOutput.largestWrite);
    fakeOutput.written.append(bytes, accepted);
    *lpNumberOfBytesWritten = accepted;
    return 1;
}
