#include "platform/win32/win32_keyboard.h"

#include <windows.h>

#include <algorithm>

#include "platform/errors.h"

namespace platform {
namespace {

// Room for the longest translation a layout can give (a ligature).
constexpr int kTranslationCapacity = 8;
// Leaves the keyboard's dead-key state as it is (honoured since Windows 10
// 1607): translating a dead key here must neither start an accent nor take the
// one the user started, or the next key typed comes out changed.
constexpr UINT kKeepKeyboardState = 0x4;

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
    const int result = ToUnicodeEx(static_cast<UINT>(virtualKey),
                                   static_cast<UINT>(scanCode(virtualKey)), state.data(), buffer,
                                   kTranslationCapacity, kKeepKeyboardState, GetKeyboardLayout(0));
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
