// Unit tests of one staging run, from the argument vector to the exit code,
// over the stand-in Windows operations.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "fake_windows.h"
#include "row_name.h"
#include "vantrel.h"

namespace {

class StagingRun : public ::testing::Test {
protected:
    void SetUp() override { ResetFakeWindows(); }

    int Run(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), "Vantrel.exe");
        storage = arguments;
        vector.clear();
        for (auto &argument : storage)
            vector.push_back(&argument[0]);
        vector.push_back(nullptr);
        return VantrelMain(static_cast<int>(storage.size()), vector.data());
    }

    int RunWithOneArgument(const std::string &argument) { return Run({argument}); }

    std::vector<FakeCall> Operations() const
    {
        std::vector<FakeCall> operations;
        for (const auto &call : fakeWindows.calls)
            operations.push_back(call.operation);
        return operations;
    }

    const RecordedCall *Find(FakeCall operation) const
    {
        for (const auto &call : fakeWindows.calls)
            if (call.operation == operation)
                return &call;
        return nullptr;
    }

    std::vector<std::string> storage;
    std::vector<char *> vector;
};

const std::vector<FakeCall> kFullRun = {FakeCall::GetCurrentDirectory, FakeCall::FindFirstFile,
                                        FakeCall::SetupCopyOEMInf, FakeCall::FindClose};

TEST_F(StagingRun, GoodInfIsStagedSilentlyWithExitCodeZero)
{
    fakeWindows.existingEntries = {"C:\\pkg\\mydriver.inf"};

    EXPECT_EQ(RunWithOneArgument("mydriver.inf"), 0);
    EXPECT_EQ(fakeWindows.output, "");
    EXPECT_EQ(Operations(), kFullRun);
    EXPECT_TRUE(fakeWindows.openSearches.empty());
}

TEST_F(StagingRun, StagingCallReceivesExactlyItsEightArguments)
{
    fakeWindows.existingEntries = {"C:\\pkg\\mydriver.inf"};
    RunWithOneArgument("mydriver.inf");

    const RecordedCall *call = Find(FakeCall::SetupCopyOEMInf);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->path, "C:\\pkg\\mydriver.inf");
    EXPECT_TRUE(call->mediaLocationIsNull);
    EXPECT_EQ(call->mediaType, 1u);  // SPOST_PATH
    EXPECT_EQ(call->copyStyle, 0u);
    EXPECT_TRUE(call->destinationWasZeroed);
    EXPECT_EQ(call->destinationSize, 256u);
    EXPECT_TRUE(call->requiredSizeIsNull);
    EXPECT_TRUE(call->componentIsNull);
}

TEST_F(StagingRun, CurrentDirectoryIsAskedForWithTheFullBuffer)
{
    fakeWindows.existingEntries = {"C:\\pkg\\a.inf"};
    RunWithOneArgument("a.inf");

    const RecordedCall *call = Find(FakeCall::GetCurrentDirectory);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->bufferLength, 260u);
}

// Only a result above 260 means "buffer too small"; 260 itself goes on to
// composition, which judges the directory text that is in the buffer.
TEST_F(StagingRun, DirectoryResultOf260IsNotTakenAsTooSmall)
{
    fakeWindows.overrideDirectoryResult = true;
    fakeWindows.directoryResult = 260;
    fakeWindows.existingEntries = {"C:\\pkg\\a.inf"};

    EXPECT_EQ(RunWithOneArgument("a.inf"), 0);
    EXPECT_EQ(Operations(), kFullRun);
}

TEST_F(StagingRun, FailureIsMinusOneWithAllBitsSet)
{
    const int outcome = Run({});
    EXPECT_EQ(outcome, -1);
    EXPECT_EQ(static_cast<std::uint32_t>(outcome), 0xFFFFFFFFu);
}

// The search handle is held across the staging call and closed once after
// it, whatever the Setup API answers.
class StagingOutcome : public StagingRun, public ::testing::WithParamInterface<BOOL> {};

