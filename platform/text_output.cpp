// Buffered text-mode standard output through GetStdHandle and WriteFile.
#include "text_output.h"

#include "output_operations.h"
#include "vantrel.h"

namespace {

char buffer[512];
DWORD buffered = 0;

void Append(char c)
{
    if (buffered == sizeof buffer)
        FlushStandardOutput();
    buffer[buffered++] = c;
}

}  // namespace

void WriteStandardOutput(const char *text)
{
    for (; *text != '\0'; ++text) {
        if (*text == '\n')
            Append('\r');
        Append(*text);
    }
}

void FlushStandardOutput()
{
    const DWORD length = buffered;
    buffered = 0;
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE)
        return;
    DWORD done = 0;
    while (done < length) {
        DWORD written = 0;
        if (WriteFile(output, buffer + done, length - done, &written, nullptr) == 0 || written == 0)
            return;
        done += written;
    }
}
