#pragma once

#include "platform/cursors.h"
#include "ui/application.h"

namespace setup {

// Shows a busy cursor (the hourglass, or the application-starting cursor) for
// its lifetime; the arrow comes back on every way out, a failure included.
class BusyCursor {
public:
    explicit BusyCursor(ui::Application& application,
                        platform::CursorKind kind = platform::CursorKind::Wait)
        : application_(application) {
        application_.setCursor(kind);
    }
    ~BusyCursor() { application_.setCursor(platform::CursorKind::Arrow); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    ui::Application& application_;
};

}  // namespace setup
