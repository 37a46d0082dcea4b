#pragma once

#include <memory>
#include <vector>

#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_controls.h"
#include "ui/page_control.h"
#include "ui/standard_controls.h"
#include "ui/track_bar.h"
#include "ui/win32/native_peer.h"

// One peer class per kind of control: which standard window it is and how its
// properties and notifications map onto the model.
namespace ui::win32 {

class GraphicPeer;

// The peer of a control with a window of its own.
std::unique_ptr<NativePeer> makePeer(Win32Backend& backend, Control& control);
// The peer of a picture or shape, drawn by the window it lies on; nullptr for
// any other control.
std::unique_ptr<GraphicPeer> makeGraphicPeer(Win32Backend& backend, Control& control);

// The program's own window class for panels, pages, shapes and pictures.
inline constexpr const wchar_t* kContainerClass = L"TarvexContainer";

class FormPeer : public NativePeer {
public:
    FormPeer(Win32Backend& backend, Form& form);
    ~FormPeer() override;
    void mirror(Property property) override;
    void focus() override;

protected:
    WindowKind kind() const override;
    Rect windowBounds() const override;
    bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    Rect centredFrame(DWORD style, DWORD exStyle) const;
    POINT clientSize() const;
    void placeCentred();
    void moveFrameTo(const Rect& frame);
    Form& form_;
};

class ButtonPeer : public NativePeer {
public:
    ButtonPeer(Win32Backend& backend, Button& button)
        : NativePeer(backend, button), button_(button) {}
    void mirror(Property property) override;
    void command(WORD code) override;

protected:
    WindowKind kind() const override;

private:
    Button& button_;
};

class CheckBoxPeer : public NativePeer {
public:
    CheckBoxPeer(Win32Backend& backend, CheckBox& box) : NativePeer(backend, box), box_(box) {}
    void mirror(Property property) override;
    void command(WORD code) override;

protected:
    WindowKind kind() const override;

private:
    CheckBox& box_;
};

// A group box, with the pictures that lie in it drawn over its standard face.
class GroupBoxPeer : public NativePeer {
public:
    using NativePeer::NativePeer;
    bool hostsGraphics() const override { return true; }

protected:
    WindowKind kind() const override;
    bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// A group box holding one radio button per item (they have no peers: their
// notifications reach the group).
class RadioGroupPeer : public GroupBoxPeer {
public:
    RadioGroupPeer(Win32Backend& backend, RadioGroup& group)
        : GroupBoxPeer(backend, group), group_(group) {}
    ~RadioGroupPeer() override;
    void mirror(Property property) override;
    void childCommand(HWND child, WORD code) override;

protected:
    HWND focusWindow() const override;

private:
    static LRESULT CALLBACK itemProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR peer);
    void makeItems();
    void layOutItems();

    RadioGroup& group_;
    std::vector<HWND> items_;
};

class LabelPeer : public NativePeer {
public:
    LabelPeer(Win32Backend& backend, Label& label) : NativePeer(backend, label), label_(label) {}
    void mirror(Property property) override;
    HBRUSH controlColor(HDC dc) override;

protected:
    WindowKind kind() const override;
    bool mouseMakesClicks() const override { return true; }

private:
    DWORD layoutStyle() const;
    Label& label_;
};

// Windows of the program's container class (pages and panels), on the form's
// colour, each drawing what it shows over it, then the pictures and shapes
// that lie on it.
class ContainerPeer : public NativePeer {
public:
    using NativePeer::NativePeer;
    bool hostsGraphics() const override { return true; }

protected:
    WindowKind kind() const override;
    bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool mouseMakesClicks() const override { return true; }
    virtual void paint(HDC dc, const RECT& client);
};

// A control drawn by the window it lies on, as classic form toolkits draw
// pictures and shapes: it has no window of its own to make, show, erase and
// paint. Its host draws it over its own face, in the order the controls were
// added and below the host's child windows, and passes it the mouse over it.
class GraphicPeer : public Peer {
public:
    GraphicPeer(Win32Backend& backend, Control& control, NativePeer& host);
    ~GraphicPeer() override;
    GraphicPeer(const GraphicPeer&) = delete;
    GraphicPeer& operator=(const GraphicPeer&) = delete;

    void mirror(Property property) override;
    void pull(Property) override {}
    void childAdded(Control& child) override;
    void focus() override {}
    bool wantsKey(int) const override { return false; }
    void repaint() override;
    Canvas& canvas() override;
    WindowId windowId() const override;

    // Its place on the host's window, in screen pixels.
    RECT place() const;
    // Draws it on the host's device context when it is shown and meets update.
    void paint(HDC dc, const RECT& update);

protected:
    Win32Backend& backend() const { return backend_; }
    // Draws it within area, its own rectangle at the device context's origin.
    virtual void draw(HDC dc, const RECT& area) = 0;

private:
    void invalidate(const RECT& area);

