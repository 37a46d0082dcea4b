#pragma once

#include <cstdint>

namespace platform {

// A loaded cursor image, as the cursor service hands it out (an HCURSOR on
// Windows, a counted token in the in-memory service). 0 is no cursor.
using CursorHandle = std::uintptr_t;
inline constexpr CursorHandle kNoCursor = 0;

}  // namespace platform
