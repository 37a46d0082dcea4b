#pragma once

#include <string>
#include <vector>

namespace ui {

// The masks of a list such as "*.CUR; *.ANI": split at ";", blanks around each
// dropped, empty ones left out.
std::vector<std::wstring> splitMasks(const std::wstring& masks);

// Whether a file name matches one mask, without regard to case: "*" stands for
// any run of characters, "?" for any one character. As on Windows, "*.*" and "*"
// match every name (one without an extension too), and "name." matches "name".
bool matchesMask(const std::wstring& name, const std::wstring& mask);

// Whether a name matches any mask of a list.
bool matchesAnyMask(const std::wstring& name, const std::wstring& masks);

}  // namespace ui
