// The main window as a user first meets it: every control where it belongs,
// nothing cut off or hidden under another, the fixed texts and settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/text.h"
#include "setup/store/file_box.h"
#include "tests/setup/resources/window_views.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "ui/accelerator.h"
#include "ui/user.h"

namespace setup {
namespace {

using layout_check::describe;
using layout_check::everyView;
using layout_check::View;
using platform::toUtf8;

// A group box's caption takes the first line of its face.
constexpr int kGroupCaptionLine = 13;
constexpr int kGroupFrame = 2;

class WindowLayout : public scenario::TarvexScenario {
protected:
    void SetUp() override {
        loadRegistry("bare_installation.reg");
        installDriverFiles(L"C:\\Orvane");
        start();
        ASSERT_TRUE(messageBoxes.shown().empty());
    }

    TfrmTarvex& w() { return window(); }

    ui::Control& named(const std::wstring& name) {
        ui::Control* control = w().find(name);
        if (control == nullptr) {
            ADD_FAILURE() << "no control " << toUtf8(name);
            return w();
        }
        return *control;
    }

    template <typename T>
    T& named(const std::wstring& name) {
        auto* control = dynamic_cast<T*>(&named(name));
        if (control == nullptr) {
            throw std::logic_error(toUtf8(name) + " is of another kind");
        }
        return *control;
    }

    std::vector<ui::Control*> everyControl() {
        std::vector<ui::Control*> all;
        collect(w(), all);
        return all;
    }

