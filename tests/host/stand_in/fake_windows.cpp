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

static bool SameLetter(char a, char b)
{
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// Greedy matching with one backtrack point: linear in practice, so a
// pattern full of '*' cannot stall a test or the fuzzer.
bool MatchesSearchPattern(const std::string &pattern, const std::string &name)
{
    size_t p = 0, n = 0, star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || SameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
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
    if (match != entries.end() || fakeWindows.everythingExists) {
        result = &searchHandleTarget;
        fakeWindows.openSearches.push_back(result);
        std::memset(lpFindFileData, 0, sizeof *lpFindFileData);
        if (match != entries.end())
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
