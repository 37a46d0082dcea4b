#pragma once

#include <windows.h>

#include <string>

namespace cpl {

// The full path of a file named by its bare file name, searched for where a
// program searches for its libraries (the program's directory, the DLL
// directory the program set, the system directories, the Windows directory,
// PATH) but never in the current directory: a file planted in whatever folder
// the control panel was started from must not run. Empty when found nowhere.
std::wstring findWithoutCurrentDirectory(const wchar_t* fileName);

// Loads the library findWithoutCurrentDirectory finds. Nothing process-wide is
// changed to do so. Returns null when the file is found nowhere or does not
// load.
HMODULE loadLibraryWithoutCurrentDirectory(const wchar_t* fileName);

}  // namespace cpl
