#include "ui/canvas.h"

namespace ui {
namespace {

bool isHighSurrogate(wchar_t unit) {
    constexpr wchar_t kFirst = 0xD800;
    constexpr wchar_t kLast = 0xDBFF;
    return unit >= kFirst && unit <= kLast;
}

}  // namespace

std::wstring Canvas::fitted(const std::wstring& text, int width) {
    if (textWidth(text) <= width) {
        return text;
    }
    if (textWidth(kEllipsis) > width) {
        return {};
    }
    // Widths grow with the length of the start: the longest start that fits is
    // found by halving.
    size_t fits = 0;
    size_t tooLong = text.size();
    while (tooLong - fits > 1) {
        const size_t middle = fits + (tooLong - fits) / 2;
        if (textWidth(text.substr(0, middle) + kEllipsis) <= width) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    // A character outside the basic plane is kept whole or left out.
    if (fits > 0 && isHighSurrogate(text[fits - 1])) {
        --fits;
    }
    return text.substr(0, fits) + kEllipsis;
}

void Canvas::textInColumn(const Rect& box, const std::wstring& text, Alignment alignment) {
    const auto shown = fitted(text, box.width());
    if (shown.empty() && !text.empty()) {
        return;
    }
    const int room = box.width() - textWidth(shown);
    int x = box.left;
    if (alignment == Alignment::Right) {
        x += room;
    } else if (alignment == Alignment::Center) {
        x += room / 2;
    }
    textOut(x, box.top, shown);
}

}  // namespace ui
