#include "platform/win32/screen_dpi.h"

#include <windows.h>

namespace platform {

int screenDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int read = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return read;
    }();
    return dpi;
}

}  // namespace platform
