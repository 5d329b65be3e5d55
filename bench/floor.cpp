// The floor for a staging run: a program that only calls SetupCopyOEMInfA
// with a fixed absolute path (BENCH_INF_PATH, given by the build) and exits.
#include <windows.h>
#include <setupapi.h>

extern "C" __attribute__((force_align_arg_pointer, noreturn)) void FloorStartup()
{
    char destination[256];
    destination[0] = '\0';
    const BOOL staged =
        SetupCopyOEMInfA(BENCH_INF_PATH, nullptr, SPOST_PATH, 0, destination, sizeof destination, nullptr, nullptr);
    ExitProcess(staged != 0 ? 0 : static_cast<UINT>(-1));
}
