#include "platform/win32/win32_keyboard.h"

#include <windows.h>

#include <algorithm>

#include "platform/errors.h"

namespace platform {
namespace {

// Room for the longest translation a layout can give (a ligature).
constexpr int kTranslationCapacity = 8;

}  // namespace

KeyboardState Win32Keyboard::state() {
    KeyboardState keys{};
    if (!GetKeyboardState(keys.data())) {
        throw Error(L"The keyboard state cannot be read");
    }
    return keys;
}

int Win32Keyboard::scanCode(int virtualKey) {
    return static_cast<int>(MapVirtualKeyW(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
}

std::wstring Win32Keyboard::translate(int virtualKey, const KeyboardState& state) {
    wchar_t buffer[kTranslationCapacity] = {};
    const int result =
        ToUnicode(static_cast<UINT>(virtualKey), static_cast<UINT>(scanCode(virtualKey)),
                  state.data(), buffer, kTranslationCapacity, 0);
    // A dead key answers -1 and leaves its accent character in the buffer.
    const int length = result < 0 ? 1 : std::min(result, kTranslationCapacity);
    return std::wstring(buffer, static_cast<size_t>(length));
}

void Win32Keyboard::sendKeyDown(int virtualKey) {
    // keybd_event reports nothing: an event the system drops (a window of
    // higher integrity has the focus) goes unnoticed, as a dropped key press would.
    keybd_event(static_cast<BYTE>(virtualKey), static_cast<BYTE>(scanCode(virtualKey)), 0, 0);
}

void Win32Keyboard::beepAsterisk() {
    MessageBeep(MB_ICONASTERISK);
}

}  // namespace platform
