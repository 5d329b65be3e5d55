// The standard-output stand-in's state, reset for each test: a handle that
// accepts every write, unless a test takes it away or makes writes fail.
#pragma once

#include <string>
#include <vector>

#include "output_operations.h"

struct FakeOutput {
    HANDLE standardOutput;
    bool writesFail = false;
    DWORD largestWrite = 0xFFFFFFFF;  // a write accepts at most this many bytes
    std::vector<std::string> writes;  // the bytes of each WriteFile call
    std::string written;              // everything accepted, in order
};

extern FakeOutput fakeOutput;

void ResetFakeOutput();
HANDLE FakeOutputHandle();
