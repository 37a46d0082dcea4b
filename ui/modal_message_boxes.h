#pragma once

#include "platform/message_boxes.h"

namespace ui {

class Application;

// The program's message boxes: each box is owned by the application's topmost
// modal window (a modal form when one is up, else the main form), whatever
// owner the caller named, so that nothing underneath can be clicked until it is
// answered. Before the main form is shown a box has no owner.
class ModalMessageBoxes : public platform::MessageBoxes {
public:
    ModalMessageBoxes(Application& application, platform::MessageBoxes& system)
        : application_(application), system_(system) {}

    platform::MessageAnswer show(const platform::MessageBoxRequest& box) override;

private:
    Application& application_;
    platform::MessageBoxes& system_;
};

}  // namespace ui
