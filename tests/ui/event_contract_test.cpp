// The events each change fires, recorded and compared with ui/EVENTS.md.

#include <gtest/gtest.h>

#include "tests/ui/headless_ui.h"
#include "ui/edit.h"
#include "ui/list_controls.h"
#include "ui/page_control.h"
#include "ui/standard_controls.h"
#include "ui/track_bar.h"
#include "ui/user.h"

namespace ui {
namespace {

using Events = std::vector<std::string>;

class EventContract : public testing::HeadlessUi {};

TEST_F(EventContract, TrackBarChangesOnlyWhenTheClampedPositionReallyMoves) {
    auto& bar = form.add<TrackBar>(L"trbSpeed");
    bar.setRange(1, 13);
    bar.setPosition(1);
    bar.onChange = log.logs("change");
    struct Step {
        const char* what;
        int set;
        int position;
        bool fires;
    };
    const Step steps[] = {
        {"a new position", 5, 5, true},    {"the same position", 5, 5, false},
        {"above the range", 20, 13, true}, {"above the range again", 14, 13, false},
        {"below the range", -3, 1, true},  {"the minimum itself", 1, 1, false},
        {"back inside", 13, 13, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        bar.setPosition(step.set);
        EXPECT_EQ(bar.position(), step.position);
        EXPECT_EQ(log.take(), step.fires ? Events{"trbSpeed change"} : Events{});
    }
}

TEST_F(EventContract, NarrowingATrackBarsRangeMovesItsPositionWithAChange) {
    auto& bar = form.add<TrackBar>(L"trbTrail");
    bar.setRange(1, 13);
    bar.setPosition(12);
    bar.onChange = log.logs("change");
    bar.setMax(10);
    EXPECT_EQ(bar.position(), 10);
    EXPECT_EQ(log.take(), Events{"trbTrail change"});
    bar.setRange(2, 10);
    EXPECT_EQ(log.take(), Events{}) << "the position stayed inside the new range";
    EXPECT_THROW(bar.setRange(5, 4), InvalidOperation);
}

TEST_F(EventContract, CheckBoxClicksWhenItsStateChangesFromCodeToo) {
    auto& box = form.add<CheckBox>(L"chkTrails");
    box.onClick = [&](Control&) { log.add(box.checked() ? "checked" : "unchecked"); };
    box.setChecked(true);
    box.setChecked(true);
    box.setChecked(false);
    box.click();
    EXPECT_EQ(log.take(), (Events{"checked", "unchecked", "checked"}));
    EXPECT_TRUE(box.checked());
}

TEST_F(EventContract, RadioGroupClicksWhenAnItemBecomesChosen) {
    auto& group = form.add<RadioGroup>(L"rgbAccel");
    group.setItems({L"None", L"Low", L"Medium", L"High"});
    group.onClick = [&](Control&) { log.add(std::to_string(group.itemIndex())); };
    struct Step {
        int set;
        int index;
        bool fires;
    };
    const Step steps[] = {{2, 2, true},    {2, 2, false},   {7, 3, true},
                          {-1, -1, false}, {-5, -1, false}, {0, 0, true}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.set);
        group.setItemIndex(step.set);
        EXPECT_EQ(group.itemIndex(), step.index);
        EXPECT_EQ(log.take(), step.fires ? Events{std::to_string(step.index)} : Events{});
    }
}

TEST_F(EventContract, ListAndComboSelectionsFromCodeFireNothing) {
    auto& list = form.add<ListBox>(L"lstDevices");
    auto& combo = form.add<ComboBox>(L"cmbPos1");
    log.watch(list);
    log.watch(combo);
    combo.onChange = log.logs("change");
    list.setItems({L"a", L"b", L"c"});
    combo.setItems({L"Primary", L"Secondary"});
    list.setItemIndex(1);
    combo.setItemIndex(1);
    list.addItem(L"d");
    list.deleteItem(0);
    combo.setItemIndex(-1);
    EXPECT_EQ(log.take(), Events{});
    EXPECT_EQ(list.itemIndex(), 0) << "the selection moved with its item";
}

TEST_F(EventContract, ListAndComboIndexesOutsideTheItemsSelectNothing) {
    auto& combo = form.add<ComboBox>(L"cmbPos2");
    combo.setItems({L"Primary", L"Secondary", L"Aux1", L"Aux2"});
    combo.setItemIndex(2);
    combo.setItemIndex(9);
    EXPECT_EQ(combo.itemIndex(), -1);
    EXPECT_EQ(combo.text(), L"");
    combo.setItemIndex(3);
    EXPECT_EQ(combo.text(), L"Aux2");
}

TEST_F(EventContract, EditChangesForCodeAndForTypingButNotForTheSameText) {
    auto& edit = form.add<Edit>(L"txtName");
    edit.onChange = [&](Control&) { log.add(platform::toUtf8(edit.text())); };
    edit.setText(L"ab");
    edit.setText(L"ab");
    edit.setSelStart(1);
    edit.setSelText(L"X");
    form.show();
    user::type(edit, L"y");
    EXPECT_EQ(log.take(), (Events{"ab", "aXb", "aXyb"}));
}

TEST_F(EventContract, ActivatingAPageShowsItWithoutTheControlsChange) {
    auto& pages = form.add<PageControl>(L"PageControl2");
    auto& motion = pages.addPage(L"TabSheet1", L"Motion");
    auto& buttons = pages.addPage(L"TabSheet2", L"Buttons");
    motion.onShow = log.logs("show");
    buttons.onShow = log.logs("show");
    pages.onChange = log.logs("change");
    pages.setActivePage(motion);
    form.show();
    log.take();
    pages.setActivePage(buttons);
    pages.setActivePage(buttons);
    EXPECT_EQ(log.take(), Events{"TabSheet2 show"});
    EXPECT_FALSE(motion.visible());
    user::selectTab(pages, 0);
    EXPECT_EQ(log.take(), (Events{"TabSheet1 show", "PageControl2 change"}));
}

TEST_F(EventContract, PageShowEventsWaitUntilTheFormShowsThenRunParentsFirst) {
    auto& wizard = form.add<PageControl>(L"PageControl1");
    wizard.setTabsVisible(false);
    auto& welcome = wizard.addPage(L"Page18");
    auto& properties = wizard.addPage(L"Page7");
    auto& tabs = properties.add<PageControl>(L"PageControl2");
    auto& actions = tabs.addPage(L"TabSheet4", L"Actions");
    for (TabSheet* page : {&welcome, &properties, &actions}) {
        page->onShow = log.logs("show");
    }
    form.onShow = log.logs("show");
    wizard.setActivePage(welcome);
    tabs.setActivePage(actions);
    EXPECT_EQ(log.take(), Events{}) << "nothing shows before the form does";
    form.show();
    EXPECT_EQ(log.take(), (Events{"frmTest show", "Page18 show"}));
    wizard.setActivePage(properties);
    EXPECT_EQ(log.take(), (Events{"Page7 show", "TabSheet4 show"}))
        << "the active tab of a page shows with the page";
    wizard.setActivePage(welcome);
    wizard.setActivePage(properties);
    EXPECT_EQ(log.take(), (Events{"Page18 show", "Page7 show", "TabSheet4 show"}));
}

TEST_F(EventContract, UserGesturesFireTheirEventsInTheNativeOrder) {
    auto& button = form.add<Button>(L"btnNext");
    auto& list = form.add<ListBox>(L"lstDevices");
    auto& combo = form.add<ComboBox>(L"cmbAction");
    auto& panel = form.add<Panel>(L"panButton");
    list.setItems({L"one", L"two"});
    combo.setItems({L"Swift Scroll", L"Double Click"});
    for (Control* control : std::initializer_list<Control*>{&button, &list, &combo, &panel}) {
        log.watch(*control);
    }
    combo.onChange = log.logs("change");
    combo.onSelect = log.logs("select");
    form.show();
    ASSERT_EQ(log.take(), Events{"btnNext enter"}) << "the first tab stop has the focus";
    struct Gesture {
        const char* what;
        std::function<void()> act;
        Events events;
    };
    const Gesture gestures[] = {
        {"row click",
         [&] { user::select(list, 1); },
         {"btnNext exit", "lstDevices enter", "lstDevices mousedown", "lstDevices click",
          "lstDevices mouseup"}},
        {"click on the selected row",
         [&] { user::select(list, 1); },
         {"lstDevices mousedown", "lstDevices click", "lstDevices mouseup"}},
        {"row double click",
         [&] { user::doubleClick(list, 0); },
         {"lstDevices mousedown", "lstDevices click", "lstDevices mouseup", "lstDevices dblclick",
          "lstDevices mousedown", "lstDevices mouseup"}},
        {"combo choice",
         [&] { user::choose(combo, 1); },
         {"lstDevices exit", "cmbAction enter", "cmbAction change", "cmbAction select"}},
        {"arrow key in the combo", [&] { user::browse(combo, 0); }, {"cmbAction change"}},
        {"Enter in the combo", [&] { user::pressEnter(form); }, {"cmbAction select"}},
        {"arrow key back", [&] { user::browse(combo, 1); }, {"cmbAction change"}},
        {"button click",
         [&] { user::click(button); },
         {"cmbAction exit", "btnNext enter", "btnNext mousedown", "btnNext click",
          "btnNext mouseup"}},
        {"panel double click, which takes no focus",
         [&] { user::doubleClick(panel); },
         {"panButton mousedown", "panButton click", "panButton mouseup", "panButton dblclick",
          "panButton mousedown", "panButton mouseup"}},
    };
    for (const auto& gesture : gestures) {
        SCOPED_TRACE(gesture.what);
        gesture.act();
        EXPECT_EQ(log.take(), gesture.events);
    }
    EXPECT_EQ(list.itemIndex(), 0);
    EXPECT_EQ(combo.text(), L"Double Click");
}

TEST_F(EventContract, SpaceClicksAButtonOrCheckBoxAsTheKeyComesUp) {
    auto& button = form.add<Button>(L"btnNext");
    auto& box = form.add<CheckBox>(L"chkTrails");
    for (Control* control : std::initializer_list<Control*>{&button, &box}) {
        log.watch(*control);
        control->onKeyDown = [this](Control& sender, int&, ShiftState) {
            log.add(platform::toUtf8(sender.name()) + " keydown");
        };
        control->onKeyPress = [this](Control& sender, wchar_t&) {
            log.add(platform::toUtf8(sender.name()) + " keypress");
        };
    }
    bool discardRelease = false;
    box.onKeyUp = [&](Control&, int& key, ShiftState) {
        log.add("chkTrails keyup");
        if (discardRelease) {
            key = 0;
        }
    };
    button.onKeyUp = [&](Control&, int&, ShiftState) { log.add("btnNext keyup"); };
    form.show();
    log.take();
    user::pressKey(form, platform::vk::kSpace, {}, L' ');
    EXPECT_EQ(log.take(),
              (Events{"btnNext keydown", "btnNext keypress", "btnNext keyup", "btnNext click"}));
    box.setFocus();
    log.take();
    user::pressKey(form, platform::vk::kSpace, {}, L' ');
    EXPECT_EQ(log.take(), (Events{"chkTrails keydown", "chkTrails keypress", "chkTrails keyup",
                                  "chkTrails click"}));
    discardRelease = true;
    user::pressKey(form, platform::vk::kSpace, {}, L' ');
    EXPECT_EQ(log.take(), (Events{"chkTrails keydown", "chkTrails keypress", "chkTrails keyup"}));
    EXPECT_TRUE(box.checked());
}

TEST_F(EventContract, AButtonsModalResultIsSetBeforeItsClickHandlerRuns) {
    auto& ok = form.add<Button>(L"btnOK");
    ok.setModalResult(kModalOk);
    ModalResult seen = kModalNone;
    ok.onClick = [&](Control&) { seen = form.modalResult(); };
    ok.click();
    EXPECT_EQ(seen, kModalOk);
}

TEST_F(EventContract, GesturesOnControlsTheUserCannotReachAreTestMistakes) {
    auto& button = form.add<Button>(L"btnBack");
    auto& list = form.add<ListBox>(L"lstApps");
    list.addItem(L"GENERAL");
    EXPECT_THROW(user::click(button), NotOperable) << "the form is not shown";
    form.show();
    button.setEnabled(false);
    EXPECT_THROW(user::click(button), NotOperable);
    EXPECT_THROW(user::select(list, 1), NotOperable);
    list.hide();
    EXPECT_THROW(user::select(list, 0), NotOperable);
}

}  // namespace
}  // namespace ui
