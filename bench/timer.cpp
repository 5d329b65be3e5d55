// Times programs from CreateProcessA to process exit with
// QueryPerformanceCounter, interleaving them run by run.
// Usage: timer REQUEST RESULT. REQUEST: the number of runs, then four lines
// per program: a label, its path, its exact command line, its working
// directory. RESULT: each label's median in milliseconds, and the ratio of
// the first median to the second.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    FILE *request = std::fopen(argv[1], "r");
    if (request == nullptr)
        return 2;
    std::vector<std::vector<char>> lines;
    char line[4096];
    while (std::fgets(line, sizeof line, request) != nullptr) {
        line[std::strcspn(line, "\r\n")] = '\0';
        lines.emplace_back(line, line + std::strlen(line) + 1);
    }
    std::fclose(request);
    if (lines.size() < 5 || (lines.size() - 1) % 4 != 0)
        return 2;
    const int runs = std::atoi(lines[0].data());
    const size_t programs = (lines.size() - 1) / 4;

    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE nul = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<std::vector<double>> times(programs);
    std::vector<DWORD> exitCodes(programs);
    for (int run = 0; run < runs; ++run) {
        for (size_t p = 0; p < programs; ++p) {
            std::vector<char> commandLine = lines[1 + 4 * p + 2];
            STARTUPINFOA startup = {};
            startup.cb = sizeof startup;
            startup.dwFlags = STARTF_USESTDHANDLES;
            startup.hStdOutput = nul;
            PROCESS_INFORMATION process = {};
            LARGE_INTEGER start, end;
            QueryPerformanceCounter(&start);
            if (!CreateProcessA(lines[1 + 4 * p + 1].data(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                nullptr, lines[1 + 4 * p + 3].data(), &startup, &process))
                return 3;
            WaitForSingleObject(process.hProcess, INFINITE);
            QueryPerformanceCounter(&end);
            GetExitCodeProcess(process.hProcess, &exitCodes[p]);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
            times[p].push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                               static_cast<double>(frequency.QuadPart));
        }
    }
    FILE *result = std::fopen(argv[2], "w");
    if (result == nullptr)
        return 2;
    std::vector<double> medians;
    for (size_t p = 0; p < programs; ++p) {
        std::vector<double> &t = times[p];
        std::sort(t.begin(), t.end());
        const double median = t.size() % 2 != 0 ? t[t.size() / 2] : (t[t.size() / 2 - 1] + t[t.size() / 2]) / 2;
        medians.push_back(median);
        std::fprintf(result, "%s: median %.1f ms over %d runs (last exit code 0x%08lX)\n", lines[1 + 4 * p].data(),
                     median, runs, exitCodes[p]);
    }
    std::fprintf(result, "ratio %s / %s: %.2f\n", lines[1].data(), lines[5].data(), medians[0] / medians[1]);
    std::fclose(result);
    return 0;
}
