#pragma once

#include <functional>
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

// "C:\dir" or "\\server\share": a path that does not depend on the current
// directory (of a drive).
bool isAbsolutePath(std::wstring_view path);

// A program path as the system's registered application paths hold it: the
// surrounding quotes a path with blanks may carry are taken off.
std::wstring unquotedPath(std::wstring_view registered);

// The file in the directory; the directory may end with a separator. Empty
// when the directory is.
std::wstring pathInDirectory(std::wstring_view directory, std::wstring_view fileName);

// The first candidate that names, by an absolute path, a file that exists;
// empty when none does. A relative candidate would be found in the current
// directory, so it never counts.
std::wstring firstExistingFile(const std::vector<std::wstring>& candidates,
                               const std::function<bool(const std::wstring&)>& fileExists);

}  // namespace cpl
