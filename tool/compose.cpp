// INF path composition: the current directory, one backslash, the argument.
// The argument is always relative to the current directory and is passed on
// exactly as received; a path that does not fit the buffer is refused whole,
// never truncated, since a shortened path could name a different file.
#include "vantrel.h"

static char directoryBuffer[MAX_PATH];
static char pathBuffer[MAX_PATH];

// Counts characters up to the terminator, but never looks past limit: the
// argument's length is bounded only by the command line.
static DWORD BoundedLength(const char *text, DWORD limit)
{
    DWORD length = 0;
    while (length < limit && text[length] != '\0')
        ++length;
    return length;
}

static void CopyText(char *destination, const char *source, DWORD length)
{
    for (DWORD i = 0; i < length; ++i)
        destination[i] = source[i];
}

FailureKind ComposeInfPath(const char *argument, const char **composedPath)
{
    DWORD result = GetCurrentDirectoryA(MAX_PATH, directoryBuffer);
    if (result == 0)
        return DirectoryUnavailable;
    // Too small a buffer yields the size needed including the terminator,
    // so 260 itself is not an overflow; a success is at most 259.
    if (result > MAX_PATH)
        return DirectoryTooLong;

    // Directory, separator, argument and terminator must all fit.
    const DWORD directoryLength = BoundedLength(directoryBuffer, MAX_PATH);
    if (directoryLength + 2 > MAX_PATH)
        return DirectoryTooLong;
    const DWORD longestArgument = MAX_PATH - 2 - directoryLength;
    const DWORD argumentLength = BoundedLength(argument, longestArgument + 1);
    if (argumentLength > longestArgument)
        return DirectoryTooLong;

    CopyText(pathBuffer, directoryBuffer, directoryLength);
    pathBuffer[directoryLength] = '\\';
    CopyText(pathBuffer + directoryLength + 1, argument, argumentLength);
    pathBuffer[directoryLength + 1 + argumentLength] = '\0';

    *composedPath = pathBuffer;
    return NoFailure;
}