TEST_P(StagingOutcome, SearchHandleIsClosedOnceAfterTheStagingCall)
{
    fakeWindows.existingEntries = {"C:\\pkg\\a.inf"};
    fakeWindows.stagingResult = GetParam();

    const int outcome = RunWithOneArgument("a.inf");

    EXPECT_EQ(outcome, GetParam() ? 0 : -1);
    EXPECT_EQ(fakeWindows.output, GetParam() ? "" : "Failure in SetupCopyOEMInf function!!!\n");
    ASSERT_EQ(Operations(), kFullRun);
    EXPECT_EQ(fakeWindows.calls[3].handle, fakeWindows.calls[1].handle);
    EXPECT_TRUE(fakeWindows.openSearches.empty());
}

INSTANTIATE_TEST_SUITE_P(BothResults, StagingOutcome, ::testing::Values(1, 0),
                         [](const ::testing::TestParamInfo<BOOL> &info) {
                             return std::string(info.param ? "Succeeds" : "Fails");
                         });

// Composition: what the probe and the staging call both receive.
struct CompositionCase {
    const char *name;
    const char *currentDirectory;
    const char *argument;
    const char *existingEntry;
    const char *expectedPath;
};

void PrintTo(const CompositionCase &row, std::ostream *os) { *os << row.name; }

class Composition : public StagingRun, public ::testing::WithParamInterface<CompositionCase> {};

TEST_P(Composition, ProbeAndStagingCallGetTheComposedPath)
{
    const CompositionCase &row = GetParam();
    fakeWindows.currentDirectory = row.currentDirectory;
    fakeWindows.existingEntries = {row.existingEntry};

    EXPECT_EQ(RunWithOneArgument(row.argument), 0);
    ASSERT_EQ(Operations(), kFullRun);
    EXPECT_EQ(fakeWindows.calls[1].path, row.expectedPath);
    EXPECT_EQ(fakeWindows.calls[2].path, row.expectedPath);
    EXPECT_EQ(fakeWindows.output, "");
}

const CompositionCase kCompositionCases[] = {
    {"PlainName", "C:\\pkg", "a.inf", "C:\\pkg\\a.inf", "C:\\pkg\\a.inf"},
    {"DriveRootGetsASecondBackslash", "C:\\", "a.inf", "C:\\\\a.inf", "C:\\\\a.inf"},
    {"Subdirectory", "C:\\pkg", "sub\\a.inf", "C:\\pkg\\sub\\a.inf", "C:\\pkg\\sub\\a.inf"},
    {"AbsolutePathIsHandedOnUnchanged", "C:\\pkg", "D:\\other\\a.inf", "C:\\pkg\\D:\\other\\a.inf",
     "C:\\pkg\\D:\\other\\a.inf"},
    {"EmptyArgumentEndsWithTheSeparator", "C:\\pkg", "", "C:\\pkg\\", "C:\\pkg\\"},
    {"WildcardReachesStagingAsThePattern", "C:\\pkg", "*.inf", "C:\\pkg\\mydriver.inf", "C:\\pkg\\*.inf"},
    {"DirectoryPassesTheProbe", "C:\\pkg", "sub", "C:\\pkg\\sub", "C:\\pkg\\sub"},
    {"SpacesAndCaseAreKept", "C:\\My Drivers", " My Driver.INF ", "C:\\My Drivers\\ My Driver.INF ",
     "C:\\My Drivers\\ My Driver.INF "},
};

INSTANTIATE_TEST_SUITE_P(Paths, Composition, ::testing::ValuesIn(kCompositionCases), RowName());

// Every way a run can fail: its one message, byte for byte, exit code -1,
// and the calls that were made before the run stopped.
struct FailureCase {
    const char *name;
    std::vector<std::string> arguments;
    std::string currentDirectory;
    bool overrideDirectoryResult;
    DWORD directoryResult;
    BOOL stagingResult;
    const char *expectedMessage;
    std::vector<FakeCall> expectedOperations;
};

void PrintTo(const FailureCase &row, std::ostream *os) { *os << row.name; }

class Failure : public StagingRun, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(Failure, WritesItsOneMessageAndReturnsMinusOne)
{
    const FailureCase &row = GetParam();
    fakeWindows.currentDirectory = row.currentDirectory;
    fakeWindows.overrideDirectoryResult = row.overrideDirectoryResult;
    fakeWindows.directoryResult = row.directoryResult;
    fakeWindows.stagingResult = row.stagingResult;
    fakeWindows.existingEntries = {"C:\\pkg\\a.inf"};

