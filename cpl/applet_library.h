#pragma once

#include <windows.h>

namespace cpl {

// Loads a library named by its bare file name, searching where a program
// searches for its libraries (the program's directory, the DLL directory the
// program set, the system directories, the Windows directory, PATH) but never the
// current directory: a library planted in whatever folder the control panel was
// started from must not run inside it. Nothing process-wide is changed to do so.
// Returns null when the file is found nowhere or does not load.
HMODULE loadLibraryWithoutCurrentDirectory(const wchar_t* fileName);

}  // namespace cpl
