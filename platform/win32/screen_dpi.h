#pragma once

namespace platform {

// The DPI of the screen as this process sees it: the system's when the
// program declares itself DPI aware, else 96. Read once, at the first call:
// the windows are laid out for one DPI for the whole run.
int screenDpi();

}  // namespace platform
