#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cpl {

// A directory list for a path search, separated by ';': first the given
// directories in order (empty ones left out), then the absolute entries of a
// PATH value. Relative PATH entries are left out because they resolve against the
// current directory, which this list exists to avoid.
std::wstring searchPathWithoutCurrentDirectory(const std::vector<std::wstring>& directories,
                                               std::wstring_view pathVariable);

}  // namespace cpl
