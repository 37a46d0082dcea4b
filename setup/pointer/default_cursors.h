#pragma once

#include <array>
#include <future>
#include <string>
#include <vector>

#include "platform/cursors.h"
#include "setup/pointer/scheme_value.h"

namespace setup {

// The driver's own cursor for each pointer role, P1.cur to P14.cur in the "p"
// folder of its installation. Nothing shows them before the Pointers tab or an
// Apply needs one, so the window does not wait for them while it opens: the
// cursor service reads them when it likes, and every use here waits until
// they are in. The cursors belong to this object.
class DefaultCursors {
public:
    explicit DefaultCursors(platform::Cursors& cursors) : cursors_(cursors) {}
    ~DefaultCursors() { release(); }
    DefaultCursors(const DefaultCursors&) = delete;
    DefaultCursors& operator=(const DefaultCursors&) = delete;

    // Starts reading the cursors of the installation in installDirectory.
    void load(const std::wstring& installDirectory);
    // The role's cursor (0-based); kNoCursor when its file is missing or is no
    // cursor. It stays owned here.
    platform::CursorHandle operator[](int role);
    // Destroys every cursor held.
    void release();

    // The cursors held, once they are in: kNoCursor where there is none.
    using Iterator = std::array<platform::CursorHandle, kSchemeRoles>::const_iterator;
    Iterator begin();
    Iterator end();

private:
    void takeLoaded();

    platform::Cursors& cursors_;
    std::future<std::vector<platform::CursorHandle>> loading_;
    std::array<platform::CursorHandle, kSchemeRoles> loaded_{};
};

}  // namespace setup
