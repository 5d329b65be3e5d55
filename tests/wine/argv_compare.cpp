// Differential test, run under Wine: Vantrel's command-line splitter against
// the platform's CommandLineToArgvW on every command line of up to seven
// characters made of space, tab, a letter, the double quote and the
// backslash, and on longer pseudo-random samples of the same characters.
// Usage: argv_compare RESULT   (RESULT receives a summary and any mismatch)
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "command_line.h"

namespace {

const char kAlphabet[] = {' ', '\t', 'a', '"', '\\'};
const int kAlphabetSize = 5;

bool IsAnsiLeadByte(unsigned char byte)
{
    return IsDBCSLeadByte(byte) != 0;
}

void Show(FILE *out, const char *line)
{
    std::fputc('[', out);
    for (const char *p = line; *p != '\0'; ++p) {
        if (*p == '\t')
            std::fputs("\\t", out);
        else
            std::fputc(*p, out);
    }
    std::fputc(']', out);
}

// Returns true when both splitters agree on line.
bool Compare(const char *line, FILE *out, int &mismatches)
{
    static char storage[1024];
    static char *ours[512];
    const int ourCount = SplitCommandLine(line, storage, sizeof storage, ours, 512, IsAnsiLeadByte);

    wchar_t wide[512];
    MultiByteToWideChar(CP_ACP, 0, line, -1, wide, 512);
    int theirCount = 0;
    wchar_t **theirs = CommandLineToArgvW(wide, &theirCount);

    bool same = theirs != nullptr && ourCount == theirCount;
    for (int i = 0; same && i < ourCount; ++i) {
        char converted[1024];
        WideCharToMultiByte(CP_ACP, 0, theirs[i], -1, converted, sizeof converted, nullptr, nullptr);
        same = std::strcmp(converted, ours[i]) == 0;
    }
    if (!same && ++mismatches <= 40) {
        std::fputs("mismatch for ", out);
        Show(out, line);
        std::fprintf(out, ": ours %d:", ourCount);
        for (int i = 0; i < ourCount; ++i) {
            std::fputc(' ', out);
            Show(out, ours[i]);
        }
        std::fprintf(out, "; platform %d:", theirCount);
        for (int i = 0; theirs != nullptr && i < theirCount; ++i) {
            char converted[1024];
            WideCharToMultiByte(CP_ACP, 0, theirs[i], -1, converted, sizeof converted, nullptr, nullptr);
            std::fputc(' ', out);
            Show(out, converted);
        }
        std::fputc('\n', out);
    }
    LocalFree(theirs);
    return same;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    FILE *out = std::fopen(argv[1], "w");
    if (out == nullptr)
        return 2;

    int compared = 0, mismatches = 0;
    // Every line of length 1 to 7 (the empty line makes both runtimes fall
    // back on the module's file name, so it is left out).
    for (int length = 1; length <= 7; ++length) {
        int digits[7] = {};
        for (;;) {
            char line[8];
            for (int i = 0; i < length; ++i)
                line[i] = kAlphabet[digits[i]];
            line[length] = '\0';
            Compare(line, out, mismatches);
            ++compared;
            int position = 0;
            while (position < length && ++digits[position] == kAlphabetSize)
                digits[position++] = 0;
            if (position == length)
                break;
        }
    }
    // Longer samples, from a fixed-seed generator so a failure can be rerun.
    unsigned state = 20261211u;
    for (int sample = 0; sample < 20000; ++sample) {
        state = state * 1103515245u + 12345u;
        const int length = 8 + static_cast<int>((state >> 16) % 57);
        char line[80];
        for (int i = 0; i < length; ++i) {
            state = state * 1103515245u + 12345u;
            line[i] = kAlphabet[(state >> 16) % kAlphabetSize];
        }
        line[length] = '\0';
        Compare(line, out, mismatches);
        ++compared;
    }
    std::fprintf(out, "compared %d command lines, %d mismatches\n", compared, mismatches);
    std::fclose(out);
    return mismatches == 0 ? 0 : 1;
}