    EXPECT_EQ(Run(row.arguments), -1);
    EXPECT_EQ(fakeWindows.output, row.expectedMessage);
    EXPECT_EQ(Operations(), row.expectedOperations);
    EXPECT_TRUE(fakeWindows.openSearches.empty());
}

const char kIllegal[] = "Illeagal parameter!!!\n";
const char kNoDirectory[] = "Failure getting pathname!!!\n";
const char kTooLong[] = "Pathname is too long!!!\n";
const char kNotFound[] = "Error opening search handle!!!\n";
const char kStagingFailed[] = "Failure in SetupCopyOEMInf function!!!\n";
const std::vector<FakeCall> kNoCalls = {};
const std::vector<FakeCall> kDirectoryOnly = {FakeCall::GetCurrentDirectory};
const std::vector<FakeCall> kProbeFailed = {FakeCall::GetCurrentDirectory, FakeCall::FindFirstFile};
const std::string kPkg = "C:\\pkg";
const std::string k259 = "C:\\" + std::string(256, 'd');

const FailureCase kFailureCases[] = {
    {"NoArgument", {}, kPkg, false, 0, 1, kIllegal, kNoCalls},
    {"TwoArguments", {"My", "Driver.inf"}, kPkg, false, 0, 1, kIllegal, kNoCalls},
    {"ThreeArguments", {"a", "b", "c"}, kPkg, false, 0, 1, kIllegal, kNoCalls},
    {"DirectoryQueryFails", {"a.inf"}, kPkg, true, 0, 1, kNoDirectory, kDirectoryOnly},
    {"DirectoryNeeds261", {"a.inf"}, std::string(260, 'd'), false, 0, 1, kTooLong, kDirectoryOnly},
    {"DirectoryResult261", {"a.inf"}, kPkg, true, 261, 1, kTooLong, kDirectoryOnly},
    // 259 characters is a valid directory but leaves no room for the separator.
    {"DirectoryOf259Characters", {"a.inf"}, k259, false, 0, 1, kTooLong, kDirectoryOnly},
    // A result of 260 is not "too small a buffer" and reaches composition,
    // which must still refuse a directory that fills the whole buffer.
    {"DirectoryResult260", {"a.inf"}, std::string(259, 'd'), true, 260, 1, kTooLong, kDirectoryOnly},
    {"NothingAtThePath", {"missing.inf"}, kPkg, false, 0, 1, kNotFound, kProbeFailed},
    {"WildcardMatchesNothing", {"*.cat"}, kPkg, false, 0, 1, kNotFound, kProbeFailed},
    {"StagingCallFails", {"a.inf"}, kPkg, false, 0, 0, kStagingFailed, kFullRun},
};

INSTANTIATE_TEST_SUITE_P(Kinds, Failure, ::testing::ValuesIn(kFailureCases), RowName());

// The composed path must fit its 260-character buffer with its terminator;
// a longer one is refused before anything is probed, never truncated.
struct LengthCase {
    const char *name;
    size_t argumentLength;
    bool staged;
};

void PrintTo(const LengthCase &row, std::ostream *os) { *os << row.name; }

class ComposedLength : public StagingRun, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(ComposedLength, FitsOrIsRefusedWhole)
{
    const LengthCase &row = GetParam();
    const std::string argument(row.argumentLength, 'x');
    const std::string composed = "C:\\pkg\\" + argument;
    fakeWindows.existingEntries = {composed};

    const int outcome = RunWithOneArgument(argument);

    if (row.staged) {
        EXPECT_EQ(outcome, 0);
        ASSERT_EQ(Operations(), kFullRun);
        EXPECT_EQ(fakeWindows.calls[2].path, composed);
        EXPECT_EQ(fakeWindows.output, "");
    } else {
        EXPECT_EQ(outcome, -1);
        EXPECT_EQ(Operations(), kDirectoryOnly);
        EXPECT_EQ(fakeWindows.output, kTooLong);
    }
}

// "C:\pkg\" is 7 characters, so an argument of n gives a path of n + 7.
const LengthCase kLengthCases[] = {
    {"Path259IsStaged", 252, true},
    {"Path260IsRefused", 253, false},
    {"Argument300IsRefused", 300, false},
    {"Argument30000IsRefused", 30000, false},
};

INSTANTIATE_TEST_SUITE_P(Boundary, ComposedLength, ::testing::ValuesIn(kLengthCases), RowName());

}  // namespace
