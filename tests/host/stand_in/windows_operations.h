// Stand-in for the Windows operations that the tool's logic calls, for the
// native unit tests. Only what the logic uses is declared, with the same
// names and argument order as the platform's; the behaviour is scripted by
// the tests through fake_windows.h.
#pragma once

#include <cstdint>

typedef unsigned long DWORD;
typedef int BOOL;
typedef void *HANDLE;

#define MAX_PATH 260
#define SPOST_PATH 1
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1)))

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    char cFileName[MAX_PATH];
};

DWORD GetCurrentDirectoryA(DWORD nBufferLength, char *lpBuffer);
HANDLE FindFirstFileA(const char *lpFileName, WIN32_FIND_DATAA *lpFindFileData);
BOOL FindClose(HANDLE hFindFile);
BOOL SetupCopyOEMInfA(const char *SourceInfFileName, const char *OEMSourceMediaLocation,
                      DWORD OEMSourceMediaType, DWORD CopyStyle,
                      char *DestinationInfFileName, DWORD DestinationInfFileNameSize,
                      DWORD *RequiredSize, char **DestinationInfFileNameComponent);
