// Unit tests of the start-up's text-mode standard output.
#include <gtest/gtest.h>

#include <string>

#include "fake_output.h"
#include "row_name.h"
#include "text_output.h"
#include "vantrel.h"

namespace {

class TextOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetFakeOutput();
        // Leave nothing from an earlier test in the writer's buffer.
        fakeOutput.standardOutput = nullptr;
        FlushStandardOutput();
        ResetFakeOutput();
    }
};

TEST_F(TextOutput, NewlineLeavesAsCarriageReturnAndLineFeed)
{
    WriteStandardOutput("Illeagal parameter!!!\n");
    FlushStandardOutput();
    EXPECT_EQ(fakeOutput.written, "Illeagal parameter!!!\r\n");
    EXPECT_EQ(fakeOutput.writes.size(), 1u);
}

TEST_F(TextOutput, NothingLeavesBeforeTheFlush)
{
    WriteStandardOutput("Pathname is ");
    WriteStandardOutput("too long!!!\n");
    EXPECT_TRUE(fakeOutput.writes.empty());
    FlushStandardOutput();
    EXPECT_EQ(fakeOutput.written, "Pathname is too long!!!\r\n");
}

TEST_F(TextOutput, TextLongerThanTheBufferArrivesWhole)
{
    std::string text, expected;
    for (int i = 0; i < 300; ++i) {
        text += "ab\n";
        expected += "ab\r\n";
    }
    WriteStandardOutput(text.c_str());
    FlushStandardOutput();
    EXPECT_EQ(fakeOutput.written, expected);
    EXPECT_GT(fakeOutput.writes.size(), 1u);
}

TEST_F(TextOutput, ShortWritesAreContinued)
{
    fakeOutput.largestWrite = 7;
    WriteStandardOutput("Error opening search handle!!!\n");
    FlushStandardOutput();
    EXPECT_EQ(fakeOutput.written, "Error opening search handle!!!\r\n");
}

enum class Handle { Missing, Invalid, Working };

struct BrokenOutputCase {
    const char *name;
    Handle handle;
    bool writesFail;
};

void PrintTo(const BrokenOutputCase &row, std::ostream *os) { *os << row.name; }

class BrokenOutput : public TextOutput, public ::testing::WithParamInterface<BrokenOutputCase> {};

TEST_P(BrokenOutput, IsIgnoredAndForgotten)
{
    const BrokenOutputCase &row = GetParam();
    switch (row.handle) {
    case Handle::Missing: fakeOutput.standardOutput = nullptr; break;
    case Handle::Invalid: fakeOutput.standardOutput = INVALID_HANDLE_VALUE; break;
    case Handle::Working: fakeOutput.standardOutput = FakeOutputHandle(); break;
    }
    fakeOutput.writesFail = row.writesFail;

    WriteStandardOutput("Failure in SetupCopyOEMInf function!!!\n");
    FlushStandardOutput();
    EXPECT_EQ(fakeOutput.written, "");

    // What could not be written is not written again later.
    ResetFakeOutput();
    WriteStandardOutput("x\n");
    FlushStandardOutput();
    EXPECT_EQ(fakeOutput.written, "x\r\n");
}

const BrokenOutputCase kBrokenOutputCases[] = {
    {"NoHandle", Handle::Missing, false},
    {"InvalidHandle", Handle::Invalid, false},
    {"WriteFails", Handle::Working, true},
};

INSTANTIATE_TEST_SUITE_P(Handles, BrokenOutput, ::testing::ValuesIn(kBrokenOutputCases), RowName());

}  // namespace
