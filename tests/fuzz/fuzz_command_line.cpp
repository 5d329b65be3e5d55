// libFuzzer target: the start-up's command-line splitter on arbitrary bytes.
// The first byte switches the double-byte rule on or off; the rest, up to a
// 0 byte, is the command line. Checked: every argument lies within the
// storage and ends there, the count matches the vector, and a separator only
// ends up inside an argument when the line had a quote.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "command_line.h"

namespace {

bool ShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool NoLeadByte(unsigned char)
{
    return false;
}

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const LeadByteTest isLeadByte = (data[0] & 1) != 0 ? ShiftJisLeadByte : NoLeadByte;
    std::vector<char> line(data + 1, data + size);
    line.push_back('\0');
    const size_t length = std::strlen(line.data());

    // Exactly the documented sizes, so ASan sees any write past them.
    std::vector<char> storage(length + 1);
    std::vector<char *> vector(length / 2 + 2);
    const int count = SplitCommandLine(line.data(), storage.data(), storage.size(), vector.data(),
                                       static_cast<int>(vector.size()), isLeadByte);
    Require(count >= 1);
    Require(vector[count] == nullptr);

    const bool hasQuote = std::memchr(line.data(), '"', length) != nullptr;
    const char *end = storage.data() + storage.size();
    for (int i = 0; i < count; ++i) {
        const char *argument = vector[i];
        Require(argument >= storage.data() && argument < end);
        const void *terminator = std::memchr(argument, '\0', static_cast<size_t>(end - argument));
        Require(terminator != nullptr);
        if (i > 0 && !hasQuote)
            Require(std::strpbrk(argument, " \t") == nullptr);
        if (i > 0)
            Require(argument > vector[i - 1]);
    }
    // Too small a storage or vector is refused, never overrun.
    if (length > 0) {
        std::vector<char> smallStorage(length / 2);
        SplitCommandLine(line.data(), smallStorage.data(), smallStorage.size(), vector.data(),
                         static_cast<int>(vector.size()), isLeadByte);
        SplitCommandLine(line.data(), storage.data(), storage.size(), vector.data(), 1, isLeadByte);
    }
    return 0;
}
