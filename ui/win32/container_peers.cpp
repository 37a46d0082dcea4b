#include <windows.h>

#include <commctrl.h>

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

// A picture drawn larger on a scaled screen, smoothed by halftoning. A
// transparent one is first laid onto the form's colour at its own size, so
// that its key colour cannot bleed into the blended edges.
void drawEnlarged(HDC dc, const RECT& target, HDC picture, const BITMAP& info, bool transparent) {
    HDC flat = picture;
    HDC composed = nullptr;
    HGDIOBJ previous = nullptr;
    if (transparent) {
        composed = CreateCompatibleDC(dc);
        previous = SelectObject(composed, CreateCompatibleBitmap(dc, info.bmWidth, info.bmHeight));
        const RECT whole{0, 0, info.bmWidth, info.bmHeight};
        FillRect(composed, &whole, GetSysColorBrush(COLOR_BTNFACE));
        const COLORREF key = GetPixel(picture, 0, info.bmHeight - 1);
        GdiTransparentBlt(composed, 0, 0, info.bmWidth, info.bmHeight, picture, 0, 0, info.bmWidth,
                          info.bmHeight, key);
        flat = composed;
    }
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top,
               flat, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    if (composed != nullptr) {
        DeleteObject(SelectObject(composed, previous));
        DeleteDC(composed);
    }
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

void ShapePeer::mirror(Property property) {
    NativePeer::mirror(property);
    if (property == Property::Appearance) {
        InvalidateRect(window(), nullptr, TRUE);
    }
}

void ShapePeer::paint(HDC dc, const RECT& client) {
    HBRUSH brush = CreateSolidBrush(colorRef(shape_.brushColor()));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    if (shape_.penStyle() == PenStyle::Solid) {
        HBRUSH pen = CreateSolidBrush(colorRef(shape_.penColor()));
        FrameRect(dc, &client, pen);
        DeleteObject(pen);
    }
}

ImagePeer::~ImagePeer() {
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
}

void ImagePeer::mirror(Property property) {
    NativePeer::mirror(property);
    if (property == Property::Picture) {
        HBITMAP loaded = nullptr;
        if (!image_.picture().empty()) {
            loaded = static_cast<HBITMAP>(LoadImageW(backend().instance(), image_.picture().c_str(),
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
            if (loaded == nullptr) {
                throw platform::Error(L"Resource " + image_.picture() + L" not found");
            }
        }
        if (bitmap_ != nullptr) {
            DeleteObject(bitmap_);
        }
        bitmap_ = loaded;
    }
    if (property == Property::Picture || property == Property::Appearance) {
        InvalidateRect(window(), nullptr, TRUE);
    }
}

// Drawn at its own size on the screen from the top-left corner (or centred),
// clipped to the control, or stretched over it; a transparent picture leaves
// out the colour of its bottom-left pixel (gdi32's own transparent copy, which
// spares the program loading msimg32.dll at start).
void ImagePeer::paint(HDC dc, const RECT& client) {
    if (bitmap_ == nullptr) {
        return;
    }
    BITMAP info{};
    GetObjectW(bitmap_, sizeof info, &info);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, bitmap_);
    const platform::DpiScale& scale = backend().scale();
    int left = 0;
    int top = 0;
    int width = scale.toDevice(info.bmWidth);
    int height = scale.toDevice(info.bmHeight);
    if (image_.stretch()) {
        width = client.right;
        height = client.bottom;
    } else if (image_.center()) {
        left = (client.right - width) / 2;
        top = (client.bottom - height) / 2;
    }
    if (!scale.unscaled()) {
        drawEnlarged(dc, {left, top, left + width, top + height}, source, info,
                     image_.transparent());
    } else if (image_.transparent()) {
        const COLORREF key = GetPixel(source, 0, info.bmHeight - 1);
        GdiTransparentBlt(dc, left, top, width, height, source, 0, 0, info.bmWidth, info.bmHeight,
                          key);
    } else {
        StretchBlt(dc, left, top, width, height, source, 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
    }
    SelectObject(source, previous);
    DeleteDC(source);
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

}  // namespace ui::win32
