#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/cursors.h"

// Pointer schemes as the system keeps them for the current user: one string
// value per scheme, cursor file paths separated by "," (field k for role k, an
// empty field meaning the role's default cursor).
namespace setup {

// The roles a scheme names a cursor for, in the order of its fields.
inline constexpr int kSchemeRoles = 14;
// Fields read from a scheme value; only the first kSchemeRoles are written back.
inline constexpr int kMaxSchemeFields = 20;
// A setup's record stores the length of its scheme's name in three digits.
inline constexpr size_t kLongestSchemeName = 999;

struct PointerRole {
    const wchar_t* name;        // as the Pointers tab lists it
    platform::CursorKind kind;  // the cursor of the program's own windows it stands for
};
extern const std::array<PointerRole, kSchemeRoles> kPointerRoleTable;

// The fields of a scheme value: always at least one (an empty value is one
// empty field). A value with more than kMaxSchemeFields fields keeps its first
// ones, so that every field stays with its role.
std::vector<std::wstring> splitSchemeValue(const std::wstring& value);

// The value that stores files[0] .. files[kSchemeRoles - 1]; missing ones are
// empty fields and files beyond them are not written.
std::wstring joinSchemeValue(const std::vector<std::wstring>& files);

// Ascending by UTF-16 code unit, with case: "1st" < "Arrows" < "arrows".
void sortSchemeNames(std::vector<std::wstring>& names);

}  // namespace setup
