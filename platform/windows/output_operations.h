// The Windows operations behind standard output: the process's standard
// handles and file writes.
#pragma once

#include <windows.h>
