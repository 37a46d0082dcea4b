#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/memory/memory_resources.h"

// The program's own resources as tables, the same that its resource file compiles
// in: for running the program headless and for checking the compiled file.
namespace setup {

struct BitmapResource {
    std::wstring name;
    std::string file;  // below setup/resources
};

const std::map<int, std::wstring>& programStrings();
const std::vector<BitmapResource>& programBitmaps();

// The program's resources for a headless run.
platform::MemoryResources programResources();

}  // namespace setup
