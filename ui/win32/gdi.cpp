#include "ui/win32/gdi.h"

namespace ui::win32 {
namespace {

int systemColorIndex(SystemColor color) {
    switch (color) {
        case SystemColor::Window:
            return COLOR_WINDOW;
        case SystemColor::WindowText:
            return COLOR_WINDOWTEXT;
        case SystemColor::ButtonFace:
            return COLOR_BTNFACE;
        case SystemColor::ButtonText:
            return COLOR_BTNTEXT;
        case SystemColor::Highlight:
            return COLOR_HIGHLIGHT;
        case SystemColor::HighlightText:
            return COLOR_HIGHLIGHTTEXT;
        case SystemColor::GrayText:
            return COLOR_GRAYTEXT;
    }
    return COLOR_WINDOW;
}

}  // namespace

Rect toDevice(const platform::DpiScale& scale, const Rect& logical) {
    return {scale.toDevice(logical.left), scale.toDevice(logical.top),
            scale.toDevice(logical.right), scale.toDevice(logical.bottom)};
}

COLORREF colorRef(Color color) {
    if (color.isSystem()) {
        return GetSysColor(systemColorIndex(color.systemColor()));
    }
    return RGB(color.red(), color.green(), color.blue());
}

FontCache::~FontCache() {
    for (const auto& entry : fonts_) {
        DeleteObject(entry.second);
    }
}

HFONT FontCache::font(const Font& font) {
    const auto key = std::make_tuple(font.name, font.size, font.bold);
    const auto found = fonts_.find(key);
    if (found != fonts_.end()) {
        return found->second;
    }
    LOGFONTW description{};
    description.lfHeight = -scale_.fontPixels(font.size);
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    description.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(description.lfFaceName, font.name.c_str(), LF_FACESIZE);
    HFONT made = CreateFontIndirectW(&description);
    fonts_[key] = made;
    return made;
}

int GdiCanvas::deviceX(int x) const {
    return origin_.device.x + scale_.toDevice(x - origin_.logical.x);
}

int GdiCanvas::deviceY(int y) const {
    return origin_.device.y + scale_.toDevice(y - origin_.logical.y);
}

RECT GdiCanvas::deviceRect(const Rect& rect) const {
    return {deviceX(rect.left), deviceY(rect.top), deviceX(rect.right), deviceY(rect.bottom)};
}

void GdiCanvas::fillRect(const Rect& rect) {
    HBRUSH brush = CreateSolidBrush(colorRef(brushColor()));
    const RECT area = deviceRect(rect);
    FillRect(dc_, &area, brush);
    DeleteObject(brush);
}

void GdiCanvas::textOut(int x, int y, const std::wstring& text) {
    HGDIOBJ previous = SelectObject(dc_, fonts_.font(font()));
    SetTextColor(dc_, colorRef(font().color));
    SetBkColor(dc_, colorRef(brushColor()));
    SetBkMode(dc_, OPAQUE);
    TextOutW(dc_, deviceX(x), deviceY(y), text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc_, previous);
}

SIZE GdiCanvas::measure(const std::wstring& text) {
    HGDIOBJ previous = SelectObject(dc_, fonts_.font(font()));
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc_, previous);
    return size;
}

int GdiCanvas::textWidth(const std::wstring& text) {
    return scale_.toLogical(measure(text).cx);
}

int GdiCanvas::textHeight(const std::wstring& text) {
    return scale_.toLogical(measure(text).cy);
}

void GdiCanvas::drawIcon(int x, int y, platform::CursorHandle icon, int width, int height) {
    if (icon != platform::kNoCursor) {
        const RECT area = deviceRect({x, y, x + width, y + height});
        DrawIconEx(dc_, area.left, area.top, reinterpret_cast<HICON>(icon), area.right - area.left,
                   area.bottom - area.top, 0, nullptr, DI_NORMAL);
    }
}

template <typename Operation>
auto WindowCanvas::onWindow(Operation operation) {
    HDC dc = GetDC(window_);
    GdiCanvas canvas(dc, fonts_, scale_, origin_);
    canvas.setBrushColor(brushColor());
    canvas.setFont(font());
    struct Release {
        HWND window;
        HDC dc;
        ~Release() { ReleaseDC(window, dc); }
    } release{window_, dc};
    return operation(canvas);
}

void WindowCanvas::fillRect(const Rect& rect) {
    onWindow([&](GdiCanvas& canvas) { canvas.fillRect(rect); });
}

void WindowCanvas::textOut(int x, int y, const std::wstring& text) {
    onWindow([&](GdiCanvas& canvas) { canvas.textOut(x, y, text); });
}

int WindowCanvas::textWidth(const std::wstring& text) {
    return onWindow([&](GdiCanvas& canvas) { return canvas.textWidth(text); });
}

int WindowCanvas::textHeight(const std::wstring& text) {
    return onWindow([&](GdiCanvas& canvas) { return canvas.textHeight(text); });
}

void WindowCanvas::drawIcon(int x, int y, platform::CursorHandle icon, int width, int height) {
    onWindow([&](GdiCanvas& canvas) { canvas.drawIcon(x, y, icon, width, height); });
}

}  // namespace ui::win32
