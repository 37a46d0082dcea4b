// Control properties: edit selection and typing, fonts, layout, items.

#include <gtest/gtest.h>

#include "tests/ui/headless_ui.h"
#include "ui/accelerator.h"
#include "ui/edit.h"
#include "ui/list_controls.h"
#include "ui/page_control.h"
#include "ui/standard_controls.h"
#include "ui/user.h"

namespace ui {
namespace {

class Controls : public testing::HeadlessUi {};

TEST_F(Controls, ReplacingTheSelectionInsertsAtTheCaretAndLeavesItAfterTheText) {
    auto& edit = form.add<Edit>(L"txtActionString");
    edit.setText(L"{Ctrl-Dn}c{Ctrl-Up}");
    struct Step {
        const char* what;
        int start;
        int length;
        const wchar_t* inserted;
        const wchar_t* text;
        int caret;
    };
    const Step steps[] = {
        {"insert at the caret", 9, 0, L"x", L"{Ctrl-Dn}xc{Ctrl-Up}", 10},
        {"replace a selection", 0, 9, L"{Tab}", L"{Tab}xc{Ctrl-Up}", 5},
        {"delete a selection", 5, 2, L"", L"{Tab}{Ctrl-Up}", 5},
        {"append at the end", 14, 0, L"!", L"{Tab}{Ctrl-Up}!", 15},
        {"a selection past the end is cut short", 13, 99, L"", L"{Tab}{Ctrl-Up", 13},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        edit.setSelStart(step.start);
        edit.setSelLength(step.length);
        edit.setSelText(step.inserted);
        EXPECT_EQ(edit.text(), step.text);
        EXPECT_EQ(edit.selStart(), step.caret);
        EXPECT_EQ(edit.selLength(), 0);
    }
    edit.setSelStart(5);
    edit.setSelLength(3);
    EXPECT_EQ(edit.selText(), L"{Ct");
    edit.setText(L"abc");
    EXPECT_EQ(edit.selStart(), 0) << "new text puts the caret at the start";
}

TEST_F(Controls, TypingRespectsReadOnlyAndTheLengthLimitButCodeIsNotLimited) {
    auto& edit = form.add<Edit>(L"editPointerSchemeSave");
    form.show();
    edit.setMaxLength(3);
    user::type(edit, L"abcd");
    EXPECT_EQ(edit.text(), L"abc");
    user::type(edit, L"\b\bz");
    EXPECT_EQ(edit.text(), L"az") << "Backspace deletes the character before the caret";
    edit.setText(L"longer than three");
    EXPECT_EQ(edit.text(), L"longer than three");
    edit.setReadOnly(true);
    user::type(edit, L"x");
    EXPECT_EQ(edit.text(), L"longer than three");
}

TEST_F(Controls, AKeyPressHandlerCanDiscardOrReplaceTypedCharacters) {
    auto& edit = form.add<Edit>(L"txtSpecialApp");
    edit.onKeyPress = [](Control&, wchar_t& key) {
        if (key == L'q') {
            key = 0;
        } else {
            key = static_cast<wchar_t>(std::towupper(key));
        }
    };
    form.show();
    user::type(edit, L"aqb");
    EXPECT_EQ(edit.text(), L"AB");
}

TEST_F(Controls, AControlUsesItsParentsFontUntilItHasItsOwn) {
    auto& panel = form.add<Panel>(L"panButton");
    auto& label = panel.add<Label>(L"Label80");
    auto& other = panel.add<Label>(L"Label81");
    EXPECT_EQ(label.font().name, L"MS Sans Serif");
    EXPECT_EQ(label.font().size, 8);
    Font bigger = panel.font();
    bigger.size = 10;
    panel.setFont(bigger);
    EXPECT_EQ(label.font().size, 10);
    label.setFontColor(kGray);
    EXPECT_EQ(label.font().color, kGray);
    EXPECT_EQ(other.font().color, kWindowTextColor) << "a sibling keeps the inherited colour";
    other.setFontBold(true);
    EXPECT_TRUE(other.font().bold);
    EXPECT_FALSE(panel.font().bold);
}

TEST_F(Controls, PagesFillTheirPageControlAndFollowItsSize) {
    auto& pages = form.add<PageControl>(L"PageControl2");
    pages.setBounds(0, 0, 500, 300);
    auto& motion = pages.addPage(L"TabSheet1", L"Motion");
    const int frame = PageControl::kFrameWidth;
    EXPECT_EQ(motion.bounds(),
              (Rect{frame, PageControl::kTabHeight + frame, 500 - frame, 300 - frame}));
    pages.setTabsVisible(false);
    EXPECT_EQ(motion.top(), frame);
    pages.setWidth(400);
    EXPECT_EQ(motion.width(), 400 - 2 * frame);
    EXPECT_EQ(motion.pageIndex(), 0);
    EXPECT_EQ(pages.activePageIndex(), -1) << "no page is active until one is made so";
    EXPECT_THROW(form.add<TabSheet>(L"TabSheet9"), std::invalid_argument);
}

TEST_F(Controls, ListSelectionsFollowTheirItemsAndFindNamesTheControl) {
    auto& list = form.add<ListBox>(L"lstbSpecialApplications");
    list.setItems({L"{general applications}", L"NOTEPAD.EXE", L"WORD.EXE"});
    list.setItemIndex(2);
    list.insertItem(0, L"first");
    EXPECT_EQ(list.itemIndex(), 3);
    list.deleteItem(3);
    EXPECT_EQ(list.itemIndex(), -1) << "the selected item went";
    EXPECT_THROW(list.item(3), std::out_of_range);
    EXPECT_EQ(form.find(L"lstbSpecialApplications"), &list);
    EXPECT_EQ(form.find(L"missing"), nullptr);
}

TEST_F(Controls, RemovingAFocusedChildForgetsItWithoutRunningHandlers) {
    auto& page = form.add<Panel>(L"Page13");
    auto& plain = page.add<Edit>(L"txtActionString");
    plain.onExit = log.logs("exit");
    form.show();
    ASSERT_EQ(form.activeControl(), &plain);
    page.remove(plain);
    EXPECT_EQ(form.activeControl(), nullptr);
    EXPECT_EQ(form.find(L"txtActionString"), nullptr);
    EXPECT_TRUE(page.children().empty());
    EXPECT_EQ(log.take(), std::vector<std::string>{}) << "a control going away runs no handler";
    Edit member(page, L"txtMember");
    EXPECT_THROW(page.remove(member), std::invalid_argument) << "only children made by add()";
}

TEST_F(Controls, RadioGroupItemsStartWithNoneChosen) {
    auto& group = form.add<RadioGroup>(L"rgbAccel");
    group.setItems({L"None", L"Low"});
    group.setItemIndex(1);
    group.setItems({L"None", L"Low", L"Medium", L"High"});
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_FALSE(form.add<RadioGroup>(L"rgbEmpty").focusable());
}

TEST(Accelerators, TheUnderlinedLetterFollowsTheFirstSingleAmpersand) {
    struct Case {
        const wchar_t* caption;
        wchar_t letter;
    };
    const Case cases[] = {{L"&Next ->", L'N'},    {L"<- &Back", L'B'},   {L"Ne&w Action", L'w'},
                          {L"Rock && Scroll", 0}, {L"&&Save &As", L'A'}, {L"Trailing &", 0},
                          {L"No accelerator", 0}};
    for (const auto& test : cases) {
        SCOPED_TRACE(platform::toUtf8(test.caption));
        EXPECT_EQ(acceleratorOf(test.caption), test.letter);
    }
    EXPECT_TRUE(acceleratorMatches(L"Ne&w Action", L'W'));
    EXPECT_FALSE(acceleratorMatches(L"Ne&w Action", L'N'));
}

}  // namespace
}  // namespace ui
