#pragma once

#include <cstdint>
#include <string>

#include "platform/keyboard.h"

// Value types shared by the widget model, its canvases and its native peers.
namespace ui {

using platform::ShiftState;

// A rectangle in pixels; right and bottom lie just outside it, as on Windows.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
    bool operator!=(const Rect& other) const { return !(*this == other); }
};

// The colours the desktop scheme defines; they follow the user's settings natively.
enum class SystemColor {
    Window,
    WindowText,
    ButtonFace,
    ButtonText,
    Highlight,
    HighlightText,
    GrayText
};

// Either a fixed red-green-blue colour or one of the scheme's colours.
class Color {
public:
    static constexpr Color rgb(uint8_t red, uint8_t green, uint8_t blue) {
        return Color(false, static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
                                static_cast<uint32_t>(blue) << 16);
    }
    static constexpr Color system(SystemColor color) {
        return Color(true, static_cast<uint32_t>(color));
    }

    constexpr bool isSystem() const { return system_; }
    constexpr SystemColor systemColor() const { return static_cast<SystemColor>(value_); }
    constexpr uint8_t red() const { return value_ & 0xFF; }
    constexpr uint8_t green() const { return (value_ >> 8) & 0xFF; }
    constexpr uint8_t blue() const { return (value_ >> 16) & 0xFF; }

    constexpr bool operator==(const Color& other) const {
        return system_ == other.system_ && value_ == other.value_;
    }
    constexpr bool operator!=(const Color& other) const { return !(*this == other); }

private:
    constexpr Color(bool system, uint32_t value) : system_(system), value_(value) {}
    bool system_;
    uint32_t value_;
};

inline constexpr Color kBlack = Color::rgb(0, 0, 0);
inline constexpr Color kGray = Color::rgb(128, 128, 128);
inline constexpr Color kWindowColor = Color::system(SystemColor::Window);
inline constexpr Color kWindowTextColor = Color::system(SystemColor::WindowText);
inline constexpr Color kButtonFaceColor = Color::system(SystemColor::ButtonFace);
inline constexpr Color kHighlightColor = Color::system(SystemColor::Highlight);
inline constexpr Color kHighlightTextColor = Color::system(SystemColor::HighlightText);

// The dialog font every window of the program starts with.
inline constexpr const wchar_t* kDefaultFontName = L"MS Sans Serif";
inline constexpr int kDefaultFontSize = 8;

struct Font {
    std::wstring name = kDefaultFontName;
    int size = kDefaultFontSize;  // points
    bool bold = false;
    Color color = kWindowTextColor;

    bool operator==(const Font& other) const {
        return name == other.name && size == other.size && bold == other.bold &&
               color == other.color;
    }
    bool operator!=(const Font& other) const { return !(*this == other); }
};

enum class MouseButton { Left, Right, Middle };

enum class Alignment { Left, Center, Right };

// How a row of an owner-drawn list is to be drawn.
struct OwnerDrawState {
    bool selected = false;
    bool focused = false;
    // The row shown in the closed drop-down list's own face, not in its list.
    bool comboBoxEdit = false;

    bool operator==(const OwnerDrawState& other) const {
        return selected == other.selected && focused == other.focused &&
               comboBoxEdit == other.comboBoxEdit;
    }
};

// What closing a form does, as its onClose handler decides. Free closes like Hide:
// the form's C++ owner decides when it is destroyed.
enum class CloseAction { None, Hide, Free, Minimize };

// How a modal form ended. Any other positive value is the program's own.
using ModalResult = int;
inline constexpr ModalResult kModalNone = 0;
inline constexpr ModalResult kModalOk = 1;
inline constexpr ModalResult kModalCancel = 2;
inline constexpr ModalResult kModalYes = 6;
inline constexpr ModalResult kModalNo = 7;

// Identifies a window to the message-box service: the native window handle, or
// a token unique to the form when it runs headless.
using WindowId = std::uintptr_t;

// A window message as the native layer received it, for controls that need to
// see one before the standard control does (see Control::handleNativeMessage).
struct NativeMessage {
    unsigned message = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    std::intptr_t result = 0;
};

}  // namespace ui