    Win32Backend& backend_;
    Control& control_;
    NativePeer& host_;
    RECT shown_;  // where it was last drawn, to be covered when it moves or goes
    std::unique_ptr<WindowCanvas> canvas_;
};

class PanelPeer : public ContainerPeer {
public:
    PanelPeer(Win32Backend& backend, Panel& panel) : ContainerPeer(backend, panel), panel_(panel) {}
    void mirror(Property property) override;

protected:
    bool showsCaption() const override { return false; }
    void paint(HDC dc, const RECT& client) override;

private:
    Panel& panel_;
};

class ShapePeer : public GraphicPeer {
public:
    ShapePeer(Win32Backend& backend, Shape& shape, NativePeer& host)
        : GraphicPeer(backend, shape, host), shape_(shape) {}

protected:
    void draw(HDC dc, const RECT& area) override;

private:
    Shape& shape_;
};

class ImagePeer : public GraphicPeer {
public:
    ImagePeer(Win32Backend& backend, Image& image, NativePeer& host);
    ~ImagePeer() override;
    void mirror(Property property) override;

protected:
    void draw(HDC dc, const RECT& area) override;

private:
    Image& image_;
    HBITMAP bitmap_ = nullptr;
};

// A page's controls get their windows when the page is first shown: the
// program's start then makes only the windows of the page it opens on.
class TabSheetPeer : public ContainerPeer {
public:
    TabSheetPeer(Win32Backend& backend, TabSheet& page)
        : ContainerPeer(backend, page), page_(page) {}
    void mirror(Property property) override;
    bool defersChildren() const override { return !childrenRealized_; }

protected:
    bool showsCaption() const override { return false; }
    bool mouseMakesClicks() const override { return false; }

private:
    TabSheet& page_;
    bool childrenRealized_ = false;
};

class PageControlPeer : public NativePeer {
public:
    PageControlPeer(Win32Backend& backend, PageControl& pages)
        : NativePeer(backend, pages), pages_(pages) {}
    void mirror(Property property) override;
    bool notify(const NMHDR& header, LRESULT& result) override;
    // Makes the tabs again from the pages (none while the tabs are hidden).
    void refreshTabs();
    // A page gets its window when it is first made active: the wizard shows
    // one of its fifteen pages at start, and most users never see them all.
    bool defersChildren() const override { return true; }

protected:
    WindowKind kind() const override;
    bool showsCaption() const override { return false; }

private:
    PageControl& pages_;
};

// A page control without tabs, as a wizard's pages are: of the standard tab
// control it would show only the frame around the pages, so it is a window of
// the program's container class that draws that frame as the tab control
// does. Its tabs stay hidden for its window's life.
class TablessPagesPeer : public ContainerPeer {
public:
    TablessPagesPeer(Win32Backend& backend, PageControl& pages)
        : ContainerPeer(backend, pages), pages_(pages) {}
    void mirror(Property property) override;
    bool defersChildren() const override { return true; }

protected:
    WindowKind kind() const override;
    bool showsCaption() const override { return false; }
    bool mouseMakesClicks() const override { return false; }
    void paint(HDC dc, const RECT& client) override;

private:
    PageControl& pages_;
};

class EditPeer : public NativePeer {
public:
    EditPeer(Win32Backend& backend, Edit& edit) : NativePeer(backend, edit), edit_(edit) {}
    void mirror(Property property) override;
    void pull(Property property) override;
    void command(WORD code) override;

protected:
    WindowKind kind() const override;
    bool showsCaption() const override { return false; }

private:
    Edit& edit_;
};

class TrackBarPeer : public NativePeer {
public:
    TrackBarPeer(Win32Backend& backend, TrackBar& bar) : NativePeer(backend, bar), bar_(bar) {}
    void mirror(Property property) override;
    void scrolled() override;

protected:
    WindowKind kind() const override;
    bool showsCaption() const override { return false; }

private:
    TrackBar& bar_;
};

class ListBoxPeer : public NativePeer {
public:
    ListBoxPeer(Win32Backend& backend, ListBox& list) : NativePeer(backend, list), list_(list) {}
    void mirror(Property property) override;
    void command(WORD code) override;
    void drawItem(const DRAWITEMSTRUCT& item) override;
    void measureItem(MEASUREITEMSTRUCT& item) override;

protected:
    WindowKind kind() const override;
    bool showsCaption() const override { return false; }

private:
    // Lets the rows scroll sideways as far as the widest one reaches.
    void fitHorizontalExtent();

    ListBox& list_;
};

class ComboBoxPeer : public NativePeer {
public:
    ComboBoxPeer(Win32Backend& backend, ComboBox& combo)
        : NativePeer(backend, combo), combo_(combo) {}
    void mirror(Property property) override;
    bool wantsKey(int key) const override;
    void command(WORD code) override;
    void drawItem(const DRAWITEMSTRUCT& item) override;
    void measureItem(MEASUREITEMSTRUCT& item) override;

protected:
    WindowKind kind() const override;
    bool showsCaption() const override { return false; }
    bool handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    int nativeIndex() const;
    bool dropped() const;
    // Reports the item shown as browsed to when the model has another.
    void followNativeChoice();

    ComboBox& combo_;
    // The key or character the standard control is handling (0 when none), and
    // whether the list was open when it came.
    WPARAM keyInProgress_ = 0;
    bool openAtKey_ = false;
};

}  // namespace ui::win32
