#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace cpl {

// Whether a fixed-size text field of a record holds exactly `text`. The field's
// text ends at its first NUL or at the end of the field, whichever comes first:
// an applet may fill the field to the last character without a terminator, and
// nothing beyond the field belongs to it.
template <typename Char, std::size_t Size>
bool fixedFieldHolds(const Char (&field)[Size], std::basic_string_view<Char> text) {
    const Char* const end = std::find(field, field + Size, Char{});
    return std::basic_string_view<Char>(field, static_cast<std::size_t>(end - field)) == text;
}

}  // namespace cpl
