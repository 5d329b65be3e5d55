// Standard output in text mode for the start-up code: each "\n" leaves as
// "\r\n", output is buffered, and FlushStandardOutput() writes what is left.
#pragma once

// Writes whatever is buffered. A missing standard output handle or a failed
// write is ignored: a windowed program often has no standard output at all.
void FlushStandardOutput();
