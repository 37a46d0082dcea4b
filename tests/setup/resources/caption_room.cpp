#include "tests/setup/resources/caption_room.h"

#include "platform/dpi_scale.h"
#include "platform/text.h"
#include "platform/win32/screen_dpi.h"
#include "ui/standard_controls.h"

namespace setup::layout_check {
namespace {

// What a control's face keeps for itself beside its caption, on a 96-DPI
// screen: a push button's edges and focus frame, a check box's box and the
// gap after it, a group box's frame either side of the caption it breaks.
constexpr int kButtonEdges = 8;
constexpr int kCheckMark = 18;
constexpr int kGroupFrame = 16;

HWND windowOf(const ui::Control& control) {
    return control.peer() != nullptr ? reinterpret_cast<HWND>(control.peer()->windowId()) : nullptr;
}

}  // namespace

bool hasWindow(const ui::Control& control) {
    return windowOf(control) != nullptr;
}

namespace {

// Room the face keeps beside the text, on this screen; negative for a
// control without a caption of its own to check.
int besideText(const ui::Control& control) {
    const platform::DpiScale scale(platform::screenDpi());
    if (dynamic_cast<const ui::Label*>(&control) != nullptr) {
        return 0;
    }
    if (dynamic_cast<const ui::Button*>(&control) != nullptr) {
        return scale.toDevice(kButtonEdges);
    }
    if (dynamic_cast<const ui::CheckBox*>(&control) != nullptr) {
        return scale.toDevice(kCheckMark);
    }
    if (dynamic_cast<const ui::GroupBox*>(&control) != nullptr) {
        return scale.toDevice(kGroupFrame);
    }
    return -1;
}

// The text's extent in the window's own font, wrapped at width when wraps;
// "&" marks as the window shows them.
SIZE measure(HWND window, const std::wstring& text, int width, bool wraps) {
    RECT needed{0, 0, width, 0};
    HDC dc = GetDC(window);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(dc, font);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return {needed.right, needed.bottom};
}

void collect(const ui::Control& control, std::vector<CrampedCaption>& cramped) {
    HWND window = windowOf(control);
    const int reserved = besideText(control);
    if (window != nullptr && reserved >= 0 && !control.caption().empty()) {
        RECT client{};
        GetClientRect(window, &client);
        const SIZE room{client.right - reserved, client.bottom};
        const auto* label = dynamic_cast<const ui::Label*>(&control);
        const bool wraps = label != nullptr && label->wordWrap();
        const SIZE needed = measure(window, control.caption(), room.cx, wraps);
        const bool tooTall = label != nullptr && needed.cy > room.cy;
        if (needed.cx > room.cx || tooTall) {
            cramped.push_back({&control, needed, room});
        }
    }
    for (const ui::Control* child : control.children()) {
        collect(*child, cramped);
    }
}

}  // namespace

std::vector<CrampedCaption> crampedCaptions(const ui::Control& root) {
    std::vector<CrampedCaption> cramped;
    collect(root, cramped);
    return cramped;
}

std::string describe(const CrampedCaption& cramped) {
    return platform::toUtf8(cramped.control->name()) + " \"" +
           platform::toUtf8(cramped.control->caption()) + "\" needs " +
           std::to_string(cramped.needed.cx) + "x" + std::to_string(cramped.needed.cy) + ", has " +
           std::to_string(cramped.room.cx) + "x" + std::to_string(cramped.room.cy);
}

}  // namespace setup::layout_check
