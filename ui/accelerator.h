#pragma once

#include <string>

namespace ui {

// The letter a caption underlines: the character after the first single "&"
// ("&Next ->" gives 'N'; "Rock && Scroll" none). 0 when there is none.
wchar_t acceleratorOf(const std::wstring& caption);
// Whether Alt+letter selects a control with that caption, without regard to case.
bool acceleratorMatches(const std::wstring& caption, wchar_t letter);

}  // namespace ui
