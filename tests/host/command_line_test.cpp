// Unit tests of the start-up's command-line splitter: each rule of the
// runtime of Windows 2000 and XP, as a table of named command lines.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "row_name.h"

namespace {

// Code page 932 (Japanese): lead bytes 0x81-0x9F and 0xE0-0xFC.
bool ShiftJisLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool NoLeadByte(unsigned char)
{
    return false;
}

std::vector<std::string> Split(const std::string &line, LeadByteTest isLeadByte)
{
    std::vector<char> storage(line.size() + 1);
    std::vector<char *> vector(line.size() / 2 + 2);
    const int count = SplitCommandLine(line.c_str(), storage.data(), storage.size(), vector.data(),
                                       static_cast<int>(vector.size()), isLeadByte);
    EXPECT_GE(count, 0) << "storage sized by the documented bound was refused";
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.emplace_back(vector[i]);
    if (count >= 0) {
        EXPECT_EQ(vector[count], nullptr);
    }
    return arguments;
}

struct SplitCase {
    const char *name;
    std::string commandLine;
    std::vector<std::string> expected;
    bool doubleByte = false;
};

void PrintTo(const SplitCase &row, std::ostream *os) { *os << row.name; }

class Splitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Splitting, GivesTheRuntimesArguments)
{
    const SplitCase &row = GetParam();
    EXPECT_EQ(Split(row.commandLine, row.doubleByte ? ShiftJisLeadByte : NoLeadByte), row.expected);
}

const SplitCase kSplitCases[] = {
    // The program name.
    {"ProgramOnly", "Vantrel.exe", {"Vantrel.exe"}},
    {"ProgramAndArgument", "Vantrel.exe a.inf", {"Vantrel.exe", "a.inf"}},
    {"QuotedProgramWithSpaces", "\"C:\\Program Files\\Vantrel.exe\" a.inf",
     {"C:\\Program Files\\Vantrel.exe", "a.inf"}},
    {"QuotedProgramUnterminated", "\"C:\\x y a.inf", {"C:\\x y a.inf"}},
    {"TextRightAfterQuotedProgramIsAnArgument", "\"prog\"a b", {"prog", "a", "b"}},
    {"QuotesInUnquotedProgramAreOrdinary", "pr\"og a", {"pr\"og", "a"}},
    {"UnquotedProgramEndsAtTab", "prog\ta", {"prog", "a"}},
    {"NoBackslashRuleInProgramName", "\"C:\\dir\\\\\" a", {"C:\\dir\\\\", "a"}},
    {"EmptyCommandLine", "", {""}},
    {"LeadingBlankGivesEmptyProgramName", " a", {"", "a"}},
    // Separators.
    {"TabsSeparate", "prog\ta\t\tb", {"prog", "a", "b"}},
    {"ReturnAndLineFeedAreOrdinary", "prog a\rb\nc", {"prog", "a\rb\nc"}},
    {"BlankRunsAndTrailingBlanks", "prog   a  \t b \t ", {"prog", "a", "b"}},
    {"NoWildcardExpansion", "prog *.inf", {"prog", "*.inf"}},
    // Quoted parts.
    {"QuotedArgumentWithSpaces", "prog \"my driver.inf\"", {"prog", "my driver.inf"}},
    {"QuotedTabBelongsToTheArgument", "prog \"a\tb\"", {"prog", "a\tb"}},
    {"EmptyQuotedArgument", "prog \"\"", {"prog", ""}},
    {"EmptyArgumentAmongOthers", "prog a \"\" b", {"prog", "a", "", "b"}},
    {"QuotesInsideAWord", "prog a\"b c\"d", {"prog", "ab cd"}},
    {"UnterminatedQuoteRunsToTheEnd", "prog \"a b", {"prog", "a b"}},
    // Backslashes.
    {"BackslashesNotBeforeAQuoteAreLiteral", "prog a\\b a\\\\b c:\\x\\", {"prog", "a\\b", "a\\\\b", "c:\\x\\"}},
    {"OneBackslashBeforeQuote", "prog \\\"a", {"prog", "\"a"}},
    {"TwoBackslashesBeforeQuote", "prog \\\\\"a b\"", {"prog", "\\a b"}},
    {"ThreeBackslashesBeforeQuote", "prog \\\\\\\"a", {"prog", "\\\"a"}},
    {"FourBackslashesBeforeQuote", "prog \\\\\\\\\"a b\"", {"prog", "\\\\a b"}},
    {"BackslashesBeforeClosingQuote", "prog \"a\\\\\" b", {"prog", "a\\", "b"}},
    {"EscapedQuoteInsideQuotedPart", "prog \"a\\\"b c\"", {"prog", "a\"b c"}},
    // Runs of double quotes.
    {"DoubledQuoteOutside", "prog a\"\"b", {"prog", "ab"}},
    {"DoubledQuoteInsideGivesQuoteAndEndsQuotedPart", "prog \"a\"\"b c\"", {"prog", "a\"b", "c"}},
    {"TripledQuoteOutside", "prog \"\"\"a b\"", {"prog", "\"a", "b"}},
    {"TripledQuoteInside", "prog \"a\"\"\"b c\"", {"prog", "a\"b c"}},
    {"QuadrupledQuoteOutside", "prog \"\"\"\"a b", {"prog", "\"a b"}},
    // Double-byte code pages: a trail byte is never a backslash or a quote.
    {"TrailByteBackslashStaysWithItsCharacter", "prog \x95\x5C\" a\"", {"prog", "\x95\x5C a"}, true},
    {"SameBytesInSingleByteCodePage", "prog \x95\x5C\" a\"", {"prog", "\x95\"", "a"}},
    {"DoubleByteNameReachesTheToolIntact", "prog \x95\x5C\x8E\xA6.inf", {"prog", "\x95\x5C\x8E\xA6.inf"}, true},
    {"DoubleByteProgramName", "\x95\x5C.exe a", {"\x95\x5C.exe", "a"}, true},
    {"LeadByteAtTheEndStandsAlone", "prog a\x95", {"prog", "a\x95"}, true},
    {"LeadByteBeforeABlankDoesNotSwallowIt", "prog a\x95 b\x95\tc", {"prog", "a\x95", "b\x95", "c"}, true},
};

