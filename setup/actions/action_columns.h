#pragma once

// Where the Actions tab's list draws the four columns of a row, counted from
// the row's left edge; the description is right-aligned and ends a gap before
// the row's right edge. The column captions above the list stand over them.
namespace setup {

inline constexpr int kButtonsColumn = 2;
inline constexpr int kKeysColumn = 84;
inline constexpr int kActionColumn = 172;
inline constexpr int kDescriptionRightGap = 6;

}  // namespace setup
