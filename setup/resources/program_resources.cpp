#include "setup/resources/program_resources.h"

namespace setup {

const std::map<int, std::wstring>& programStrings() {
    static const std::map<int, std::wstring> strings{
#define TARVEX_STRING(number, text) {number, L"" text},
#include "setup/resources/strings.inc"
#undef TARVEX_STRING
    };
    return strings;
}

const std::vector<BitmapResource>& programBitmaps() {
    static const std::vector<BitmapResource> bitmaps{
#define TARVEX_BITMAP(name, file) {L"" name, file},
#include "setup/resources/bitmaps.inc"
#undef TARVEX_BITMAP
    };
    return bitmaps;
}

platform::MemoryResources programResources() {
    std::vector<std::wstring> names;
    for (const auto& bitmap : programBitmaps()) {
        names.push_back(bitmap.name);
    }
    return platform::MemoryResources(programStrings(), names);
}

}  // namespace setup
