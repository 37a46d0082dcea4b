#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text throughout the program is std::wstring holding UTF-16 code units, on every
// platform. On Windows that is what wchar_t is; on Linux the wider wchar_t simply
// carries the same units, so lengths count characters exactly as Windows does and
// stored length fields agree between the two builds.
namespace platform {

std::wstring fromUtf8(std::string_view utf8);
std::string toUtf8(std::wstring_view text);

// Text of 8-bit characters taken one to one (ASCII and Latin-1).
std::wstring fromLatin1(std::string_view bytes);

// Removes leading and trailing characters up to and including the blank, as the
// window toolkit's trim does (control characters count as blanks).
std::wstring trim(std::wstring_view text);

std::wstring toUpper(std::wstring_view text);
std::wstring toLower(std::wstring_view text);

// Up to count characters from start (0-based); only the part that exists, so
// stored text of any length can be cut without checking it first.
std::wstring part(const std::wstring& text, size_t start, size_t count = std::wstring::npos);

// Strict conversions: every character must be a digit of the base; no sign, no
// blanks, no prefix. An empty text is no number. Values beyond int are rejected.
std::optional<int> parseDecimal(std::wstring_view text);
std::optional<int> parseHex(std::wstring_view text);

// text cut into lines of at most width characters, joined by line breaks: a
// message box shows a long unbroken word (a name) on one line however wide.
std::wstring breakIntoLines(const std::wstring& text, size_t width);

// value in decimal, left-padded with zeros to width (wider values are not cut).
std::wstring zeroPadded(int value, int width);
// value in lower-case hexadecimal, left-padded with zeros to width.
std::wstring lowerHex(int value, int width);

}  // namespace platform
