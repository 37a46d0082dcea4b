#pragma once

#include <string>
#include <vector>

#include "tools/orvctl/command_result.h"
#include "tools/orvctl/orvctl.h"

namespace orvctl {

// dump, check, repair, export, import and reset: the commands that read a
// store from an export or the live registry, and change it.
bool isStoreCommand(const std::vector<std::wstring>& args);
Outcome runStoreCommand(const std::vector<std::wstring>& args, const Environment& environment);

}  // namespace orvctl
