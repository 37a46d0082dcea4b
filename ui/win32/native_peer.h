#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ui/control.h"
#include "ui/peer.h"
#include "ui/win32/gdi.h"

namespace ui::win32 {

class Win32Backend;

// The window property holding a control's component name as a global atom,
// so that other programs (tests, accessibility tools) find controls by name.
inline constexpr const wchar_t* kComponentNameProperty = L"ComponentName";

// What kind of native window a peer makes.
struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle = 0;
};

// The native window of one control. It mirrors the model's properties onto the
// window and turns the window's notifications (reflected to it by its parent)
// into the same model changes through the input layer. While the peer writes
// to its window, notifications the window sends back are dropped: the model
// has the change already.
class NativePeer : public Peer {
public:
    NativePeer(Win32Backend& backend, Control& control);
    ~NativePeer() override;
    NativePeer(const NativePeer&) = delete;
    NativePeer& operator=(const NativePeer&) = delete;

    // Where a child's window goes among its siblings: on top, as one made
    // later; or where the system puts a new one, below them all, for callers
    // that make siblings last first.
    enum class Stacking { OnTop, Below };
    // Makes the window under parent (top-level when parent is null), then
    // writes the whole model onto it.
    void create(HWND parent, Stacking stacking = Stacking::OnTop);
    HWND window() const { return window_; }
    Control& control() const { return control_; }
    // The window that the control's children's windows go into.
    virtual HWND childParent() const { return window_; }
    // Whether pictures and shapes may lie on this window, drawn by it (see
    // GraphicPeer); such a window draws them with paintGraphics.
    virtual bool hostsGraphics() const { return false; }
    // Whether the children's windows wait until the control is first shown
    // (a page of a page control: most pages are never visited).
    virtual bool defersChildren() const { return false; }
    // The peer of one of the program's windows; nullptr for any other window.
    static NativePeer* of(HWND window);

    void mirror(Property property) override;
    void pull(Property property) override;
    void childAdded(Control& child) override;
    void focus() override;
    bool wantsKey(int key) const override;
    void repaint() override;
    Canvas& canvas() override;
    WindowId windowId() const override;

    // Notifications, reflected by the parent window.
    virtual void command(WORD code);
    virtual bool notify(const NMHDR& header, LRESULT& result);
    virtual void scrolled();
    virtual void drawItem(const DRAWITEMSTRUCT& item);
    virtual void measureItem(MEASUREITEMSTRUCT& item);
    // WM_CTLCOLOR*: a brush to paint with, or nullptr for the standard colours.
    virtual HBRUSH controlColor(HDC dc);
    // WM_COMMAND from a child window without a peer of its own (a radio item).
    virtual void childCommand(HWND child, WORD code);

protected:
    virtual WindowKind kind() const = 0;
    // The window's place when it is made, in screen pixels: the control's.
    virtual Rect windowBounds() const;
    // A message to the window, before the standard control sees it. Return
    // true with result when it is handled.
    virtual bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Controls without click notifications of their own (panels, pictures,
    // labels) make clicks and double clicks from the mouse.
    virtual bool mouseMakesClicks() const { return false; }
    // The control the mouse is over at a point of the window, its place on the
    // window, and whether the mouse makes its clicks.
    struct MouseTarget {
        Control& control;
        RECT place;
        bool makesClicks;
    };
    MouseTarget mouseTargetAt(POINT at);
    void paintGraphics(HDC dc, const RECT& update);
    // The picture or shape on top at a point of the window, if a shown and
    // usable one is there.
    Control* graphicAt(POINT at, RECT& place);
    // Whether the caption is the window's text (not for edits and lists).
    virtual bool showsCaption() const { return true; }
    // The window that takes the keyboard focus for the control.
    virtual HWND focusWindow() const { return window_; }
    // Messages the standard control gets first, then the model.
    LRESULT standard(UINT message, WPARAM wParam, LPARAM lParam);
    // The standard control handles the message, then after runs, unless a
    // handler destroyed the control meanwhile.
    LRESULT standardThen(UINT message, WPARAM wParam, LPARAM lParam,
                         const std::function<void()>& after);

    Win32Backend& backend() const { return backend_; }
    // Sends to the window as a write of the peer: whatever the window
    // notifies meanwhile is the echo of this write.
    LRESULT write(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    bool writing() const { return writing_ > 0; }
    // The echo guard around writes that are not single messages.
    class Writing {
    public:
        explicit Writing(NativePeer& peer) : peer_(peer) { ++peer_.writing_; }
        ~Writing() { --peer_.writing_; }
        Writing(const Writing&) = delete;
        Writing& operator=(const Writing&) = delete;

    private:
        NativePeer& peer_;
    };
    // Changes the window's style bits within mask.
    void setStyle(DWORD mask, DWORD bits);

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR peer);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void mouse(UINT message, WPARAM wParam, LPARAM lParam);
    void nameWindow();
    void forgetWindow();
    bool madeWith(Property property);

    Win32Backend& backend_;
    Control& control_;
    HWND window_ = nullptr;
    int id_ = 0;
    ATOM nameAtom_ = 0;
    int writing_ = 0;
    const Control* pressedOn_ = nullptr;  // where the left button went down
    bool creating_ = false;
    bool child_ = false;
    // Cleared when the peer goes, so that a message whose handler destroyed
    // the control returns without touching it.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::unique_ptr<WindowCanvas> canvas_;
};

}  // namespace ui::win32
