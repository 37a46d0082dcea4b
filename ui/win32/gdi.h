#pragma once

#include <windows.h>

#include <map>
#include <tuple>

#include "ui/canvas.h"

namespace ui::win32 {

COLORREF colorRef(Color color);

// One GDI font per name, size and weight, made when first asked for and kept
// until the cache goes.
class FontCache {
public:
    FontCache() = default;
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    HFONT font(const Font& font);

private:
    std::map<std::tuple<std::wstring, int, bool>, HFONT> fonts_;
};

// Draws into a device context that someone else owns (a WM_DRAWITEM's).
class GdiCanvas : public Canvas {
public:
    GdiCanvas(HDC dc, FontCache& fonts) : dc_(dc), fonts_(fonts) {}

    void fillRect(const Rect& rect) override;
    void textOut(int x, int y, const std::wstring& text) override;
    int textWidth(const std::wstring& text) override;
    int textHeight(const std::wstring& text) override;
    void drawIcon(int x, int y, platform::CursorHandle icon, int width, int height) override;

private:
    SIZE measure(const std::wstring& text);

    HDC dc_;
    FontCache& fonts_;
};

// Draws on a window's face at once, outside its painting; the next paint
// covers it. Each operation takes the window's device context for its time.
class WindowCanvas : public Canvas {
public:
    WindowCanvas(HWND window, FontCache& fonts) : window_(window), fonts_(fonts) {}

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
};

}  // namespace ui::win32
