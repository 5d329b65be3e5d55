// Stand-in for the Windows operations behind standard output, for the
// native tests of the text-mode writer. Scripted through fake_output.h.
#pragma once

#include "windows_operations.h"

#define STD_OUTPUT_HANDLE (static_cast<DWORD>(-11))

HANDLE GetStdHandle(DWORD nStdHandle);
BOOL WriteFile(HANDLE hFile, const void *lpBuffer, DWORD nNumberOfBytesToWrite,
               DWORD *lpNumberOfBytesWritten, void *lpOverlapped);
