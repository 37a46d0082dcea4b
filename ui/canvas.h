#pragma once

#include <string>

#include "platform/cursor_handle.h"
#include "ui/types.h"

namespace ui {

// What owner-drawn rows and pictures draw with. A canvas keeps a brush colour
// (used by fillRect and as the background of text) and a font (used by the text
// operations); list boxes set both for a row's state before their draw handler
// runs. Natively it draws into a device context; headless it records the
// operations for tests (RecordingCanvas).
class Canvas {
public:
    virtual ~Canvas() = default;

    Color brushColor() const { return brushColor_; }
    void setBrushColor(Color color) { brushColor_ = color; }
    const Font& font() const { return font_; }
    void setFont(const Font& font) { font_ = font; }

    virtual void fillRect(const Rect& rect) = 0;
    // Text with its top-left corner at x, y, on the brush colour.
    virtual void textOut(int x, int y, const std::wstring& text) = 0;
    virtual int textWidth(const std::wstring& text) = 0;
    virtual int textHeight(const std::wstring& text) = 0;
    // A cursor or icon with its top-left corner at x, y, scaled to width by height.
    virtual void drawIcon(int x, int y, platform::CursorHandle icon, int width, int height) = 0;

    // Text in one column of a row, from box.left to box.right, at box.top: aligned
    // in the column, and cut to its start followed by kEllipsis when wider, so
    // that it never runs into the next column. Nothing when not even the
    // ellipsis fits.
    void textInColumn(const Rect& box, const std::wstring& text, Alignment alignment);
    // The longest start of text that fits width with kEllipsis after it; text
    // itself when it fits whole.
    std::wstring fitted(const std::wstring& text, int width);

    static constexpr const wchar_t* kEllipsis = L"...";

private:
    Color brushColor_ = kWindowColor;
    Font font_;
};

}  // namespace ui
