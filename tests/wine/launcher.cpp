// Test launcher, run under Wine: starts one program the way an installer
// does and reports its full 32-bit exit code, which Wine's own exit status
// would cut to 8 bits.
//
// Usage: launcher REQUEST RESULT
// REQUEST holds four lines: the program's path, the exact command line, the
// working directory, and where its standard output goes: a file path; "-"
// for no standard handles at all; "closed" for a handle value that was
// closed before the start; or "readonly:PATH" for a file opened for reading
// only. RESULT receives "exit=0xXXXXXXXX".
#include <windows.h>

#include <cstdio>
#include <cstring>

static bool ReadRequest(const char *path, char *text, DWORD size, char *lines[4])
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD length = 0;
    BOOL read = ReadFile(file, text, size - 1, &length, nullptr);
    CloseHandle(file);
    if (!read)
        return false;
    text[length] = '\0';
    char *cursor = text;
    for (int i = 0; i < 4; ++i) {
        char *end = std::strchr(cursor, '\n');
        if (end == nullptr)
            return false;
        *end = '\0';
        lines[i] = cursor;
        cursor = end + 1;
    }
    return true;
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: launcher REQUEST RESULT\n");
        return 2;
    }
    static char request[70000];
    char *lines[4];
    if (!ReadRequest(argv[1], request, sizeof request, lines)) {
        std::fprintf(stderr, "launcher: cannot read %s\n", argv[1]);
        return 2;
    }
    const char *program = lines[0];
    char *commandLine = lines[1];
    const char *workingDirectory = lines[2];
    const char *outputPath = lines[3];

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    HANDLE output = nullptr;
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    const char readOnlyPrefix[] = "readonly:";
    if (std::strcmp(outputPath, "closed") == 0) {
        HANDLE closed = CreateFileA("NUL", GENERIC_WRITE, 0, &inheritable, OPEN_EXISTING, 0, nullptr);
        CloseHandle(closed);
        startup.hStdOutput = closed;
    } else if (std::strncmp(outputPath, readOnlyPrefix, sizeof readOnlyPrefix - 1) == 0) {
        output = CreateFileA(outputPath + sizeof readOnlyPrefix - 1, GENERIC_READ, FILE_SHARE_READ, &inheritable,
                             OPEN_EXISTING, 0, nullptr);
        startup.hStdOutput = output;
    } else if (std::strcmp(outputPath, "-") != 0) {
        output = CreateFileA(outputPath, GENERIC_WRITE, FILE_SHARE_READ, &inheritable, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        startup.hStdOutput = output;
    }
    if (output == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "launcher: cannot open %s\n", outputPath);
        return 2;
    }

    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program, commandLine, nullptr, nullptr, startup.hStdOutput != nullptr, 0, nullptr,
                        workingDirectory, &startup, &process)) {
        std::fprintf(stderr, "launcher: CreateProcessA failed, error %lu\n", GetLastError());
        return 2;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (output != nullptr)
        CloseHandle(output);

    FILE *result = std::fopen(argv[2], "w");
    if (result == nullptr)
        return 2;
    std::fprintf(result, "exit=0x%08lX\n", exitCode);
    std::fclose(result);
    return 0;
}
