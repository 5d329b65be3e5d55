// Start-up and standard output through MinGW-w64's C runtime: the runtime
// splits the command line and hands the tool's exit code to Windows.
#include <cstdio>

#include "vantrel.h"

void WriteStandardOutput(const char *text)
{
    std::fputs(text, stdout);
}

int main(int argc, char **argv)
{
    int outcome = VantrelMain(argc, argv);
    std::fflush(stdout);
    return outcome;
}