    // The page (or tab) a control sits on; the button bar and the window for
    // the controls around the pages.
    ui::Control* homeOf(const ui::Control& control) {
        ui::Control* at = control.parent();
        while (at != &w() && at != w().panButton && dynamic_cast<ui::TabSheet*>(at) == nullptr) {
            at = at->parent();
        }
        return at;
    }

private:
    static void collect(ui::Control& parent, std::vector<ui::Control*>& all) {
        for (ui::Control* child : parent.children()) {
            all.push_back(child);
            collect(*child, all);
        }
    }
};

// The controls on a page; of a page control's tabs only the one given.
void collectShownWith(ui::Control& parent, const ui::TabSheet* tab,
                      std::vector<ui::Control*>& shown) {
    for (ui::Control* child : parent.children()) {
        auto* sheet = dynamic_cast<ui::TabSheet*>(child);
        if (sheet != nullptr && sheet != tab) {
            continue;
        }
        shown.push_back(child);
        collectShownWith(*child, tab, shown);
    }
}

// Where a control lies in its form's client area.
ui::Rect inForm(const ui::Control& control) {
    ui::Rect r = control.bounds();
    for (const ui::Control* at = control.parent(); at != &control.form(); at = at->parent()) {
        r = {r.left + at->left(), r.top + at->top(), r.right + at->left(), r.bottom + at->top()};
    }
    return r;
}

// Whether Tab going from one control to the next reads on as a page does: along
// a row to the right, down to a later row, or up into a new column on the right.
bool readsOn(const ui::Rect& from, const ui::Rect& to) {
    const bool sameRow = to.top < from.bottom && from.top < to.bottom;
    if (sameRow) {
        return to.right > from.left;
    }
    return to.top >= from.bottom || to.left >= from.right;
}

std::string describe(const ui::Control& control) {
    const ui::Rect r = control.bounds();
    return toUtf8(control.name()) + " at " + std::to_string(r.left) + "," + std::to_string(r.top) +
           " size " + std::to_string(r.width()) + "x" + std::to_string(r.height());
}

bool overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool inside(const ui::Rect& inner, const ui::Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// Where a parent's children may lie: a page control's pages, the inside of a
// group box's frame below its caption, anything else's whole face.
ui::Rect childArea(const ui::Control& parent) {
    if (auto* pages = dynamic_cast<const ui::PageControl*>(&parent)) {
        return pages->pageRect();
    }
    if (dynamic_cast<const ui::GroupBox*>(&parent) != nullptr) {
        return {kGroupFrame, kGroupCaptionLine, parent.width() - kGroupFrame,
                parent.height() - kGroupFrame};
    }
    return {0, 0, parent.width(), parent.height()};
}

struct Placement {
    const wchar_t* name;
    ui::Control* control;
    ui::Control* home;
};

// The member's own name, so that a control made under another name is caught.
#define ON(home, member)              \
    Placement {                       \
        L"" #member, w().member, home \
    }

TEST_F(WindowLayout, EveryControlIsMadeUnderItsOwnNameOnItsPage) {
    auto& t = w();
    const Placement placements[] = {
        ON(&t, PageControl1),
        ON(&t, panButton),
        ON(t.panButton, btnBack),
        ON(t.panButton, btnNext),
        ON(t.panButton, btnHelp),
        // Devices
        ON(t.Page1, lstDevicesFound),
        ON(t.Page6, lblPort),
        ON(t.Page6, ListBox1),
        ON(t.Page6, imgPage6Mouse),
        ON(t.Page6, Label26),
        ON(t.Page6, lblTypeSelected),
        ON(t.Page6, Label27),
        // Properties
        ON(t.Page7, PageControl2),
        ON(t.Page7, btnApply),
        ON(t.Page7, btnCancel),
        ON(t.Page7, lblDeviceSelected1),
        ON(t.Page7, lblAppPage7),
        ON(t.TabSheet1, gpbCursorSpeed),
        ON(t.TabSheet1, Label76),
        ON(t.TabSheet1, trbHorizontalSpeed),
        ON(t.TabSheet1, btnMouseSpeedDown),
        ON(t.TabSheet1, btnMouseSpeedUp),
        ON(t.TabSheet1, rgbAccel),
        ON(t.TabSheet1, gpbShowTrails),
        ON(t.TabSheet1, imgShowTrails),
        ON(t.TabSheet1, chkShowTrails),
        ON(t.TabSheet1, Label80),
        ON(t.TabSheet1, Label81),
        ON(t.TabSheet1, trbTrailLength),
        ON(t.TabSheet2, gpbButtonPosition),
        ON(t.TabSheet2, Label31),
        ON(t.TabSheet2, Label32),
        ON(t.TabSheet2, Label33),
        ON(t.TabSheet2, Label34),
        ON(t.TabSheet2, Label4),
        ON(t.TabSheet2, cmbPos1),
        ON(t.TabSheet2, cmbPos2),
        ON(t.TabSheet2, cmbPos3),
        ON(t.TabSheet2, cmbPos4),
        ON(t.TabSheet2, imgCurrentMouse),
        ON(t.TabSheet2, gpbDblClickSpeed),
        ON(t.TabSheet2, trbDblClickSpeed),
        ON(t.TabSheet2, Label35),
        ON(t.TabSheet2, Label36),
        ON(t.TabSheet2, imgDblClk1),
        ON(t.TabSheet2, Label37),
        ON(t.TabSheet3, gpbScheme),
        ON(t.TabSheet3, cmbScheme),
        ON(t.TabSheet3, btnSaveScheme),
        ON(t.TabSheet3, lstPointers),
        ON(t.TabSheet3, btnUseDefaultPoint),
        ON(t.TabSheet3, btnBrowsePointers),
        ON(t.TabSheet3, Label48),
        ON(t.TabSheet3, Panel2),
        ON(t.TabSheet4, lstbAssignedActionsMB),
        ON(t.TabSheet4, btnAssignNew),
        ON(t.TabSheet4, btnReplaceAction),
        ON(t.TabSheet4, btnDeleteShort),
        ON(t.TabSheet5, gpbSwiftScroll),
        ON(t.TabSheet5, gpbRockScroll),
        ON(t.TabSheet5, trbRockScroll),
        ON(t.TabSheet5, gpbScrollTest),
        ON(t.TabSheet5, lstbScrollTest),
        // Actions and keystrokes
        ON(t.Page8, cmbMouseButtons),
        ON(t.Page8, cmbKeyboardKey),
        ON(t.Page8, cmbAction),
        ON(t.Page8, lblCurrentDesc),
        ON(t.Page8, btnAssignAction),
        ON(t.Page13, txtActionString),
        ON(t.Page13, btnPage13Assign),
        ON(t.Page13, btnBackspace),
        ON(t.Page13, btnHidden1),
        ON(t.Page13, btnHidden2),
        // Applications
        ON(t.Page9, btnPage9Yes),
        ON(t.Page10, Label66),
        ON(t.Page10, lstbSpecialApplications),
        ON(t.Page10, btnPage10Browse),
        ON(t.Page10, btnPage10Delete),
        ON(t.Page14, dcbSpecialApplication),
        ON(t.Page14, dlbSpecialApplication),
        ON(t.Page14, flbSpecialApplication),
        ON(t.Page14, fcbSpecialApplication),
        // Finish and information
        ON(t.Page11, btnPage11Yes),
        ON(t.Page12, NoIconInTray),
        ON(t.Page12, Button1),
        ON(t.Page12, Button2),
        ON(t.Page12, shpDoor),
        ON(t.Page12, imgHedge),
        ON(t.Page2, panLogo),
        ON(t.Page2, lblDriver),
        ON(t.Page2, lblDLLname),
        ON(t.Page2, lblControlPanel),
        ON(t.Page2, lblOS),
        // Cursor files and schemes
        ON(t.Page15, dcbMouseCursors),
        ON(t.Page15, dlbMouseCursors),
        ON(t.Page15, flbMouseCursors),
        ON(t.Page15, FilterComboBox2),
        ON(t.Page15, Panel3),
        ON(t.Page16, editPointerSchemeSave),
        ON(t.Page16, btnSavePointerScheme),
    };
    for (const Placement& placement : placements) {
        SCOPED_TRACE(toUtf8(placement.name));
        ASSERT_NE(placement.control, nullptr);
        EXPECT_EQ(placement.control->name(), placement.name);
        EXPECT_EQ(homeOf(*placement.control), placement.home);
    }
}

TEST_F(WindowLayout, TheWizardPagesHaveHiddenTabsAndThePropertyTabsShowTheirCaptions) {
    auto& t = w();
    const std::vector<ui::TabSheet*> pages{t.Page18, t.Page1,  t.Page6,  t.Page7,  t.Page8,
                                           t.Page9,  t.Page10, t.Page11, t.Page12, t.Page2,
                                           t.Page4,  t.Page13, t.Page14, t.Page15, t.Page16};
    ASSERT_EQ(t.PageControl1->pageCount(), static_cast<int>(pages.size()));
    for (int index = 0; index < t.PageControl1->pageCount(); ++index) {
        SCOPED_TRACE(index);
        ASSERT_NE(pages[index], nullptr);
        EXPECT_EQ(&t.PageControl1->page(index), pages[index]);
    }
    EXPECT_FALSE(t.PageControl1->tabsVisible());
    EXPECT_EQ(t.PageControl1->activePage(), t.Page18) << "the program opens on its welcome page";

    const std::pair<ui::TabSheet*, const wchar_t*> tabs[] = {
        {t.TabSheet1, L"Motion"},  {t.TabSheet2, L"Buttons"},   {t.TabSheet3, L"Pointers"},
        {t.TabSheet4, L"Actions"}, {t.TabSheet5, L"Scrolling"},
    };
    EXPECT_TRUE(t.PageControl2->tabsVisible());
    ASSERT_EQ(t.PageControl2->pageCount(), 5);
    for (int index = 0; index < 5; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(&t.PageControl2->page(index), tabs[index].first);
        EXPECT_EQ(t.PageControl2->page(index).caption(), tabs[index].second);
    }
}

TEST_F(WindowLayout, EveryControlHasANameOfItsOwn) {
    std::set<std::wstring> seen;
    for (ui::Control* control : everyControl()) {
        EXPECT_FALSE(control->name().empty())
            << "a control of " << toUtf8(control->parent()->name());
        EXPECT_TRUE(seen.insert(control->name()).second) << toUtf8(control->name()) << " twice";
    }
    EXPECT_GT(seen.size(), 150u);
}

TEST_F(WindowLayout, NoControlIsCutOffByItsParent) {
    EXPECT_TRUE(inside(w().PageControl1->bounds(), {0, 0, w().width(), w().height()}));
    for (ui::Control* control : everyControl()) {
        SCOPED_TRACE(describe(*control));
        EXPECT_GE(control->width(), 0);
        EXPECT_GE(control->height(), 0);
        EXPECT_TRUE(inside(control->bounds(), childArea(*control->parent())))
            << "in " << describe(*control->parent());
    }
}

TEST_F(WindowLayout, NoControlLiesOverAnotherExceptTheIntendedCovers) {
    // A panel hides each catcher button; the door hides the picture until the
    // finish animation slides it away; a two-button device numbers the third row "2".
    const std::set<std::pair<std::wstring, std::wstring>> intended{
        {L"btnHidden1", L"panHidden1"},
        {L"btnHidden2", L"panHidden2"},
        {L"imgHedge", L"shpDoor"},
        {L"Label33", L"Label4"},
    };
    for (ui::Control* parent : everyControl()) {
        if (dynamic_cast<ui::PageControl*>(parent) != nullptr) {
            continue;  // its pages share one place by design
        }
        const auto& children = parent->children();
        for (size_t i = 0; i < children.size(); ++i) {
            for (size_t k = i + 1; k < children.size(); ++k) {
                if (intended.count({children[i]->name(), children[k]->name()}) != 0) {
                    continue;
                }
                EXPECT_FALSE(overlap(children[i]->bounds(), children[k]->bounds()))
                    << describe(*children[i]) << " overlaps " << describe(*children[k]);
            }
        }
    }
}

TEST_F(WindowLayout, TheCatcherButtonsAreFocusableButCoveredByBorderlessPanels) {
    for (const auto& [button, cover] :
         {std::pair{L"btnHidden1", L"panHidden1"}, std::pair{L"btnHidden2", L"panHidden2"}}) {
        SCOPED_TRACE(toUtf8(button));
        auto& hidden = named<ui::Button>(button);
        auto& panel = named<ui::Panel>(cover);
        EXPECT_TRUE(hidden.visible());
        EXPECT_TRUE(hidden.enabled());
        EXPECT_TRUE(inside(hidden.bounds(), panel.bounds()));
        EXPECT_EQ(panel.parent(), hidden.parent());
        EXPECT_EQ(panel.bevelOuter(), ui::Bevel::None);
        EXPECT_EQ(panel.bevelInner(), ui::Bevel::None);
        EXPECT_TRUE(panel.caption().empty());
        const auto& siblings = panel.parent()->children();
        EXPECT_GT(std::find(siblings.begin(), siblings.end(), &panel) - siblings.begin(),
                  std::find(siblings.begin(), siblings.end(), &hidden) - siblings.begin())
            << "made later, so drawn on top";
    }
}

TEST_F(WindowLayout, TheKeystrokePageTabsFromTheCatcherBeforeTheEditToTheOneAfter) {
    auto& t = w();
    EXPECT_EQ(t.btnHidden1->tabOrder(), 0);
    EXPECT_EQ(t.txtActionString->tabOrder(), 1);
    EXPECT_EQ(t.btnHidden2->tabOrder(), 2);
    std::vector<ui::Control*> stops;
    for (ui::Control* child : t.Page13->children()) {
        if (child->tabStop() && child->focusable()) {
            stops.push_back(child);
        }
    }
    std::stable_sort(stops.begin(), stops.end(), [](const ui::Control* a, const ui::Control* b) {
        return a->tabOrder() < b->tabOrder();
    });
    ASSERT_GE(stops.size(), 5u);
    EXPECT_EQ(stops[0], t.btnHidden1);
    EXPECT_EQ(stops[1], t.txtActionString);
    EXPECT_EQ(stops[2], t.btnHidden2);
    EXPECT_EQ(t.txtActionString->bounds(), (ui::Rect{96, 152, 96 + 377, 152 + 21}));
    EXPECT_EQ(t.btnHidden1->caption(), L"Invisible");
    EXPECT_EQ(t.btnHidden2->caption(), L"Invisisble");
    EXPECT_EQ(t.btnBackspace->hint(), L"Press to delete the previous character");
}

TEST_F(WindowLayout, TheFinishAnimationRunsClearOfThePageText) {
    auto& t = w();
    EXPECT_EQ(t.shpDoor->bounds(), (ui::Rect{392, 120, 392 + 67, 120 + 85}));
    EXPECT_EQ(t.shpDoor->brushColor(), ui::kWindowColor);
    EXPECT_EQ(t.shpDoor->penStyle(), ui::PenStyle::Clear);
    EXPECT_EQ(t.imgHedge->bounds(), (ui::Rect{393, 120, 393, 120 + 85}));
    EXPECT_TRUE(t.imgHedge->transparent());
    // The door slides 13 times 6 pixels right; the picture widens to 72 pixels
    // and walks 84 pixels down.
    const ui::Rect doorPath{392, 120, 392 + 78 + 67, 120 + 85};
    const ui::Rect picturePath{393, 120, 393 + 72, 120 + 84 + 85};
    for (ui::Control* control : t.Page12->children()) {
        if (control == t.shpDoor || control == t.imgHedge) {
            continue;
        }
        SCOPED_TRACE(describe(*control));
        EXPECT_FALSE(overlap(control->bounds(), doorPath));
        EXPECT_FALSE(overlap(control->bounds(), picturePath));
    }
}

TEST_F(WindowLayout, TheFixedTextsAreShownAsWritten) {
    const std::pair<const wchar_t*, const wchar_t*> captions[] = {
        {L"btnNext", L"&Next ->"},
        {L"btnBack", L"<- &Back"},
        {L"btnHelp", L"&Help"},
        {L"btnCancel", L"&Cancel"},
        {L"Label26", L"You have selected the"},
        {L"Label27", L"If this is correct click \"Next\" to continue."},
        {L"gpbDevicesFound", L"Devices Found:"},
        {L"gpbCursorSpeed", L"Cursor Speed"},
        {L"Label76", L"Mouse Cursor Speed"},
        {L"btnMouseSpeedDown", L"<-"},
        {L"btnMouseSpeedUp", L"->"},
        {L"rgbAccel", L"Acceleration"},
        {L"gpbShowTrails", L"Show Trails"},
        {L"chkShowTrails", L"Show Trails"},
        {L"Label80", L"Short"},
        {L"Label81", L"Long"},
        {L"gpbButtonPosition", L"Button Position"},
        {L"Label31", L"1"},
        {L"Label32", L"2"},
        {L"Label33", L"3"},
        {L"Label34", L"4"},
        {L"Label4", L"2"},
        {L"gpbDblClickSpeed", L"Double Click Speed"},
        {L"Label35", L"Slow"},
        {L"Label36", L"Fast"},
        {L"Label37", L"Test"},
        {L"gpbScheme", L"Scheme"},
        {L"btnSaveScheme", L"Sa&ve As"},
        {L"btnUseDefaultPoint", L"Use &Default"},
        {L"btnBrowsePointers", L"B&rowse"},
        {L"Label48", L"Preview"},
        {L"btnAssignNew", L"Ne&w Action"},
        {L"btnReplaceAction", L"&Replace Action"},
        {L"btnDeleteShort", L"&Delete Action"},
        {L"gpbSwiftScroll", L"Swift Scroll"},
        {L"gpbRockScroll", L"Rock && Scroll"},
        {L"gpbScrollTest", L"Scroll Test"},
        {L"lblCurrentDesc", L"Swift Scroll"},
        {L"btnAssignAction", L"&Assign Action"},
        {L"btnPage13Assign", L"Assign Characters to Action"},
        {L"btnBackspace", L"Backspace"},
        {L"btnPage9Yes", L"&Customize Applications"},
        {L"btnPage10Browse", L"&Add New"},
        {L"btnPage10Delete", L"&Delete"},
        {L"btnPage11Yes", L"&Setup"},
        {L"NoIconInTray", L"Don't show the mouse icon in the Windows Tray"},
        {L"Button1", L"&About Driver"},
        {L"Button2", L"&Multiple Devices"},
        {L"Label8", L"Driver:"},
        {L"Label9", L"Dynamic Library:"},
        {L"Label10", L"Control Panel:"},
        {L"Label11", L"Operating System:"},
        {L"Label82", L"Load Cursor:"},
        {L"Label49", L"DoubleClick on the cursor file you want to load"},
        {L"Label83", L"Preview"},
        {L"Label85", L"Save Pointer Scheme:"},
        {L"Label86", L"This will allow you to save your own customized Pointer Scheme."},
        {L"Label87",
         L"Simply type the name you want to save your current scheme as into the text box below"},
        {L"Label88", L"and click on the Save button."},
        {L"Label84", L"Save the current Mouse Pointer Scheme as:"},
        {L"btnSavePointerScheme", L"&Save"},
    };
    for (const auto& [name, caption] : captions) {
        SCOPED_TRACE(toUtf8(name));
        EXPECT_EQ(named(name).caption(), caption);
    }
    // Texts of labels that carry no name of their own, found wherever they sit.
    const wchar_t* const prose[] = {
        L"To setup or change the device properties double-click a device in the list, or select "
        L"a device and click \"Next\" to continue the setup.",
        L"Please select the type of device that best describes the device attached to the",
        L"Mouse Properties Control Panel",
        L"Click Next to continue",
        L"To assign a new shortcut  action:",
        L"5. Repeat for up to 11 actions.",
        L"Mouse Buttons",
        L"Keyboard Keys",
        L"Action",
        L"Action Description",
        L"Control Keys",
        L"Shortcut Action",
        L"+",
        L"=",
        L"Action Character String:",
        L"To assign a sequence of key strokes to an action, type the desired sequence in the box "
        L"below. For macros that contain the Windows or Menu keys, it may be necessary to edit "
        L"the symbol string, as Windows will respond to the symbols typed.",
        L"Swift Scroll is a button controlled software scrolling method. To use this function one "
        L"shortcut action must be the \"Swift Scroll.\"",
        L"This property sets the speed of the built in Scrolling device. It is only availble on "
        L"devices with the built in mechanism.",
        L"Rocker Scroll Speed",
        L"This mouse driver allows a pointing device to be customized for different applications "
        L"(programs). It is possible to change the properties on the previous page so that the "
        L"pointing device performs differently in the selected application.",
        L"Click the Customize Applications button in order to setup specialized mouse settings for "
        L"different applications.",
        L"More than one pointing device was found on this system. Devices are automatically set "
        L"to default values.",
        L"Alternate pointing devices",
        L"NOTE:  Pointing devices can be customized at any time by running this setup program "
        L"from the control panel.",
        L"The setup of your pointing device is now complete. You may return to this setup program "
        L"by selecting Mouse Properties from the Windows Control Panel or you can access this "
        L"program by double-clicking the mouse icon in the Windows Tray.",
        L"For more information about this driver",
        L"To find out how to add more pointing devices to your system",
        L"How to add multiple pointing devices...",
        L"An additional mouse can be connected to an available serial port.",
    };
    std::multiset<std::wstring> shown;
    for (ui::Control* control : everyControl()) {
        if (dynamic_cast<ui::Label*>(control) != nullptr) {
            shown.insert(control->caption());
        }
    }
    for (const wchar_t* text : prose) {
        EXPECT_GE(shown.count(text), 1u) << toUtf8(text);
    }
}

TEST_F(WindowLayout, ListsAndDropDownsOfferTheirFixedItems) {
    using Items = std::vector<std::wstring>;
    const Items positions{L"Primary", L"Secondary", L"Aux1", L"Aux 2"};
    const std::pair<const wchar_t*, Items> lists[] = {
        {L"ListBox1",
         {L"Orvane Right Hand Mouse", L"Orvane Left Hand Mouse", L"Standard 2 Button Mouse",
          L"Standard 3 Button Mouse", L"Standard 2 Button Trackball", L"Standard Touchpad",
          L"Standard Pointy Stick", L"4 Button Mouse/Trackball", L"Special Custom Device"}},
        {L"cmbMouseButtons",
         {L"Aux1", L"Aux2", L"Primary", L"Secondary", L"Prm+Sec", L"Prm+Aux1", L"Prm+Aux2",
          L"Sec+Aux1", L"Sec+Aux2", L"Aux1+Aux2"}},
        {L"cmbKeyboardKey",
         {L"{none}", L"Shift", L"Ctrl", L"Alt", L"Shift+Ctrl", L"Shift+Alt", L"Ctrl+Alt"}},
        {L"cmbAction",
         {L"Swift Scroll", L"Double Click", L"Custom Text...", L"Maximize", L"Minimize",
          L"Normal Size", L"X Motion Only", L"Y Motion Only"}},
        {L"cmbPos1", positions},
        {L"cmbPos2", {L"Primary", L"Secondary", L"Aux1", L"Aux2"}},
        {L"cmbPos3", positions},
        {L"cmbPos4", positions},
        {L"cmbScheme", {L"[none]"}},
        {L"lstPointers",
         {L"Normal Select", L"Help Select", L"Working in Background", L"Busy", L"Precision Select",
          L"Text Select", L"Handwriting", L"Unavailable", L"Vertical Resize", L"Horizontal Resize",
          L"Diagonal Resize 1", L"Diagonal Resize 2", L"Move", L"Alternate Select"}},
        {L"lstDevicesFound", {}},
        {L"lstbAssignedActionsMB", {}},
        {L"lstbSpecialApplications", {}},
    };
    for (const auto& [name, items] : lists) {
        SCOPED_TRACE(toUtf8(name));
        auto& list = named<ui::ListControl>(name);
        EXPECT_EQ(list.items(), items);
        EXPECT_EQ(list.itemIndex(), -1);
    }
    EXPECT_EQ(w().rgbAccel->items(), (Items{L"None", L"Low", L"Medium", L"High"}));

    const Items& scrollTest = w().lstbScrollTest->items();
    ASSERT_EQ(scrollTest.size(), 45u);
    EXPECT_EQ(Items(scrollTest.begin(), scrollTest.begin() + 2), (Items{L"Begin", L"List"}));
    for (int row = 1; row <= 41; ++row) {
        EXPECT_EQ(scrollTest[row + 1], std::to_wstring(row));
    }
    EXPECT_EQ(Items(scrollTest.end() - 2, scrollTest.end()), (Items{L"End", L"List"}));
}

TEST_F(WindowLayout, OwnerDrawnListsHaveTheirRowKinds) {
    auto& t = w();
    EXPECT_EQ(t.lstbAssignedActionsMB->style(), ui::ListStyle::OwnerDrawFixed);
    EXPECT_EQ(t.lstbAssignedActionsMB->itemHeight(), 13);
    EXPECT_EQ(t.cmbAction->style(), ui::ListStyle::OwnerDrawFixed);
    EXPECT_EQ(t.cmbAction->itemHeight(), 13);
    EXPECT_EQ(t.lstPointers->style(), ui::ListStyle::OwnerDrawVariable);
    EXPECT_TRUE(t.lblCurrentDesc->wordWrap());
    EXPECT_EQ(t.lblCurrentDesc->alignment(), ui::Alignment::Center);
    // All eleven actions a setup holds are seen without scrolling.
    EXPECT_GE(t.lstbAssignedActionsMB->height(), 11 * 13 + 2 * ui::ListControl::kFrameWidth);
}

TEST_F(WindowLayout, TrackBarsStartWithTheirRangesAndSteps) {
    struct Bar {
        const wchar_t* name;
        int min, max, position;
        bool enabled;
    };
    for (const Bar& bar :
         {Bar{L"trbHorizontalSpeed", 1, 13, 1, true}, Bar{L"trbTrailLength", 1, 10, 5, true},
          Bar{L"trbDblClickSpeed", 1, 10, 5, true}, Bar{L"trbRockScroll", 0, 10, 5, false}}) {
        SCOPED_TRACE(toUtf8(bar.name));
        auto& track = named<ui::TrackBar>(bar.name);
        EXPECT_EQ(track.min(), bar.min);
        EXPECT_EQ(track.max(), bar.max);
        EXPECT_EQ(track.position(), bar.position);
        EXPECT_EQ(track.frequency(), 1);
        EXPECT_EQ(track.lineSize(), 1);
        EXPECT_EQ(track.pageSize(), 2);
        EXPECT_EQ(track.tickMarks(), ui::TickMarks::BottomRight);
        EXPECT_EQ(track.enabledWithParents(), bar.enabled);
    }
}

TEST_F(WindowLayout, TheWindowOpensWithOnlyWhatTheWelcomePageNeeds) {
    auto& t = w();
    EXPECT_FALSE(t.btnBack->visible());
    EXPECT_FALSE(t.btnBack->enabled());
    EXPECT_FALSE(t.btnHelp->visible());
    EXPECT_TRUE(t.btnNext->showing());
    EXPECT_TRUE(t.btnNext->enabled());
    EXPECT_FALSE(t.btnApply->enabled()) << "nothing is loaded, so closing asks nothing";
    EXPECT_FALSE(t.Label4->visible());
    EXPECT_EQ(t.Label4->bounds(), t.Label33->bounds());
    for (ui::Control* shownWithType :
         std::vector<ui::Control*>{t.imgPage6Mouse, t.Label26, t.lblTypeSelected, t.Label27}) {
        EXPECT_FALSE(shownWithType->visible()) << toUtf8(shownWithType->name());
    }
    for (ui::Timer* timer : {t.Timer1, t.Timer2}) {
        ASSERT_NE(timer, nullptr);
        EXPECT_FALSE(timer->enabled()) << toUtf8(timer->name());
        EXPECT_EQ(timer->interval(), 100) << toUtf8(timer->name());
    }
    EXPECT_EQ(t.Timer1->name(), L"Timer1");
    EXPECT_EQ(t.Timer2->name(), L"Timer2");
    EXPECT_FALSE(t.gpbRockScroll->enabled());
    EXPECT_FALSE(t.btnReplaceAction->enabled());
    EXPECT_FALSE(t.btnDeleteShort->enabled());
    EXPECT_FALSE(t.btnPage10Delete->enabled());
}

TEST_F(WindowLayout, PicturesAndLettersAreSetAsDesigned) {
    auto& t = w();
    EXPECT_EQ(t.imgPage6Mouse->width(), 97);
    EXPECT_EQ(t.imgPage6Mouse->height(), 97);
    EXPECT_TRUE(t.imgPage6Mouse->stretch());
    EXPECT_TRUE(t.imgPage6Mouse->center());
    EXPECT_TRUE(t.imgPage6Mouse->transparent());
    EXPECT_TRUE(t.imgCurrentMouse->center());
    EXPECT_EQ(t.imgDblClk1->picture(), L"DBCLICK1");
    EXPECT_EQ(t.imgDblClk1->width(), 32);
    EXPECT_EQ(t.imgDblClk1->height(), 32);
    EXPECT_EQ(t.Panel2->bevelOuter(), ui::Bevel::Lowered);
    EXPECT_EQ(t.Panel3->bevelOuter(), ui::Bevel::Lowered);
    int pictures = 0;
    for (ui::Control* control : everyControl()) {
        if (auto* image = dynamic_cast<ui::Image*>(control); image && !image->picture().empty()) {
            ++pictures;
            EXPECT_TRUE(resources.hasBitmap(image->picture())) << toUtf8(image->name());
        }
    }
    EXPECT_GE(pictures, 7) << "logos, welcome, trails, test, hedge and adapter pictures";

    EXPECT_EQ(t.font().name, L"MS Sans Serif");
    EXPECT_EQ(t.font().size, 8);
    for (const wchar_t* bold :
         {L"Label31", L"Label32", L"Label33", L"Label34", L"Label4", L"lblTypeSelected",
          L"btnMouseSpeedDown", L"btnMouseSpeedUp", L"Label82", L"Label85"}) {
        EXPECT_TRUE(named(bold).font().bold) << toUtf8(bold);
    }
    EXPECT_TRUE(t.btnSavePointerScheme->isDefault());
}

TEST_F(WindowLayout, FileBrowsersAreLinkedAndFiltered) {
    auto& t = w();
    EXPECT_EQ(t.fcbSpecialApplication->filter(), L"Executable  files (*.EXE)|*.EXE");
    EXPECT_EQ(t.flbSpecialApplication->mask(), L"*.EXE");
    EXPECT_EQ(t.FilterComboBox2->filter(),
              L"Cursor Files (*.CUR, *.ANI)|*.CUR; *.ANI|All Files (*.*)|*.*");
    EXPECT_EQ(t.flbMouseCursors->mask(), L"*.CUR; *.ANI");
    t.FilterComboBox2->select(1);
    EXPECT_EQ(t.flbMouseCursors->mask(), L"*.*") << "the filter box sets the file list's mask";

    t.dlbMouseCursors->setDirectory(L"C:\\Orvane\\p");
    EXPECT_EQ(t.flbMouseCursors->directory(), L"C:\\Orvane\\p");
    EXPECT_EQ(t.flbMouseCursors->itemCount(), 14) << "the default cursors P1.cur .. P14.cur";
    EXPECT_EQ(t.dcbMouseCursors->drive(), L'C');
    t.dlbSpecialApplication->setDirectory(L"C:\\Orvane");
    EXPECT_EQ(t.flbSpecialApplication->directory(), L"C:\\Orvane");
    EXPECT_EQ(t.dcbSpecialApplication->drive(), L'C');
}

TEST_F(WindowLayout, NoTwoControlsShownTogetherShareAnAcceleratorLetter) {
    auto& t = w();
    for (const auto& [page, tab] : everyView(t)) {
        SCOPED_TRACE(describe(View{page, tab}));
        std::vector<ui::Control*> shown{t.btnBack, t.btnNext};
        collectShownWith(*page, tab, shown);
        std::map<wchar_t, std::wstring> taken;
        for (ui::Control* control : shown) {
            const bool operable = dynamic_cast<ui::Button*>(control) != nullptr ||
                                  dynamic_cast<ui::CheckBox*>(control) != nullptr;
            const auto letter =
                static_cast<wchar_t>(std::towupper(ui::acceleratorOf(control->caption())));
            if (operable && letter != 0) {
                const auto [at, fresh] = taken.emplace(letter, control->name());
                EXPECT_TRUE(fresh) << toUtf8(control->name()) << " and " << toUtf8(at->second);
            }
        }
    }
}

// The controls Tab visits, once round, starting after the window's button bar.
std::vector<ui::Control*> tabRound(TfrmTarvex& t) {
    std::vector<ui::Control*> visited;
    constexpr int kMostStops = 64;
    for (int press = 0; press < kMostStops; ++press) {
        ui::user::pressTab(t);
        ui::Control* focused = t.activeControl();
        const auto seen = std::find(visited.begin(), visited.end(), focused);
        if (seen != visited.end()) {
            visited.erase(visited.begin(), seen);
            break;
        }
        visited.push_back(focused);
    }
    const auto barEnd = std::find_if(visited.begin(), visited.end(),
                                     [&](ui::Control* control) { return control == t.btnNext; });
    if (barEnd != visited.end()) {
        std::rotate(visited.begin(), barEnd + 1, visited.end());
    }
    return visited;
}

// A device set up, so that every page can show what it shows in use.
class WindowTabOrder : public scenario::TarvexScenario {
protected:
    void SetUp() override {
        startWith("scenario_one_device.reg");
        walkToProperties(0, 2);
    }
};

TEST_F(WindowTabOrder, TabVisitsEveryControlOfAPageInReadingOrder) {
    auto& t = window();
    for (const View& view : everyView(t)) {
        SCOPED_TRACE(describe(view));
        application.deliver([&] { layout_check::makeCurrent(t, view); });
        t.btnBack->show();
        t.btnBack->setEnabled(true);
        t.btnNext->setEnabled(true);
        const std::vector<ui::Control*> stops = tabRound(t);
        if (view.page == t.Page13) {
            EXPECT_EQ(stops, std::vector<ui::Control*>{t.txtActionString})
                << "Tab is a key the macro records, so it never leaves the edit";
            continue;
        }
        for (ui::Control* stop : stops) {
            auto* pages = dynamic_cast<ui::PageControl*>(stop);
            EXPECT_FALSE(pages != nullptr && !pages->tabsVisible())
                << "Tab stops on " << describe(*stop) << ", which shows no focus";
        }
        std::vector<ui::Control*> shown;
        collectShownWith(*view.page, view.tab, shown);
        for (ui::Control* control : shown) {
            if (control->canFocus() && control->focusedByClick()) {
                EXPECT_NE(std::find(stops.begin(), stops.end(), control), stops.end())
                    << describe(*control) << " is never reached by Tab";
            }
        }
        for (size_t index = 1; index < stops.size(); ++index) {
            EXPECT_TRUE(readsOn(inForm(*stops[index - 1]), inForm(*stops[index])))
                << "Tab jumps from " << describe(*stops[index - 1]) << " back to "
                << describe(*stops[index]);
        }
    }
}

TEST_F(WindowTabOrder, TheFileBoxKeepsItsControlsApartInsideAndInReadingOrder) {
    TFileBox box(application);
    box.show();
    const auto& parts = box.children();
    for (size_t i = 0; i < parts.size(); ++i) {
        SCOPED_TRACE(describe(*parts[i]));
        EXPECT_TRUE(inside(parts[i]->bounds(), {0, 0, box.width(), box.height()}));
        for (size_t k = i + 1; k < parts.size(); ++k) {
            EXPECT_FALSE(overlap(parts[i]->bounds(), parts[k]->bounds())) << describe(*parts[k]);
        }
    }
    box.txtSpecialApp->setText(L"NOTEPAD.EXE");  // so that OK can be reached
    std::vector<ui::Control*> stops;
    for (ui::Control* focused = box.activeControl();
         std::find(stops.begin(), stops.end(), focused) == stops.end();
         focused = box.activeControl()) {
        stops.push_back(focused);
        ui::user::pressTab(box);
    }
    EXPECT_EQ(stops, (std::vector<ui::Control*>{box.txtSpecialApp, box.Button1, box.btnOK,
                                                box.btnCancel}));
    for (size_t index = 1; index < stops.size(); ++index) {
        EXPECT_TRUE(readsOn(stops[index - 1]->bounds(), stops[index]->bounds()))
            << describe(*stops[index]);
    }
}

}  // namespace
}  // namespace setup
