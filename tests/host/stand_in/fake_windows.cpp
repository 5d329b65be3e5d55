// The stand-in's operations: answer from fakeWindows and record each call.
#include "fake_windows.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "vantrel.h"

FakeWindows fakeWindows;

static char searchHandleTarget;  // its address is the only open handle value

void ResetFakeWindows()
{
    fakeWindows = FakeWindows{};
    fakeWindows.currentDirectory = "C:\\pkg";
}

static bool MatchFrom(const char *pattern, const char *name)
{
    for (; *pattern != '\0'; ++pattern, ++name) {
        if (*pattern == '*') {
            for (const char *rest = name;; ++rest) {
                if (MatchFrom(pattern + 1, rest))
                    return true;
                if (*rest == '\0')
                    return false;
            }
        }
        if (*name == '\0')
            return false;
        if (*pattern != '?' &&
            std::tolower(static_cast<unsigned char>(*pattern)) !=
                std::tolower(static_cast<unsigned char>(*name)))
            return false;
    }
    return *name == '\0';
}

bool MatchesSearchPattern(const std::string &pattern, const std::string &name)
{
    return MatchFrom(pattern.c_str(), name.c_str());
}

DWORD GetCurrentDirectoryA(DWORD nBufferLength, char *lpBuffer)
{
    RecordedCall call;
    call.operation = FakeCall::GetCurrentDirectory;
    call.bufferLength = nBufferLength;
    fakeWindows.calls.push_back(call);

    const std::string &directory = fakeWindows.currentDirectory;
    const DWORD needed = static_cast<DWORD>(directory.size() + 1);
    DWORD result = needed <= nBufferLength ? needed - 1 : needed;
    if (fakeWindows.overrideDirectoryResult)
        result = fakeWindows.directoryResult;
    // Like the platform, text is written only when it fits with its terminator.
    if (needed <= nBufferLength)
        std::memcpy(lpBuffer, directory.c_str(), needed);
    return result;
}

HANDLE FindFirstFileA(const char *lpFileName, WIN32_FIND_DATAA *lpFindFileData)
{
    RecordedCall call;
    call.operation = FakeCall::FindFirstFile;
    call.path = lpFileName;
    const auto &entries = fakeWindows.existingEntries;
    const auto match = std::find_if(entries.begin(), entries.end(), [&](const std::string &entry) {
        return MatchesSearchPattern(call.path, entry);
    });
    HANDLE result = INVALID_HANDLE_VALUE;
    if (match != entries.end()) {
        result = &searchHandleTarget;
        fakeWindows.openSearches.push_back(result);
        std::memset(lpFindFileData, 0, sizeof *lpFindFileData);
        std::strncpy(lpFindFileData->cFileName, match->c_str(), MAX_PATH - 1);
    }
    call.handle = result;
    fakeWindows.calls.push_back(call);
    return result;
}

BOOL FindClose(HANDLE hFindFile)
{
    RecordedCall call;
    call.operation = FakeCall::FindClose;
    call.handle = hFindFile;
    fakeWindows.calls.push_back(call);
    auto &open = fakeWindows.openSearches;
    const auto found = std::find(open.begin(), open.end(), hFindFile);
    if (found == open.end())
        return 0;
    open.erase(found);
    return 1;
}

BOOL SetupCopyOEMInfA(const char *SourceInfFileName, const char *OEMSourceMediaLocation,
                      DWORD OEMSourceMediaType, DWORD CopyStyle,
                      char *DestinationInfFileName, DWORD DestinationInfFileNameSize,
                      DWORD *RequiredSize, char **DestinationInfFileNameComponent)
{
    RecordedCall call;
    call.operation = FakeCall::SetupCopyOEMInf;
    call.path = SourceInfFileName;
    call.mediaLocationIsNull = OEMSourceMediaLocation == nullptr;
    call.mediaType = OEMSourceMediaType;
    call.copyStyle = CopyStyle;
    call.destinationWasZeroed =
        std::all_of(DestinationInfFileName, DestinationInfFileName + DestinationInfFileNameSize,
                    [](char c) { return c == '\0'; });
    call.destinationSize = DestinationInfFileNameSize;
    call.requiredSizeIsNull = RequiredSize == nullptr;
    call.componentIsNull = DestinationInfFileNameComponent == nullptr;
    fakeWindows.calls.push_back(call);
    // Write as the platform does, so an undersized buffer shows up under ASan.
    if (fakeWindows.stagingResult)
        std::strncpy(DestinationInfFileName, "C:\\windows\\inf\\oem0.inf", DestinationInfFileNameSize);
    return fakeWindows.stagingResult;
}

void WriteStandardOutput(const char *text)
{
    fakeWindows.output += text;
}
