#pragma once

#include <string>

#include "platform/message_boxes.h"
#include "setup/actions/macro.h"

// The program's fixed message boxes.
namespace setup {

// Errors and limits: system-modal, one OK button.
void showStopMessage(platform::MessageBoxes& boxes, const std::wstring& text,
                     const std::wstring& caption,
                     platform::MessageIcon icon = platform::MessageIcon::None);

// Whether to apply unapplied changes first: Yes, No or Cancel, caption
// "Warning", Cancel the default, no icon.
platform::MessageAnswer askToApplyChanges(platform::MessageBoxes& boxes, const std::wstring& text);

// The macro converters' problems, in a plain box captioned with the program's
// title, one OK button, no icon.
class MessageBoxMacroReporter : public MacroReporter {
public:
    MessageBoxMacroReporter(platform::MessageBoxes& boxes, const std::wstring& caption)
        : boxes_(boxes), caption_(caption) {}
    void report(const std::wstring& message) override;

private:
    platform::MessageBoxes& boxes_;
    const std::wstring& caption_;
};

}  // namespace setup
