// Owner-drawn rows: what a row draws and where, through the recording canvas.

#include <gtest/gtest.h>

#include "tests/ui/headless_ui.h"
#include "ui/list_controls.h"
#include "ui/standard_controls.h"
#include "ui/user.h"

namespace ui {
namespace {

using Kind = DrawOperation::Kind;

class OwnerDraw : public testing::HeadlessUi {
protected:
    OwnerDraw() : list(form.add<ListBox>(L"lstbAssignedActionsMB")) {
        list.setBounds(8, 8, 400, 160);
        list.setStyle(ListStyle::OwnerDrawFixed);
        list.setItemHeight(13);
        list.setItems({L" ", L" ", L" "});
    }

    ListBox& list;
};

TEST_F(OwnerDraw, ARowDrawsThroughItsHandlerOnTheCanvasPreparedForItsState) {
    list.onDrawItem = [&](Control& sender, int index, Rect rect, OwnerDrawState) {
        Canvas& canvas = sender.canvas();
        canvas.fillRect(rect);
        canvas.textOut(rect.left + 2, rect.top, L"Aux1");
        const std::wstring description = L"Row " + std::to_wstring(index);
        canvas.textOut(rect.right - canvas.textWidth(description) - 6, rect.top, description);
    };
    list.setItemIndex(1);
    RecordingCanvas canvas;
    list.drawItem(1, canvas);
    list.drawItem(2, canvas);
    const auto& ops = canvas.operations();
    ASSERT_EQ(ops.size(), 6u);
    const int rowWidth = 400 - 2 * ListControl::kFrameWidth;
    EXPECT_EQ(ops[0].kind, Kind::FillRect);
    EXPECT_EQ(ops[0].rect, (Rect{0, 13, rowWidth, 26}));
    EXPECT_EQ(ops[0].brushColor, kHighlightColor) << "the selected row";
    EXPECT_EQ(ops[1].font.color, kHighlightTextColor);
    EXPECT_EQ(ops[2].text, L"Row 1");
    EXPECT_EQ(ops[2].rect.left, rowWidth - 5 * RecordingCanvas::kCharWidth - 6);
    EXPECT_EQ(ops[3].rect, (Rect{0, 26, rowWidth, 39}));
    EXPECT_EQ(ops[3].brushColor, kWindowColor) << "a row not selected";
    EXPECT_EQ(ops[4].font.color, kWindowTextColor);
}

TEST_F(OwnerDraw, WithoutAHandlerARowIsFilledAndItsTextWrittenAtLeftPlusTwo) {
    list.setItem(0, L"Swift Scroll");
    RecordingCanvas canvas;
    list.drawItem(0, canvas);
    ASSERT_EQ(canvas.operations().size(), 2u);
    EXPECT_EQ(canvas.operations()[0].kind, Kind::FillRect);
    EXPECT_EQ(canvas.operations()[1].rect.left, 2);
    EXPECT_EQ(canvas.texts(), std::vector<std::wstring>{L"Swift Scroll"});
}

TEST_F(OwnerDraw, VariableRowsAreAsHighAsTheirMeasureHandlerSays) {
    auto& pointers = form.add<ListBox>(L"lstPointers");
    pointers.setBounds(0, 0, 200, 300);
    pointers.setStyle(ListStyle::OwnerDrawVariable);
    pointers.onMeasureItem = [](Control&, int index, int& height) {
        EXPECT_EQ(height, ListControl::kDefaultItemHeight) << "starts from the item height";
        height = index == 0 ? 20 : 36;
    };
    pointers.setItems({L"Normal Select", L"Help Select", L"Busy"});
    EXPECT_EQ(pointers.itemRect(0), (Rect{0, 0, 196, 20}));
    EXPECT_EQ(pointers.itemRect(2), (Rect{0, 56, 196, 92}));
    EXPECT_EQ(list.itemRect(2).top, 26) << "fixed rows ignore a measure handler";
}

TEST_F(OwnerDraw, OpeningADropDownDrawsEveryRowInOrder) {
    auto& actions = form.add<ComboBox>(L"cmbAction");
    auto& description = form.add<Label>(L"lblCurrentDesc");
    actions.setStyle(ListStyle::OwnerDrawFixed);
    actions.setItems({L"Swift Scroll", L"Double Click", L"Custom Text..."});
    actions.setItemIndex(0);
    actions.onDrawItem = [&](Control& sender, int index, Rect rect, OwnerDrawState) {
        description.setCaption(L"drawn " + std::to_wstring(index));
        sender.canvas().fillRect(rect);
    };
    form.show();
    const RecordingCanvas drawn = user::dropDown(actions);
    ASSERT_EQ(drawn.operations().size(), 3u);
    EXPECT_EQ(drawn.operations()[0].brushColor, kHighlightColor);
    EXPECT_EQ(drawn.operations()[2].rect.top, 26);
    EXPECT_EQ(description.caption(), L"drawn 2") << "the last row drawn wins";
    EXPECT_TRUE(actions.focused());
    EXPECT_THROW(actions.setStyle(ListStyle::OwnerDrawVariable), std::invalid_argument);
}

TEST_F(OwnerDraw, DrawingOnAControlOutsidePaintingLastsUntilItsRepaint) {
    auto& preview = form.add<Panel>(L"Panel2");
    preview.setBounds(0, 0, 60, 60);
    const platform::CursorHandle arrow = 0x1234;
    preview.canvas().drawIcon(14, 14, arrow, 32, 32);
    ASSERT_EQ(preview.recordedDrawing().operations().size(), 1u);
    const auto& drawn = preview.recordedDrawing().operations()[0];
    EXPECT_EQ(drawn.kind, Kind::DrawIcon);
    EXPECT_EQ(drawn.icon, arrow);
    EXPECT_EQ(drawn.rect, (Rect{14, 14, 46, 46}));
    preview.repaint();
    EXPECT_TRUE(preview.recordedDrawing().operations().empty());
}

}  // namespace
}  // namespace ui
