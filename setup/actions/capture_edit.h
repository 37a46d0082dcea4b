#pragma once

#include "ui/edit.h"

namespace setup {

// WM_SYSCHAR: the character of a key pressed with Alt.
inline constexpr unsigned kSystemCharacterMessage = 0x106;

// The keystroke page's edit. It is a standard edit that never sees the
// character of an Alt combination, so that Alt+key neither beeps nor opens a
// menu and is recorded like any other key.
//
// Its text is made only by recording, a whole symbol at a time and within the
// stored length: the native edit's own ways of changing text (paste, cut,
// clear, undo, a replaced selection or text sent from another program) are
// refused, and whatever changes it by another way (its context menu) is put
// back, so that a half symbol or an overlong macro can never be assigned.
class TActEdit : public ui::Edit {
public:
    using ui::Edit::Edit;

    bool handleNativeMessage(ui::NativeMessage& message) override;

protected:
    bool acceptsUserText(const std::wstring&) const override { return false; }
};

}  // namespace setup
