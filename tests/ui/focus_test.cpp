// Keyboard focus: exit and enter order, tab order, dialog keys and accelerators.

#include <gtest/gtest.h>

#include "tests/ui/headless_ui.h"
#include "ui/edit.h"
#include "ui/list_controls.h"
#include "ui/page_control.h"
#include "ui/standard_controls.h"
#include "ui/user.h"

namespace ui {
namespace {

using Events = std::vector<std::string>;
using platform::vk::kEnter;
using platform::vk::kEscape;

class Focus : public testing::HeadlessUi {
protected:
    // A wizard page holding two group boxes, each with one control.
    Focus()
        : wizard(form.add<PageControl>(L"PageControl1")),
          page(wizard.addPage(L"Page13")),
          left(page.add<GroupBox>(L"gpbLeft")),
          right(page.add<GroupBox>(L"gpbRight")),
          edit(left.add<Edit>(L"txtActionString")),
          button(right.add<Button>(L"btnBackspace")) {
        wizard.setTabsVisible(false);
        wizard.setTabStop(false);
        wizard.setActivePage(page);
        for (Control* control :
             std::initializer_list<Control*>{&wizard, &page, &left, &right, &edit, &button}) {
            log.watch(*control);
        }
    }

    PageControl& wizard;
    TabSheet& page;
    GroupBox& left;
    GroupBox& right;
    Edit& edit;
    Button& button;
};

TEST_F(Focus, ExitRunsOutwardsAndEnterInwardsUpToTheCommonParent) {
    form.show();
    EXPECT_EQ(log.take(), (Events{"PageControl1 enter", "Page13 enter", "gpbLeft enter",
                                  "txtActionString enter"}))
        << "showing focuses the first tab stop";
    button.setFocus();
    EXPECT_EQ(log.take(), (Events{"txtActionString exit", "gpbLeft exit", "gpbRight enter",
                                  "btnBackspace enter"}));
    EXPECT_EQ(form.activeControl(), &button);
    EXPECT_TRUE(button.focused());
}

TEST_F(Focus, ExitHandlersSeeWhereTheFocusIsGoing) {
    form.show();
    Control* goingTo = nullptr;
    edit.onExit = [&](Control&) { goingTo = form.activeControl(); };
    button.setFocus();
    EXPECT_EQ(goingTo, &button);
}

TEST_F(Focus, RefocusingFromAnExitHandlerEndsTheChangeAndEntersAgain) {
    form.show();
    log.take();
    edit.onExit = [&](Control&) {
        log.add("txtActionString exit");
        if (form.activeControl() == &button) {
            edit.setFocus();
        }
        log.add("exit handler done");
    };
    user::pressTab(form);
    EXPECT_EQ(log.take(),
              (Events{"txtActionString exit", "txtActionString enter", "exit handler done"}))
        << "the button was never entered and its group box neither";
    EXPECT_EQ(form.activeControl(), &edit);
}

TEST_F(Focus, TabVisitsTheTabStopsInTabOrderSkippingWhatCannotTakeTheFocus) {
    auto& panel = page.add<Panel>(L"panBottom");
    auto& third = panel.add<Button>(L"btnThird");
    auto& first = panel.add<Button>(L"btnFirst");
    auto& hidden = panel.add<Button>(L"btnHidden");
    auto& disabled = panel.add<Button>(L"btnDisabled");
    panel.add<Label>(L"lblText");
    first.setTabOrder(0);
    third.setTabOrder(5);
    hidden.hide();
    disabled.setEnabled(false);
    form.show();
    std::vector<std::wstring> visited;
    for (int step = 0; step < 4; ++step) {
        visited.push_back(form.activeControl()->name());
        user::pressTab(form);
    }
    visited.push_back(form.activeControl()->name());
    EXPECT_EQ(visited, (std::vector<std::wstring>{L"txtActionString", L"btnBackspace", L"btnFirst",
                                                  L"btnThird", L"txtActionString"}));
    user::pressTab(form, true);
    EXPECT_EQ(form.activeControl(), &third) << "Shift+Tab goes back, wrapping";
}

TEST_F(Focus, HidingOrDisablingTheFocusedControlGivesTheFocusToTheForm) {
    form.show();
    button.setFocus();
    log.take();
    button.setEnabled(false);
    EXPECT_EQ(log.take(),
              (Events{"btnBackspace exit", "gpbRight exit", "Page13 exit", "PageControl1 exit"}));
    EXPECT_EQ(form.activeControl(), nullptr);
    edit.setFocus();
    log.take();
    auto& other = wizard.addPage(L"Page8");
    wizard.setActivePage(other);
    EXPECT_EQ(log.take(),
              (Events{"txtActionString exit", "gpbLeft exit", "Page13 exit", "PageControl1 exit"}))
        << "switching pages takes the focus from the page that goes";
}

TEST_F(Focus, AWizardPageTakesTheFocusToItsFirstControlATabbedPageLeavesItOnTheTabs) {
    auto& panel = form.add<Panel>(L"panButton");
    auto& next = panel.add<Button>(L"btnNext");
    auto& devices = wizard.addPage(L"Page1");
    auto& list = devices.add<ListBox>(L"lstDevicesFound");
    auto& properties = wizard.addPage(L"Page7");
    auto& tabs = properties.add<PageControl>(L"PageControl2");
    tabs.addPage(L"TabSheet1").add<Button>(L"btnMotion");
    auto& buttonsTab = tabs.addPage(L"TabSheet2");
    buttonsTab.add<Button>(L"btnButtons");
    auto& shown = wizard.addPage(L"Page13Like");
    auto& chosenByHandler = shown.add<Button>(L"btnSecond");
    shown.add<Button>(L"btnFirstInOrder").setTabOrder(0);
    shown.onShow = [&](Control&) { chosenByHandler.setFocus(); };
    form.show();
    next.setFocus();

    wizard.setActivePage(devices);
    EXPECT_EQ(form.activeControl(), &list);
    next.setFocus();
    wizard.setActivePage(properties);
    EXPECT_EQ(form.activeControl(), &tabs) << "the tab row comes first on the property page";
    user::selectTab(tabs, 1);
    EXPECT_EQ(form.activeControl(), &tabs) << "arrow keys go on switching tabs";
    wizard.setActivePage(shown);
    EXPECT_EQ(form.activeControl(), &chosenByHandler) << "the page's own choice stands";
    next.setEnabled(false);
    wizard.setActivePage(devices);
    EXPECT_EQ(form.activeControl(), &list);
    wizard.setActivePage(page);
    EXPECT_EQ(form.activeControl(), &edit);
}

TEST_F(Focus, FocusingAHiddenControlFailsAndShowsTheErrorBoxWhenAHandlerTriesIt) {
    form.show();
    button.hide();
    EXPECT_FALSE(button.canFocus());
    EXPECT_THROW(button.setFocus(), InvalidOperation);
    edit.onChange = [&](Control&) { button.setFocus(); };
    boxes.answerNext(platform::MessageAnswer::Ok);
    user::type(edit, L"x");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_NE(boxes.shown()[0].text.find(L"Cannot focus"), std::wstring::npos);
}

TEST_F(Focus, AnActiveControlChosenBeforeShowingIsFocusedWhenTheFormShows) {
    form.setActiveControl(&button);
    EXPECT_EQ(log.take(), Events{});
    form.show();
    EXPECT_EQ(form.activeControl(), &button);
    EXPECT_EQ(log.take().back(), "btnBackspace enter");
}

TEST_F(Focus, EnterClicksTheFocusedButtonElseTheVisibleDefaultButton) {
    auto& list = page.add<ListBox>(L"ListBox1");
    list.addItem(L"Standard 2 Button Mouse");
    auto& hiddenDefault = form.add<Button>(L"btnSavePointerScheme");
    hiddenDefault.setDefault(true);
    hiddenDefault.hide();
    hiddenDefault.onClick = log.logs("click");
    list.onKeyDown = [&](Control&, int& key, ShiftState) { log.add(std::to_string(key)); };
    list.onKeyPress = [&](Control&, wchar_t& key) { log.add(key == L'\r' ? "CR" : "?"); };
    form.show();
    user::focus(list);
    log.take();
    user::pressEnter(form);
    EXPECT_EQ(log.take(), (Events{std::to_string(kEnter), "CR"}))
        << "a hidden default button leaves Enter to the list";

    auto& next = form.add<Button>(L"btnNext");
    next.setDefault(true);
    next.onClick = log.logs("click");
    user::pressEnter(form);
    EXPECT_EQ(log.take(), (Events{std::to_string(kEnter), "btnNext click"}))
        << "the default button takes Enter, so no character follows";
    button.onClick = log.logs("click");
    button.setFocus();
    log.take();
    user::pressEnter(form);
    EXPECT_EQ(log.take(), Events{"btnBackspace click"}) << "the focused button comes first";
}

TEST_F(Focus, EscClicksTheCancelButton) {
    auto& cancel = form.add<Button>(L"btnCancel");
    cancel.setCancel(true);
    cancel.onClick = log.logs("click");
    form.show();
    log.take();
    user::pressKey(form, kEscape);
    EXPECT_EQ(log.take(), Events{"btnCancel click"});
}

TEST_F(Focus, AcceleratorsClickButtonsAndToggleCheckBoxesByTheirUnderlinedLetter) {
    auto& back = form.add<Button>(L"btnBack");
    back.setCaption(L"<- &Back");
    back.onClick = log.logs("click");
    auto& rock = form.add<Button>(L"btnRock");
    rock.setCaption(L"Rock && Scroll");
    rock.onClick = log.logs("click");
    auto& tray = form.add<CheckBox>(L"NoIconInTray");
    tray.setCaption(L"Don't show the &icon");
    form.show();
    log.take();
    EXPECT_TRUE(user::pressAccelerator(form, L'b'));
    EXPECT_EQ(log.take(), Events{"btnBack click"});
    EXPECT_FALSE(user::pressAccelerator(form, L's')) << "a doubled ampersand underlines nothing";
    EXPECT_TRUE(user::pressAccelerator(form, L'I'));
    EXPECT_TRUE(tray.checked());
    EXPECT_EQ(form.activeControl(), &tray);
    back.setEnabled(false);
    EXPECT_FALSE(user::pressAccelerator(form, L'b'));
}

TEST_F(Focus, AKeyDownHandlerThatDiscardsAltLetterKeepsItFromTheAccelerator) {
    auto& back = form.add<Button>(L"btnBack");
    back.setCaption(L"<- &Back");
    back.onClick = log.logs("click");
    edit.onKeyDown = [&](Control&, int& key, ShiftState shift) {
        log.add(std::string(shift.alt ? "Alt+" : "") + static_cast<char>(key));
        key = 0;
    };
    form.show();
    log.take();
    EXPECT_FALSE(user::pressAccelerator(form, L'b'));
    EXPECT_EQ(log.take(), Events{"Alt+B"});
}

}  // namespace
}  // namespace ui
