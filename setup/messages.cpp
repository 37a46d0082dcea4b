#include "setup/messages.h"

namespace setup {

void showStopMessage(platform::MessageBoxes& boxes, const std::wstring& text,
                     const std::wstring& caption, platform::MessageIcon icon) {
    platform::MessageBoxRequest box;
    box.text = text;
    box.caption = caption;
    box.icon = icon;
    box.systemModal = true;
    boxes.show(box);
}

platform::MessageAnswer askToApplyChanges(platform::MessageBoxes& boxes, const std::wstring& text) {
    platform::MessageBoxRequest box;
    box.text = text;
    box.caption = L"Warning";
    box.buttons = platform::MessageButtons::YesNoCancel;
    box.defaultButton = platform::MessageAnswer::Cancel;
    return boxes.show(box);
}

void MessageBoxMacroReporter::report(const std::wstring& message) {
    platform::MessageBoxRequest box;
    box.text = message;
    box.caption = caption_;
    boxes_.show(box);
}

}  // namespace setup
