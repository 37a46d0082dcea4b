#include "setup/actions/capture_edit.h"

namespace setup {

bool TActEdit::handleNativeMessage(ui::NativeMessage& message) {
    if (message.message == kSystemCharacterMessage) {
        message.result = 0;
        return true;
    }
    return ui::Edit::handleNativeMessage(message);
}

}  // namespace setup
