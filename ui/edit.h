#pragma once

#include <string>

#include "ui/control.h"

namespace ui {

// A single-line edit. Positions count UTF-16 characters; the caret is the
// selection's start when nothing is selected. Native: EDIT (ES_AUTOHSCROLL); the
// native control keeps the caret, which the getters read back.
class Edit : public Control {
public:
    Edit(Control& parent, std::wstring name);

    const std::wstring& text() const { return text_; }
    // Fires onChange when the text changes (from code too); the caret goes to the start.
    void setText(const std::wstring& text);

    int selStart() const;
    int selLength() const;
    std::wstring selText() const;
    // Moves the caret; nothing stays selected.
    void setSelStart(int start);
    // Selects length characters from the selection's start (clamped to the text).
    void setSelLength(int length);
    // Replaces the selection (inserts at the caret when nothing is selected) and
    // leaves the caret after the new text. Fires onChange when the text changes.
    void setSelText(const std::wstring& text);

    // The most characters a user can type; 0 for no limit. Code is not limited.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int maxLength);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);

    // A typed character as the native edit handles it: inserted at the caret
    // unless the edit is read-only or full; Backspace deletes.
    void typeCharacter(wchar_t character);

    bool focusable() const override { return true; }

    Event onChange;

    // For the native peer: the text and caret the user left in the native edit.
    // Text the edit does not accept (acceptsUserText) is put back as it was.
    void storeUserText(const std::wstring& text);
    void storeSelection(int start, int length);

protected:
    // Whether a change the native edit made by itself (typing, paste, cut, its
    // context menu, a WM_SETTEXT from another program) may stand.
    virtual bool acceptsUserText(const std::wstring&) const { return true; }

private:
    void changeText(const std::wstring& text, int caret);

    std::wstring text_;
    mutable int selStart_ = 0;
    mutable int selLength_ = 0;
    int maxLength_ = 0;
    bool readOnly_ = false;
};

}  // namespace ui
