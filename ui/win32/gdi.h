#pragma once

#include <windows.h>

#include <map>
#include <tuple>

#include "platform/dpi_scale.h"
#include "ui/canvas.h"

namespace ui::win32 {

COLORREF colorRef(Color color);

// A layout rectangle on the screen, each edge mapped on its own.
Rect toDevice(const platform::DpiScale& scale, const Rect& logical);

// One GDI font per name, size and weight, made when first asked for and kept
// until the cache goes; point sizes become pixels at the scale's DPI.
class FontCache {
public:
    explicit FontCache(const platform::DpiScale& scale) : scale_(scale) {}
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    HFONT font(const Font& font);

private:
    platform::DpiScale scale_;
    std::map<std::tuple<std::wstring, int, bool>, HFONT> fonts_;
};

// Where a canvas's layout coordinates lie on its device context: the layout
// point logical is the device point device, and lengths from there scale.
struct CanvasOrigin {
    POINT device;
    POINT logical;
};

// Draws into a device context that someone else owns (a WM_DRAWITEM's), in
// layout coordinates; text is measured in layout pixels too.
class GdiCanvas : public Canvas {
public:
    GdiCanvas(HDC dc, FontCache& fonts, const platform::DpiScale& scale, CanvasOrigin origin = {})
        : dc_(dc), fonts_(fonts), scale_(scale), origin_(origin) {}

    void fillRect(const Rect& rect) override;
    void textOut(int x, int y, const std::wstring& text) override;
    int textWidth(const std::wstring& text) override;
    int textHeight(const std::wstring& text) override;
    void drawIcon(int x, int y, platform::CursorHandle icon, int width, int height) override;

private:
    SIZE measure(const std::wstring& text);
    int deviceX(int x) const;
    int deviceY(int y) const;
    RECT deviceRect(const Rect& rect) const;

    HDC dc_;
    FontCache& fonts_;
    platform::DpiScale scale_;
    CanvasOrigin origin_;
};

// Draws on a window's face at once, outside its painting; the next paint
// covers it. Each operation takes the window's device context for its time.
class WindowCanvas : public Canvas {
public:
    WindowCanvas(HWND window, FontCache& fonts, const platform::DpiScale& scale)
        : window_(window), fonts_(fonts), scale_(scale) {}

    // Where the layout's origin lies on the window (a control drawn by the
    // window it lies on has its own).
    void setOrigin(CanvasOrigin origin) { origin_ = origin; }

    void fillRect(const Rect& rect) override;
    void textOut(int x, int y, const std::wstring& text) override;
    int textWidth(const std::wstring& text) override;
    int textHeight(const std::wstring& text) override;
    void drawIcon(int x, int y, platform::CursorHandle icon, int width, int height) override;

private:
    template <typename Operation>
    auto onWindow(Operation operation);

    HWND window_;
    FontCache& fonts_;
    platform::DpiScale scale_;
    CanvasOrigin origin_{};
};

}  // namespace ui::win32
