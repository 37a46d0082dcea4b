#include "setup/pointer/scheme_value.h"

#include <algorithm>

namespace setup {
namespace {

constexpr wchar_t kFieldSeparator = L',';

}  // namespace

const std::array<PointerRole, kSchemeRoles> kPointerRoleTable{{
    {L"Normal Select", platform::CursorKind::Arrow},
    {L"Help Select", platform::CursorKind::Help},
    {L"Working in Background", platform::CursorKind::AppStarting},
    {L"Busy", platform::CursorKind::Wait},
    {L"Precision Select", platform::CursorKind::Cross},
    {L"Text Select", platform::CursorKind::IBeam},
    {L"Handwriting", platform::CursorKind::Hand},
    {L"Unavailable", platform::CursorKind::No},
    {L"Vertical Resize", platform::CursorKind::SizeNS},
    {L"Horizontal Resize", platform::CursorKind::SizeWE},
    {L"Diagonal Resize 1", platform::CursorKind::SizeNWSE},
    {L"Diagonal Resize 2", platform::CursorKind::SizeNESW},
    {L"Move", platform::CursorKind::SizeAll},
    {L"Alternate Select", platform::CursorKind::UpArrow},
}};

std::vector<std::wstring> splitSchemeValue(const std::wstring& value) {
    std::vector<std::wstring> fields;
    size_t start = 0;
    while (static_cast<int>(fields.size()) < kMaxSchemeFields) {
        const size_t separator = value.find(kFieldSeparator, start);
        fields.push_back(value.substr(start, separator - start));
        if (separator == std::wstring::npos) {
            break;
        }
        start = separator + 1;
    }
    return fields;
}

std::wstring joinSchemeValue(const std::vector<std::wstring>& files) {
    std::wstring value;
    for (int role = 0; role < kSchemeRoles; ++role) {
        if (role > 0) {
            value += kFieldSeparator;
        }
        if (role < static_cast<int>(files.size())) {
            value += files[static_cast<size_t>(role)];
        }
    }
    return value;
}

void sortSchemeNames(std::vector<std::wstring>& names) {
    std::sort(names.begin(), names.end());
}

}  // namespace setup
