// The real Windows operations for the product build: the kernel's current
// directory and file search, and the Setup API's INF staging call.
#pragma once

#include <windows.h>
#include <setupapi.h>
