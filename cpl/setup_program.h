#pragma once

#include <string>

namespace cpl {

// The full path of the setup program: found as the applet library is found
// (never in the current directory); else the path registered for it among the
// machine's application paths; else in the driver's install directory. Empty
// when none of them holds it.
std::wstring findSetupProgram();

}  // namespace cpl
