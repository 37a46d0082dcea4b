#include "setup/driver/system_name.h"

namespace setup {
namespace {

constexpr uint32_t kFamilyMajorVersion = 4;
constexpr uint32_t kWindows98MinorVersion = 10;

}  // namespace

std::wstring operatingSystemText(const platform::OsVersion& version) {
    std::wstring text;
    if (version.platformId == platform::kPlatformWindows9x) {
        text = L"Windows ";
        if (version.majorVersion == kFamilyMajorVersion) {
            text += version.minorVersion == kWindows98MinorVersion ? L"98 " : L"95 ";
        }
    } else if (version.platformId == platform::kPlatformWindowsNt) {
        text = L"Windows NT ";
    }
    return text + version.servicePack;
}

}  // namespace setup
