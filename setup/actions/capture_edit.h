#pragma once

#include "ui/edit.h"

namespace setup {

// WM_SYSCHAR: the character of a key pressed with Alt.
inline constexpr unsigned kSystemCharacterMessage = 0x106;

// The keystroke page's edit. It is a standard edit that never sees the
// character of an Alt combination, so that Alt+key neither beeps nor opens a
// menu and is recorded like any other key.
class TActEdit : public ui::Edit {
public:
    using ui::Edit::Edit;

    bool handleNativeMessage(ui::NativeMessage& message) override;
};

}  // namespace setup
