#pragma once

#include <string>
#include <vector>

#include "ui/canvas.h"

namespace ui {

// One drawing operation with the canvas state it was made in.
struct DrawOperation {
    enum class Kind { FillRect, TextOut, DrawIcon };

    Kind kind = Kind::FillRect;
    Rect rect;          // FillRect: the rectangle; TextOut, DrawIcon: left and top only
    std::wstring text;  // TextOut
    Color brushColor = kWindowColor;
    Font font;
    platform::CursorHandle icon = platform::kNoCursor;  // DrawIcon, with rect's size
};

// A canvas that draws nothing and remembers every operation, so that a test can
// see what a row or a picture draws and where. Text is measured as in a
// fixed-pitch font: every character kCharWidth pixels wide, every text
// kTextHeight pixels high.
class RecordingCanvas : public Canvas {
public:
    static constexpr int kCharWidth = 6;
    static constexpr int kTextHeight = 13;

    void fillRect(const Rect& rect) override;
    void textOut(int x, int y, const std::wstring& text) override;
    int textWidth(const std::wstring& text) override;
    int textHeight(const std::wstring& text) override;
    void drawIcon(int x, int y, platform::CursorHandle icon, int width, int height) override;

    const std::vector<DrawOperation>& operations() const { return operations_; }
    // The texts drawn, in order.
    std::vector<std::wstring> texts() const;
    void clear() { operations_.clear(); }

private:
    DrawOperation stateNow(DrawOperation::Kind kind) const;

    std::vector<DrawOperation> operations_;
};

}  // namespace ui
