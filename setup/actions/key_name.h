#pragma once

#include <string>

#include "platform/keyboard.h"

namespace setup {

// The name under which the capture editor records a key: a fixed name for the
// keys that type nothing ("Tab", "Sh-F5", "Ctrl"), otherwise the one character
// the key types in the keyboard's current state as if Ctrl were up ("c" for
// Ctrl+C). Caps Lock has the empty name ("Sh-" with Shift), and so has every
// other key that types nothing, which the editor then leaves out.
std::wstring KeyName(int key, platform::ShiftState shift, platform::Keyboard& keyboard);

// Whether the key types a character of its own with Ctrl and Alt held, as
// AltGr holds them on many layouts: the modifiers are then the way to the
// character, not keys pressed for their own sake.
bool TypedWithAltGr(int key, platform::Keyboard& keyboard);

}  // namespace setup
