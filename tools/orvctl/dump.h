#pragma once

#include <string>
#include <vector>

#include "platform/reg_file.h"

namespace orvctl {

// A person-readable account of everything the system stores, followed by the
// problems found in it, those of the file it was read from first.
std::wstring dumpStore(platform::Registry& registry,
                       const std::vector<platform::RegFileProblem>& fileProblems);

}  // namespace orvctl
