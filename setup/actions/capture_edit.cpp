#include "setup/actions/capture_edit.h"

#include <algorithm>
#include <iterator>

namespace setup {
namespace {

constexpr unsigned kCutMessage = 0x0300;             // WM_CUT
constexpr unsigned kPasteMessage = 0x0302;           // WM_PASTE
constexpr unsigned kClearMessage = 0x0303;           // WM_CLEAR
constexpr unsigned kUndoMessage = 0x0304;            // WM_UNDO
constexpr unsigned kReplaceSelectionMessage = 0xC2;  // EM_REPLACESEL
constexpr unsigned kEditUndoMessage = 0xC7;          // EM_UNDO

// The native edit's own text changes. Not WM_SETTEXT: the peer writes the
// model's text with it; sent by another program, its change is put back.
constexpr unsigned kRefusedEdits[] = {
    kCutMessage,     kPasteMessage, kClearMessage, kUndoMessage, kReplaceSelectionMessage,
    kEditUndoMessage};

}  // namespace

bool TActEdit::handleNativeMessage(ui::NativeMessage& message) {
    const bool refused = std::find(std::begin(kRefusedEdits), std::end(kRefusedEdits),
                                   message.message) != std::end(kRefusedEdits);
    if (message.message == kSystemCharacterMessage || refused) {
        message.result = 0;
        return true;
    }
    return ui::Edit::handleNativeMessage(message);
}

}  // namespace setup
