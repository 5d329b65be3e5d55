// The floor for a failing run: a program that only calls ExitProcess.
#include <windows.h>

extern "C" __attribute__((force_align_arg_pointer, noreturn)) void ExitOnlyStartup()
{
    ExitProcess(static_cast<UINT>(-1));
}
