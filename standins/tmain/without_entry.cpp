// A TMain.dll that is no applet library: its entry is spelt with the wrong case,
// and the control panel's lookup by name is exact.

#include <windows.h>

extern "C" LONG WINAPI CplApplet(HWND, UINT, LPARAM, LPARAM) {
    return 0;
}
