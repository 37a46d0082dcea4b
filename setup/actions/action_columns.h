#pragma once

// Where the Actions tab's list draws the four columns of a row, counted from
// the row's left edge; the description is right-aligned and ends a gap before
// the row's right edge. Each text stays in its column, a gap short of the next
// one. The column captions above the list stand over them.
namespace setup {

inline constexpr int kButtonsColumn = 2;
inline constexpr int kKeysColumn = 84;
inline constexpr int kActionColumn = 172;
inline constexpr int kDescriptionColumn = 280;
inline constexpr int kColumnGap = 4;
inline constexpr int kDescriptionRightGap = 6;

}  // namespace setup
