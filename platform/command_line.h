// Splitting a Windows command line into an argument vector, by the rules of
// the C runtime of Windows 2000 and XP (msvcrt.dll), which installers and
// scripts written for those systems rely on.
#pragma once

#include <stddef.h>

// Tells whether a byte starts a two-byte character in the ANSI code page.
typedef bool (*LeadByteTest)(unsigned char byte);

// Splits commandLine into vector[0..count-1], with vector[count] null; the
// argument texts go into storage. Returns the count, or -1 when storage or
// vector cannot hold the result. Never writes outside either. A storage of
// length + 1 bytes and a vector of length / 2 + 2 entries always suffice.
int SplitCommandLine(const char *commandLine, char *storage, size_t storageSize, char **vector,
                     int vectorCapacity, LeadByteTest isLeadByte);