INSTANTIATE_TEST_SUITE_P(Rules, Splitting, ::testing::ValuesIn(kSplitCases), RowName());

// The bounds: the documented sizes always suffice, anything less is refused
// without a write outside the buffers.
TEST(SplittingBounds, WorstCaseCommandLineFitsTheDocumentedSizes)
{
    std::string line = "p";
    while (line.size() + 2 <= 32767)
        line += " a";
    const std::vector<std::string> arguments = Split(line, NoLeadByte);
    EXPECT_EQ(arguments.size(), 16384u);
}

TEST(SplittingBounds, StorageOneByteShortIsRefused)
{
    const std::string line = "prog \"my driver.inf\" x";
    std::vector<char> storage(line.size() - 2);  // what the arguments need, minus one
    std::vector<char *> vector(8);
    EXPECT_EQ(SplitCommandLine(line.c_str(), storage.data(), storage.size(), vector.data(), 8, NoLeadByte), -1);
    storage.resize(storage.size() + 1);
    EXPECT_EQ(SplitCommandLine(line.c_str(), storage.data(), storage.size(), vector.data(), 8, NoLeadByte), 3);
}

TEST(SplittingBounds, VectorWithoutRoomForTheTerminatingNullIsRefused)
{
    std::vector<char> storage(32);
    std::vector<char *> vector(3);
    EXPECT_EQ(SplitCommandLine("prog a b", storage.data(), storage.size(), vector.data(), 3, NoLeadByte), -1);
    vector.resize(4);
    EXPECT_EQ(SplitCommandLine("prog a b", storage.data(), storage.size(), vector.data(), 4, NoLeadByte), 3);
}

}  // namespace
