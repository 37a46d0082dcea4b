#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "platform/cursors.h"
#include "platform/dpi_scale.h"
#include "platform/win32/screen_dpi.h"
#include "ui/backend.h"
#include "ui/win32/gdi.h"
#include "ui/win32/native_peer.h"

namespace ui {
class Control;
}

namespace ui::win32 {

class NativePeer;

// The model on real windows: common controls (version 6 when the program's
// manifest asks for it), one window per control, a message loop that gives
// each key to the model before the native control, window timers. The model's
// coordinates are pixels of a 96-DPI screen; the windows are made at dpi.
class Win32Backend : public Backend {
public:
    // instance: the module whose bitmap resources pictures load from.
    Win32Backend(platform::Cursors& cursors, HINSTANCE instance, int dpi = platform::screenDpi());
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    void realize(Form& form) override;
    void run(Application& application) override;
    void processMessages(Application& application) override;
    ModalResult runModal(Form& form) override;
    void terminate() override;
    void sleep(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }
    void cursorChanged(platform::CursorKind cursor) override;
    void timerChanged(Timer& timer) override;
    void timerDestroyed(Timer& timer) override;

    // For peers.
    HINSTANCE instance() const { return instance_; }
    const platform::DpiScale& scale() const { return scale_; }
    FontCache& fonts() { return fonts_; }
    platform::Cursors& cursors() { return cursors_; }
    // Gives control and its descendants windows under parent; a control whose
    // peer defers its children gets only its own window.
    void realizeTree(Control& control, HWND parent,
                     NativePeer::Stacking stacking = NativePeer::Stacking::OnTop);
    // Gives the children of a control that has a window theirs.
    void realizeChildren(Control& control);
    // The window class of a form's windows by that name, registered once.
    const wchar_t* formClass(const std::wstring& name);
    // Child control ids, unique in the program, for WM_MEASUREITEM.
    int registerPeer(NativePeer& peer);
    void unregisterPeer(int id);
    NativePeer* peerWithId(int id) const;
    void setHint(HWND control, const std::wstring& hint);
    // A form's window goes, and its tooltip with it.
    void forgetHints(HWND form);
    // The cursor a window of the program shows over its client area.
    HCURSOR cursorFor(HWND window) const;

private:
    // Gives a key or character message to the model first; returns whether
    // the model used it up.
    bool preTranslate(MSG& message);
    // Waits for one message (or takes one waiting) and runs it. Returns false
    // when there was none, or on WM_QUIT, which ends the application.
    bool pumpOne(Application& application, bool wait);
    static LRESULT CALLBACK timerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND timerWindow();

    platform::Cursors& cursors_;
    HINSTANCE instance_;
    platform::DpiScale scale_;
    FontCache fonts_;
    platform::CursorKind cursor_ = platform::CursorKind::Arrow;
    std::map<std::wstring, std::wstring> formClasses_;
    std::map<int, NativePeer*> peers_;
    int nextId_ = 1000;
    HWND timerWindow_ = nullptr;
    std::map<UINT_PTR, Timer*> timers_;
    UINT_PTR nextTimerId_ = 1;
    std::map<HWND, HWND> tooltips_;
};

}  // namespace ui::win32
