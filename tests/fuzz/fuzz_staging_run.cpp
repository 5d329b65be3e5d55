// libFuzzer target: one whole run of the tool's entry over the stand-in
// Windows operations, with everything the platform answers taken from the
// input. Checked: the composed path never needs more than its 260-character
// buffer, at most one line is written and it is one of the five, the exit
// code is 0 exactly when the staging call was made and succeeded, and every
// successful probe is followed by exactly one FindClose.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fake_windows.h"
#include "vantrel.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

const char *const kMessages[] = {
    "Illeagal parameter!!!\n",
    "Failure getting pathname!!!\n",
    "Pathname is too long!!!\n",
    "Error opening search handle!!!\n",
    "Failure in SetupCopyOEMInf function!!!\n",
};

}  // namespace

// Input: one byte of switches, two bytes of GetCurrentDirectoryA's result,
// then the directory text and the argument, separated by a 0 byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    ResetFakeWindows();
    const uint8_t switches = data[0];
    fakeWindows.overrideDirectoryResult = (switches & 1) != 0;
    fakeWindows.directoryResult = static_cast<DWORD>(data[1] | (data[2] << 8));
    fakeWindows.everythingExists = (switches & 2) != 0;
    fakeWindows.stagingResult = (switches & 4) != 0 ? 1 : 0;
    const int argumentCount = 1 + ((switches >> 3) & 3);  // 1 to 4

    const std::string rest(reinterpret_cast<const char *>(data + 3), size - 3);
    const size_t split = rest.find('\0');
    fakeWindows.currentDirectory = rest.substr(0, split);
    std::string argument = split == std::string::npos ? std::string() : rest.substr(split + 1);
    argument = argument.substr(0, argument.find('\0'));
    if (!fakeWindows.everythingExists)
        fakeWindows.existingEntries = {fakeWindows.currentDirectory + "\\" + argument};

    std::vector<std::string> storage(static_cast<size_t>(argumentCount), argument);
    storage[0] = "Vantrel.exe";
    std::vector<char *> vector;
    for (auto &text : storage)
        vector.push_back(&text[0]);
    vector.push_back(nullptr);

    const int outcome = VantrelMain(argumentCount, vector.data());

    bool stagingSucceeded = false;
    int successfulProbes = 0, closes = 0;
    for (const RecordedCall &call : fakeWindows.calls) {
        switch (call.operation) {
        case FakeCall::FindFirstFile:
            Require(call.path.size() <= MAX_PATH - 1);
            successfulProbes += call.handle != INVALID_HANDLE_VALUE;
            break;
        case FakeCall::SetupCopyOEMInf:
            Require(call.path.size() <= MAX_PATH - 1);
            stagingSucceeded = fakeWindows.stagingResult != 0;
            break;
        case FakeCall::FindClose:
            ++closes;
            break;
        case FakeCall::GetCurrentDirectory:
            break;
        }
    }
    Require(closes == successfulProbes);
    Require(fakeWindows.openSearches.empty());
    Require((outcome == 0) == stagingSucceeded);
    Require(outcome == 0 || outcome == -1);
    if (outcome == 0) {
        Require(fakeWindows.output.empty());
    } else {
        bool known = false;
        for (const char *message : kMessages)
            known = known || fakeWindows.output == message;
        Require(known);
    }
    return 0;
}
