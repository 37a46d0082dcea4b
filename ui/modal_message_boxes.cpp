#include "ui/modal_message_boxes.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

platform::MessageAnswer ModalMessageBoxes::show(const platform::MessageBoxRequest& box) {
    platform::MessageBoxRequest owned = box;
    const Form* owner = application_.topmostWindow();
    owned.owner = owner != nullptr ? owner->windowId() : 0;
    return system_.show(owned);
}

}  // namespace ui
