#include <windows.h>

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include "platform/errors.h"
#include "ui/input.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {
namespace {

UINT edgeOf(Bevel bevel, UINT raised, UINT sunken) {
    switch (bevel) {
        case Bevel::Raised:
            return raised;
        case Bevel::Lowered:
            return sunken;
        case Bevel::None:
            break;
    }
    return 0;
}

}  // namespace

WindowKind ContainerPeer::kind() const {
    return {kContainerClass, WS_CLIPCHILDREN};
}

bool ContainerPeer::handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paintInfo{};
        HDC dc = BeginPaint(window(), &paintInfo);
        RECT client{};
        GetClientRect(window(), &client);
        paint(dc, client);
        paintGraphics(dc, paintInfo.rcPaint);
        EndPaint(window(), &paintInfo);
        result = 0;
        return true;
    }
    return NativePeer::handle(message, wParam, lParam, result);
}

void ContainerPeer::paint(HDC, const RECT&) {}

void PanelPeer::mirror(Property property) {
    NativePeer::mirror(property);
    if (property == Property::Appearance || property == Property::Caption) {
        InvalidateRect(window(), nullptr, TRUE);
    }
}

void PanelPeer::paint(HDC dc, const RECT& client) {
    RECT area = client;
    if (const UINT outer = edgeOf(panel_.bevelOuter(), BDR_RAISEDOUTER, BDR_SUNKENOUTER)) {
        DrawEdge(dc, &area, outer, BF_RECT | BF_ADJUST);
    }
    if (const UINT inner = edgeOf(panel_.bevelInner(), BDR_RAISEDINNER, BDR_SUNKENINNER)) {
        DrawEdge(dc, &area, inner, BF_RECT | BF_ADJUST);
    }
    if (panel_.caption().empty()) {
        return;
    }
    HGDIOBJ previous = SelectObject(dc, backend().fonts().font(panel_.font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(panel_.font().color));
    DrawTextW(dc, panel_.caption().c_str(), -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, previous);
}

void TabSheetPeer::mirror(Property property) {
    if (property == Property::Visible && page_.visible() && !childrenRealized_) {
        childrenRealized_ = true;
        backend().realizeChildren(page_);
    }
    NativePeer::mirror(property);
    if (property == Property::Caption) {
        if (auto* tabs = dynamic_cast<PageControlPeer*>(page_.pageControl().peer())) {
            tabs->refreshTabs();
        }
    }
}

WindowKind PageControlPeer::kind() const {
    return {WC_TABCONTROLW, static_cast<DWORD>(WS_CLIPCHILDREN | WS_TABSTOP), WS_EX_CONTROLPARENT};
}

void PageControlPeer::mirror(Property property) {
    switch (property) {
        case Property::Appearance:
            refreshTabs();
            break;
        case Property::ActivePage:
            if (TabSheet* page = pages_.activePage()) {
                backend().realizeTree(*page, window());
            }
            write(TCM_SETCURSEL, pages_.tabsVisible() ? pages_.activePageIndex() : -1);
            break;
        default:
            NativePeer::mirror(property);
    }
}

void PageControlPeer::refreshTabs() {
    Writing guard(*this);
    SendMessageW(window(), TCM_DELETEALLITEMS, 0, 0);
    if (!pages_.tabsVisible()) {
        return;
    }
    for (int index = 0; index < pages_.pageCount(); ++index) {
        std::wstring caption = pages_.page(index).caption();
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = caption.data();
        SendMessageW(window(), TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&tab));
    }
    SendMessageW(window(), TCM_SETCURSEL, pages_.activePageIndex(), 0);
}

bool PageControlPeer::notify(const NMHDR& header, LRESULT& result) {
    if (header.code != static_cast<UINT>(TCN_SELCHANGE)) {
        return false;
    }
    const auto index = static_cast<int>(SendMessageW(window(), TCM_GETCURSEL, 0, 0));
    if (index >= 0) {
        input::tabSelected(pages_, index);
    }
    result = 0;
    return true;
}

WindowKind TablessPagesPeer::kind() const {
    return {kContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}

void TablessPagesPeer::mirror(Property property) {
    switch (property) {
        case Property::Appearance:
            if (pages_.tabsVisible()) {
                throw InvalidOperation(L"A page control's tabs are shown or hidden before its "
                                       L"window is made (" +
                                       pages_.name() + L")");
            }
            break;
        case Property::ActivePage:
            if (TabSheet* page = pages_.activePage()) {
                backend().realizeTree(*page, window());
            }
            break;
        default:
            ContainerPeer::mirror(property);
    }
}

// The tab control's pane: the visual style's when one is active, else a soft
// raised edge. The pages cover all but its frame, so only the frame's four
// strips are drawn: a style stretches its pane picture over whatever it is
// asked to fill.
void TablessPagesPeer::paint(HDC dc, const RECT& client) {
    RECT pane = client;
    if (HTHEME theme = IsAppThemed() ? OpenThemeData(window(), L"Tab") : nullptr) {
        const Rect inner = toDevice(backend().scale(), pages_.pageRect());
        const RECT strips[] = {{pane.left, pane.top, pane.right, inner.top},
                               {pane.left, inner.bottom, pane.right, pane.bottom},
                               {pane.left, inner.top, inner.left, inner.bottom},
                               {inner.right, inner.top, pane.right, inner.bottom}};
        for (const RECT& strip : strips) {
            DrawThemeBackground(theme, dc, TABP_PANE, 0, &pane, &strip);
        }
        CloseThemeData(theme);
    } else {
        DrawEdge(dc, &pane, EDGE_RAISED, BF_SOFT | BF_RECT);
    }
}

}  // namespace ui::win32
