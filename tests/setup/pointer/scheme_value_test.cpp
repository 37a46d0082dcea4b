// What the scenarios cannot reach: the registry compares value names without
// regard to case, so names differing in case only never meet there.
#include "setup/pointer/scheme_value.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace setup {
namespace {

using Fields = std::vector<std::wstring>;

TEST(SchemeValue, NamesSortByCodeUnitWithCase) {
    Fields names{L"arrows", L"Zoom", L"Arrows", L"1st", L"Dup ", L"Dup", L"", L"\u00c4rger"};
    sortSchemeNames(names);
    EXPECT_EQ(names,
              (Fields{L"", L"1st", L"Arrows", L"Dup", L"Dup ", L"Zoom", L"arrows", L"\u00c4rger"}));
}

TEST(SchemeValue, RolesNameTheirProgramCursorsOnce) {
    std::vector<platform::CursorKind> kinds;
    for (const auto& role : kPointerRoleTable) {
        kinds.push_back(role.kind);
    }
    std::sort(kinds.begin(), kinds.end());
    EXPECT_EQ(std::unique(kinds.begin(), kinds.end()), kinds.end())
        << "each role gives the program's windows a different cursor";
    EXPECT_EQ(std::wstring(kPointerRoleTable[0].name), L"Normal Select");
    EXPECT_EQ(kPointerRoleTable[13].kind, platform::CursorKind::UpArrow);
}

}  // namespace
}  // namespace setup
