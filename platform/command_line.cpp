// The command-line splitter of the start-up code. Its rules are those of
// msvcrt.dll on Windows 2000 and XP:
// - the program name ends at the next double quote if it starts with one,
//   otherwise at the first space or tab; no backslash rule applies to it;
// - arguments are separated by spaces and tabs, nothing else;
// - 2n backslashes before a double quote give n backslashes and the quote
//   opens or closes a quoted part; 2n+1 give n backslashes and a literal
//   quote; other backslashes are literal;
// - inside a quoted part two double quotes give one literal quote and end
//   the quoted part (later runtimes stay inside it);
// - a lead byte of the ANSI code page and its trail byte stay together, so
//   a trail byte equal to '\' or '"' is part of the character.
#include "command_line.h"

namespace {

struct Output {
    char *next;
    char *end;
    bool full;
};

void Put(Output &output, char c)
{
    if (output.next == output.end) {
        output.full = true;
        return;
    }
    *output.next++ = c;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Copies one character, two bytes for a lead byte with its trail byte, and
// returns the position after it. No code page has a trail byte below 0x40,
// so a lead byte before the end, a space or a tab stands alone rather than
// swallowing the terminator or a separator.
const char *CopyCharacter(Output &output, const char *p, LeadByteTest isLeadByte)
{
    if (isLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0' && !IsBlank(p[1]))
        Put(output, *p++);
    Put(output, *p++);
    return p;
}

const char *SplitProgramName(Output &output, const char *p, LeadByteTest isLeadByte)
{
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"')
            p = CopyCharacter(output, p, isLeadByte);
        if (*p == '"')
            ++p;
    } else {
        while (*p != '\0' && !IsBlank(*p))
            p = CopyCharacter(output, p, isLeadByte);
    }
    Put(output, '\0');
    return p;
}

// Splits one argument starting at p (not blank, not the end) and returns
// the position after it.
const char *SplitArgument(Output &output, const char *p, LeadByteTest isLeadByte)
{
    bool inQuotes = false;
    for (;;) {
        unsigned backslashes = 0;
        while (*p == '\\') {
            ++p;
            ++backslashes;
        }
        bool copyQuote = true;
        if (*p == '"') {
            if (backslashes % 2 == 0) {
                if (inQuotes && p[1] == '"')
                    ++p;  // the first of two quotes is dropped, the second kept
                else
                    copyQuote = false;
                inQuotes = !inQuotes;
            }
            backslashes /= 2;
        }
        while (backslashes-- > 0)
            Put(output, '\\');
        if (*p == '\0' || (!inQuotes && IsBlank(*p)))
            break;
        if (*p == '"' && !copyQuote)
            ++p;
        else
            p = CopyCharacter(output, p, isLeadByte);
    }
    Put(output, '\0');
    return p;
}

}  // namespace

int SplitCommandLine(const char *commandLine, char *storage, size_t storageSize, char **vector,
                     int vectorCapacity, LeadByteTest isLeadByte)
{
    Output output = {storage, storage + storageSize, false};
    int count = 0;
    const char *p = commandLine;
    for (bool programName = true;; programName = false) {
        if (!programName) {
            while (IsBlank(*p))
                ++p;
            if (*p == '\0')
                break;
        }
        if (count + 1 >= vectorCapacity)
            return -1;
        vector[count++] = output.next;
        p = programName ? SplitProgramName(output, p, isLeadByte) : SplitArgument(output, p, isLeadByte);
        if (output.full)
            return -1;
    }
    vector[count] = nullptr;
    return count;
}
