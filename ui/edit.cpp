#include "ui/edit.h"

#include <algorithm>

namespace ui {
namespace {

constexpr wchar_t kBackspace = L'\b';
constexpr wchar_t kFirstPrintable = L' ';

}  // namespace

Edit::Edit(Control& parent, std::wstring name) : Control(parent, std::move(name)) {
    setTabStop(true);
}

void Edit::setText(const std::wstring& text) {
    changeText(text, 0);
}

void Edit::changeText(const std::wstring& text, int caret) {
    const bool textChanged = change(text_, text, Property::Text);
    selStart_ = caret;
    selLength_ = 0;
    mirror(Property::Selection);
    if (textChanged) {
        fire(onChange);
    }
}

int Edit::selStart() const {
    pull(Property::Selection);
    return selStart_;
}

int Edit::selLength() const {
    pull(Property::Selection);
    return selLength_;
}

std::wstring Edit::selText() const {
    const int start = selStart();
    return text_.substr(start, selLength_);
}

void Edit::setSelStart(int start) {
    selStart_ = std::clamp(start, 0, static_cast<int>(text_.size()));
    selLength_ = 0;
    mirror(Property::Selection);
}

void Edit::setSelLength(int length) {
    const int start = selStart();
    selLength_ = std::clamp(length, 0, static_cast<int>(text_.size()) - start);
    mirror(Property::Selection);
}

void Edit::setSelText(const std::wstring& text) {
    const int start = selStart();
    const std::wstring replaced = text_.substr(0, start) + text + text_.substr(start + selLength_);
    changeText(replaced, start + static_cast<int>(text.size()));
}

void Edit::setMaxLength(int maxLength) {
    change(maxLength_, maxLength, Property::MaxLength);
}

void Edit::setReadOnly(bool readOnly) {
    change(readOnly_, readOnly, Property::ReadOnly);
}

void Edit::typeCharacter(wchar_t character) {
    if (readOnly_) {
        return;
    }
    if (character == kBackspace) {
        if (selLength() == 0 && selStart_ > 0) {
            selStart_ -= 1;
            selLength_ = 1;
        }
        setSelText(L"");
        return;
    }
    if (character < kFirstPrintable) {
        return;
    }
    const int lengthAfter = static_cast<int>(text_.size()) - selLength() + 1;
    if (maxLength_ > 0 && lengthAfter > maxLength_) {
        return;
    }
    setSelText(std::wstring(1, character));
}

void Edit::storeUserText(const std::wstring& text) {
    if (text == text_) {
        return;
    }
    if (!acceptsUserText(text)) {
        mirror(Property::Text);
        mirror(Property::Selection);
        return;
    }
    text_ = text;
    fire(onChange);
}

void Edit::storeSelection(int start, int length) {
    selStart_ = start;
    selLength_ = length;
}

}  // namespace ui
