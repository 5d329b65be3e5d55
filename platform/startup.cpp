// Vantrel's own start-up, in place of the C runtime's: it splits the command
// line, runs the tool's entry, flushes standard output and ends the process
// with the entry's result, so the image needs no runtime library at all.
#include <windows.h>

#include "command_line.h"
#include "text_output.h"
#include "vantrel.h"

namespace {

// The longest command line CreateProcess accepts is 32,767 characters; the
// splitter needs at most one byte more and half as many vector entries.
const int LongestCommandLine = 32767;
char argumentStorage[LongestCommandLine + 1];
char *argumentVector[LongestCommandLine / 2 + 2];

bool IsAnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != 0;
}

}  // namespace

// The image's entry point. Windows enters it with a stack aligned only to 4
// bytes, so the alignment GCC expects is restored on the way in.
extern "C" __attribute__((force_align_arg_pointer, noreturn)) void VantrelStartup()
{
    int argumentCount =
        SplitCommandLine(GetCommandLineA(), argumentStorage, sizeof argumentStorage, argumentVector,
                         sizeof argumentVector / sizeof argumentVector[0], IsAnsiLeadByte);
    // A command line longer than any that Windows passes on is refused
    // like any other wrong argument count.
    if (argumentCount < 0)
        argumentCount = 0;
    int outcome = VantrelMain(argumentCount, argumentVector);
    FlushStandardOutput();
    ExitProcess(static_cast<UINT>(outcome));
}
