// The stand-in's state: plain data that each test scripts and then reads
// back. ResetFakeWindows() gives a machine with current directory C:\pkg,
// no files, a staging call that succeeds, and empty call and output records.
#pragma once

#include <string>
#include <vector>

#include "windows_operations.h"

enum class FakeCall { GetCurrentDirectory, FindFirstFile, FindClose, SetupCopyOEMInf };

struct RecordedCall {
    FakeCall operation = FakeCall::GetCurrentDirectory;
    std::string path;          // the path or pattern passed, where there is one
    HANDLE handle = nullptr;   // FindFirstFileA's result, or FindClose's argument
    DWORD bufferLength = 0;    // GetCurrentDirectoryA's length
    // SetupCopyOEMInfA's remaining arguments, as received.
    bool mediaLocationIsNull = false;
    DWORD mediaType = 0;
    DWORD copyStyle = 0;
    bool destinationWasZeroed = false;
    DWORD destinationSize = 0;
    bool requiredSizeIsNull = false;
    bool componentIsNull = false;
};

struct FakeWindows {
    std::string currentDirectory;
    // When set, GetCurrentDirectoryA returns this instead of what the real
    // platform would return for currentDirectory.
    bool overrideDirectoryResult = false;
    DWORD directoryResult = 0;
    // Files and directories that exist, as full paths.
    std::vector<std::string> existingEntries;
    // When set, every file search finds something, whatever its pattern.
    bool everythingExists = false;
    BOOL stagingResult = 1;

    std::vector<RecordedCall> calls;
    std::string output;
    std::vector<HANDLE> openSearches;
};

extern FakeWindows fakeWindows;

void ResetFakeWindows();

// How a file search matches a name: '*' and '?' as wildcards, letters
// without regard to case.
bool MatchesSearchPattern(const std::string &pattern, const std::string &name);
