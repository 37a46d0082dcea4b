// Pictures and shapes: drawn by the window they lie on.
#include <windows.h>

#include <stdexcept>

#include "platform/errors.h"
#include "platform/text.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {
namespace {

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

GraphicPeer::GraphicPeer(Win32Backend& backend, Control& control, NativePeer& host)
    : backend_(backend), control_(control), host_(host), shown_(place()) {
    invalidate(shown_);
}

GraphicPeer::~GraphicPeer() {
    invalidate(shown_);
}

// The place it was drawn at and the place it is drawn at now.
void GraphicPeer::mirror(Property property) {
    if (property == Property::Hint) {
        return;
    }
    invalidate(shown_);
    shown_ = place();
    invalidate(shown_);
}

void GraphicPeer::childAdded(Control& child) {
    throw std::logic_error("a picture or shape holds no controls (" +
                           platform::toUtf8(child.name()) + ")");
}

void GraphicPeer::repaint() {
    invalidate(shown_);
    UpdateWindow(host_.window());
}

// Draws on the host's face at the control's place, in the control's layout
// coordinates.
Canvas& GraphicPeer::canvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<WindowCanvas>(host_.window(), backend_.fonts(), backend_.scale());
    }
    const RECT at = place();
    canvas_->setOrigin({{at.left, at.top}, {0, 0}});
    return *canvas_;
}

WindowId GraphicPeer::windowId() const {
    return host_.windowId();
}

RECT GraphicPeer::place() const {
    const Rect at = toDevice(backend_.scale(), control_.bounds());
    return {at.left, at.top, at.right, at.bottom};
}

void GraphicPeer::paint(HDC dc, const RECT& update) {
    const RECT at = place();
    RECT touched{};
    if (!control_.visible() || !IntersectRect(&touched, &at, &update)) {
        return;
    }
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, at.left, at.top, at.right, at.bottom);
    SetViewportOrgEx(dc, at.left, at.top, nullptr);
    draw(dc, {0, 0, at.right - at.left, at.bottom - at.top});
    RestoreDC(dc, saved);
}

// Not once the host's window has gone: no window would mean the whole screen.
void GraphicPeer::invalidate(const RECT& area) {
    if (host_.window() != nullptr) {
        InvalidateRect(host_.window(), &area, TRUE);
    }
}

void ShapePeer::draw(HDC dc, const RECT& client) {
    HBRUSH brush = CreateSolidBrush(colorRef(shape_.brushColor()));
    FillRect(dc, &client, brush);
    DeleteObject(brush);
    if (shape_.penStyle() == PenStyle::Solid) {
        HBRUSH pen = CreateSolidBrush(colorRef(shape_.penColor()));
        FrameRect(dc, &client, pen);
        DeleteObject(pen);
    }
}

ImagePeer::ImagePeer(Win32Backend& backend, Image& image, NativePeer& host)
    : GraphicPeer(backend, image, host), image_(image) {
    mirror(Property::Picture);
}

ImagePeer::~ImagePeer() {
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
}

void ImagePeer::mirror(Property property) {
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
    GraphicPeer::mirror(property);
}

// Drawn at its own size on the screen from the top-left corner (or centred),
// clipped to the control, or stretched over it; a transparent picture leaves
// out the colour of its bottom-left pixel (gdi32's own transparent copy, which
// spares the program loading msimg32.dll at start).
void ImagePeer::draw(HDC dc, const RECT& client) {
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

}  // namespace ui::win32
