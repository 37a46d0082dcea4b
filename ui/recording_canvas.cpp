#include "ui/recording_canvas.h"

namespace ui {

DrawOperation RecordingCanvas::stateNow(DrawOperation::Kind kind) const {
    DrawOperation operation;
    operation.kind = kind;
    operation.brushColor = brushColor();
    operation.font = font();
    return operation;
}

void RecordingCanvas::fillRect(const Rect& rect) {
    auto operation = stateNow(DrawOperation::Kind::FillRect);
    operation.rect = rect;
    operations_.push_back(operation);
}

void RecordingCanvas::textOut(int x, int y, const std::wstring& text) {
    auto operation = stateNow(DrawOperation::Kind::TextOut);
    operation.rect = {x, y, x + textWidth(text), y + textHeight(text)};
    operation.text = text;
    operations_.push_back(operation);
}

int RecordingCanvas::textWidth(const std::wstring& text) {
    return static_cast<int>(text.size()) * kCharWidth;
}

int RecordingCanvas::textHeight(const std::wstring&) {
    return kTextHeight;
}

void RecordingCanvas::drawIcon(int x, int y, platform::CursorHandle icon, int width, int height) {
    auto operation = stateNow(DrawOperation::Kind::DrawIcon);
    operation.rect = {x, y, x + width, y + height};
    operation.icon = icon;
    operations_.push_back(operation);
}

std::vector<std::wstring> RecordingCanvas::texts() const {
    std::vector<std::wstring> result;
    for (const auto& operation : operations_) {
        if (operation.kind == DrawOperation::Kind::TextOut) {
            result.push_back(operation.text);
        }
    }
    return result;
}

}  // namespace ui
