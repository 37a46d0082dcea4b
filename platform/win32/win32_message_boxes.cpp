#include "platform/win32/win32_message_boxes.h"

#include <windows.h>

#include <algorithm>

#include "platform/errors.h"

namespace platform {
namespace {

UINT buttonFlags(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MB_OK;
        case MessageButtons::OkCancel:
            return MB_OKCANCEL;
        case MessageButtons::YesNo:
            return MB_YESNO;
        case MessageButtons::YesNoCancel:
            return MB_YESNOCANCEL;
    }
    return MB_OK;
}

UINT iconFlags(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return 0;
        case MessageIcon::Error:
            return MB_ICONSTOP;
        case MessageIcon::Warning:
            return MB_ICONWARNING;
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::Question:
            return MB_ICONQUESTION;
    }
    return 0;
}

UINT defaultButtonFlags(const MessageBoxRequest& box) {
    static const UINT positions[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3};
    const auto buttons = buttonsOf(box.buttons);
    const auto at = std::find(buttons.begin(), buttons.end(), effectiveDefault(box));
    return positions[at - buttons.begin()];
}

MessageAnswer answerOf(int result) {
    switch (result) {
        case IDOK:
            return MessageAnswer::Ok;
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Cancel;
    }
}

}  // namespace

MessageAnswer Win32MessageBoxes::show(const MessageBoxRequest& box) {
    const UINT flags = buttonFlags(box.buttons) | iconFlags(box.icon) | defaultButtonFlags(box) |
                       (box.systemModal ? MB_SYSTEMMODAL : 0);
    const int result = MessageBoxW(reinterpret_cast<HWND>(box.owner), box.text.c_str(),
                                   box.caption.c_str(), flags);
    if (result == 0) {
        throw Error(L"The message box \"" + box.caption + L"\" could not be shown (error " +
                    std::to_wstring(GetLastError()) + L")");
    }
    return answerOf(result);
}

}  // namespace platform
