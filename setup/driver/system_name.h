#pragma once

#include <string>

#include "platform/system_info.h"

namespace setup {

// The operating system as the information page names it: "Windows 98 ",
// "Windows 95 " or "Windows " for the 95 family, "Windows NT " for the NT
// family, nothing for any other, then the service-pack text as reported.
std::wstring operatingSystemText(const platform::OsVersion& version);

}  // namespace setup
