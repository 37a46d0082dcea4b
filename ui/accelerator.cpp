#include "ui/accelerator.h"

#include <cwctype>

namespace ui {

wchar_t acceleratorOf(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') {
            continue;
        }
        if (caption[i + 1] != L'&') {
            return caption[i + 1];
        }
        ++i;  // "&&" is a plain ampersand
    }
    return 0;
}

bool acceleratorMatches(const std::wstring& caption, wchar_t letter) {
    const wchar_t underlined = acceleratorOf(caption);
    return underlined != 0 && std::towupper(underlined) == std::towupper(letter);
}

}  // namespace ui
