#pragma once

#include <cstddef>
#include <string>

#include "platform/file_system.h"

// Version stamps: the ten bytes "137VERSION" followed by one byte per version
// number, most significant first. The driver files carry one, and so does every
// binary built from this program's code.
namespace setup {

inline constexpr size_t kStampMarkerLength = 10;
inline constexpr size_t kProgramStampNumbers = 4;

// The program's own stamp, 1.0.0.7. Its first ten bytes are also the pattern
// that readVersionStamp searches for, so the program holds no other copy of the
// marker that could come first in its file.
extern const unsigned char kProgramVersionStamp[kStampMarkerLength + kProgramStampNumbers];

// The n numbers (2 to 5) after the first marker in the file that has n bytes
// after it, joined by "." ("1.0.0.7"); "----" when the file cannot be read or
// holds no such stamp; "****" when n is out of range.
std::wstring readVersionStamp(platform::FileSystem& files, const std::wstring& path, int n);
// The same on an opened file (nullptr: it could not be opened).
std::wstring readVersionStamp(platform::ByteReader* file, int n);

}  // namespace setup
