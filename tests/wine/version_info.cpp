// Reads a file's version resource back through the platform's own version
// API, run under Wine. Usage: version_info FILE RESULT
// RESULT receives "key=value" lines: the fixed part, the translation, and
// the string table entries under the translation's key.
#include <windows.h>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    FILE *out = std::fopen(argv[2], "w");
    if (out == nullptr)
        return 2;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(argv[1], &ignored);
    static char data[65536];
    if (size == 0 || size > sizeof data || !GetFileVersionInfoA(argv[1], 0, size, data)) {
        std::fprintf(out, "error=no version resource\n");
        std::fclose(out);
        return 1;
    }
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueA(data, "\\", reinterpret_cast<void **>(&fixed), &length) && fixed != nullptr) {
        std::fprintf(out, "Signature=0x%08lX\n", fixed->dwSignature);
        std::fprintf(out, "FileVersion=%lu.%lu.%lu.%lu\n", fixed->dwFileVersionMS >> 16,
                     fixed->dwFileVersionMS & 0xFFFF, fixed->dwFileVersionLS >> 16, fixed->dwFileVersionLS & 0xFFFF);
        std::fprintf(out, "ProductVersion=%lu.%lu.%lu.%lu\n", fixed->dwProductVersionMS >> 16,
                     fixed->dwProductVersionMS & 0xFFFF, fixed->dwProductVersionLS >> 16,
                     fixed->dwProductVersionLS & 0xFFFF);
        std::fprintf(out, "FileFlagsMask=0x%lX\nFileFlags=0x%lX\nFileOS=0x%lX\n", fixed->dwFileFlagsMask,
                     fixed->dwFileFlags, fixed->dwFileOS);
        std::fprintf(out, "FileType=%lu\nFileSubtype=%lu\nFileDate=%lu.%lu\n", fixed->dwFileType,
                     fixed->dwFileSubtype, fixed->dwFileDateMS, fixed->dwFileDateLS);
    }
    WORD *translation = nullptr;
    if (VerQueryValueA(data, "\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translation), &length) &&
        length >= 4) {
        std::fprintf(out, "Translation=0x%04X,0x%04X\n", translation[0], translation[1]);
        const char *keys[] = {"Comments", "CompanyName", "FileDescription", "FileVersion",
                              "InternalName", "LegalCopyright", "LegalTrademarks", "OriginalFilename",
                              "PrivateBuild", "ProductName", "ProductVersion", "SpecialBuild"};
        for (const char *key : keys) {
            char query[128];
            std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", translation[0], translation[1],
                          key);
            char *value = nullptr;
            if (VerQueryValueA(data, query, reinterpret_cast<void **>(&value), &length) && value != nullptr)
                std::fprintf(out, "String.%s=%s\n", key, value);
            else
                std::fprintf(out, "String.%s missing\n", key);
        }
    }
    std::fclose(out);
    return 0;
}
