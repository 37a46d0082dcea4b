// The native peers in this process: what windows the model gets, how model
// changes reach them, and how their notifications come back as one event.

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/memory/memory_message_boxes.h"
#include "platform/text.h"
#include "platform/win32/screen_dpi.h"
#include "platform/win32/win32_cursors.h"
#include "tests/ui/headless_ui.h"
#include "tests/win32/ui_driver.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/list_controls.h"
#include "ui/page_control.h"
#include "ui/standard_controls.h"
#include "ui/timer.h"
#include "ui/track_bar.h"
#include "ui/win32/win32_backend.h"

namespace ui {
namespace {

HWND windowOf(const Control& control) {
    return control.peer() != nullptr ? reinterpret_cast<HWND>(control.peer()->windowId()) : nullptr;
}

// A form like the program's main window, with one control of each kind on a
// page of a page control with visible tabs; its windows are made for a screen
// of the given DPI.
class NativePeers : public ::testing::Test {
protected:
    explicit NativePeers(int dpi = platform::screenDpi())
        : backend(cursors, GetModuleHandleW(nullptr), dpi),
          application(backend, boxes),
          form(application, L"frmTarvex"),
          pages(form.add<PageControl>(L"PageControl2")),
          first(pages.addPage(L"TabSheet1", L"Motion")),
          second(pages.addPage(L"TabSheet2", L"Buttons")),
          next(first.add<Button>(L"btnNext")),
          back(first.add<Button>(L"btnBack")),
          list(first.add<ListBox>(L"lstbAssignedActionsMB")),
          combo(first.add<ComboBox>(L"cmbAction")),
          bar(first.add<TrackBar>(L"trbHorizontalSpeed")),
          box(first.add<CheckBox>(L"chkShowTrails")),
          edit(first.add<Edit>(L"txtSpecialApp")),
          group(first.add<RadioGroup>(L"rgbAccel")),
          label(first.add<Label>(L"Label80")),
          panel(form.add<Panel>(L"panButton")) {
        application.setTitle(L"Native Test");
        form.setNativeClassName(L"TfrmTarvex");
        form.setCaption(L"Orvane Mouse Setup Control Panel");
        form.setClientSize(536, 384);
        pages.setBounds(0, 0, 536, 340);
        panel.setBounds(0, 340, 536, 44);
        next.setBounds(8, 8, 75, 25);
        next.setCaption(L"&Next ->");
        back.setBounds(88, 8, 75, 25);
        back.setCaption(L"<- &Back");
        list.setBounds(8, 40, 200, 80);
        list.setStyle(ListStyle::OwnerDrawFixed);
        list.setItems({L"Aux1", L"Aux2", L"Primary"});
        combo.setBounds(220, 40, 150, 21);
        combo.setItems({L"Swift Scroll", L"Double Click", L"Maximize"});
        bar.setBounds(220, 70, 200, 30);
        bar.setRange(1, 13);
        bar.setPosition(1);
        box.setBounds(220, 110, 120, 17);
        box.setCaption(L"Show &Trails");
        edit.setBounds(8, 130, 200, 21);
        group.setBounds(220, 130, 150, 100);
        group.setCaption(L"Acceleration");
        group.setItems({L"None", L"Low", L"Medium", L"High"});
        label.setBounds(8, 160, 60, 13);
        label.setCaption(L"Short");
        pages.setActivePage(first);
        for (Control* control : std::initializer_list<Control*>{&next, &back, &list, &box}) {
            control->onClick = [this](Control& sender) { ++clicks[sender.name()]; };
        }
        bar.onChange = [this](Control&) { ++changes[L"bar"]; };
        combo.onChange = [this](Control&) { ++changes[L"combo"]; };
        combo.onSelect = [this](Control&) { ++changes[L"combo choice"]; };
        edit.onChange = [this](Control&) { ++changes[L"edit"]; };
        group.onClick = [this](Control&) { ++clicks[L"rgbAccel"]; };
        form.show();
    }

    // Sends a control's notification to its parent, as the native control does.
    static void notifyParent(HWND control, WORD code) {
        SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                     reinterpret_cast<LPARAM>(control));
    }

    platform::Win32Cursors cursors;
    platform::MemoryMessageBoxes boxes;
    win32::Win32Backend backend;
    Application application;
    Form form;
    PageControl& pages;
    TabSheet& first;
    TabSheet& second;
    Button& next;
    Button& back;
    ListBox& list;
    ComboBox& combo;
    TrackBar& bar;
    CheckBox& box;
    Edit& edit;
    RadioGroup& group;
    Label& label;
    Panel& panel;
    std::map<std::wstring, int> clicks;
    std::map<std::wstring, int> changes;
};

TEST_F(NativePeers, TheFormIsADialogFrameOfItsClassWithTheExactClientSizeCentred) {
    HWND window = windowOf(form);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(uidriver::className(window), L"TfrmTarvex");
    EXPECT_EQ(uidriver::componentName(window), L"frmTarvex");
    EXPECT_EQ(uidriver::windowText(window), L"Orvane Mouse Setup Control Panel");
    const RECT client = uidriver::clientRect(window);
    EXPECT_EQ(client.right, 536);
    EXPECT_EQ(client.bottom, 384);
    const auto style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX),
              WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX), 0) << "not resizable, no minimize box";
    const RECT frame = uidriver::screenRect(window);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(NativePeers, EveryControlIsAStandardWindowFoundByItsComponentName) {
    const std::pair<const wchar_t*, const wchar_t*> expected[] = {
        {L"PageControl2", L"SysTabControl32"},
        {L"TabSheet1", L"TarvexContainer"},
        {L"btnNext", L"Button"},
        {L"lstbAssignedActionsMB", L"ListBox"},
        {L"cmbAction", L"ComboBox"},
        {L"trbHorizontalSpeed", L"msctls_trackbar32"},
        {L"chkShowTrails", L"Button"},
        {L"txtSpecialApp", L"Edit"},
        {L"rgbAccel", L"Button"},
        {L"Label80", L"Static"},
        {L"panButton", L"TarvexContainer"},
    };
    for (const auto& [name, windowClass] : expected) {
        SCOPED_TRACE(platform::toUtf8(name));
        HWND found = uidriver::findControl(windowOf(form), name);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found, windowOf(*form.find(name)));
        EXPECT_EQ(uidriver::className(found), windowClass);
    }
}

TEST_F(NativePeers, EveryWindowShowsItsControlsFontAndFollowsItsChanges) {
    const auto fontOf = [](HWND window) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        return font;
    };
    constexpr int kPointsPerInch = 72;
    HDC screen = GetDC(nullptr);
    const int eightPoints =
        MulDiv(kDefaultFontSize, GetDeviceCaps(screen, LOGPIXELSY), kPointsPerInch);
    ReleaseDC(nullptr, screen);
    for (const Control* control :
         std::initializer_list<const Control*>{&next, &list, &combo, &box, &edit, &group, &label}) {
        SCOPED_TRACE(platform::toUtf8(control->name()));
        const LOGFONTW font = fontOf(windowOf(*control));
        EXPECT_EQ(std::wstring(font.lfFaceName), L"MS Sans Serif");
        EXPECT_EQ(std::abs(font.lfHeight), eightPoints);
    }
    first.setFontBold(true);
    EXPECT_EQ(fontOf(windowOf(label)).lfWeight, FW_BOLD) << "the page's font reached its label";
    EXPECT_EQ(fontOf(uidriver::findChildByText(windowOf(group), L"High")).lfWeight, FW_BOLD)
        << "and the radio items";
    EXPECT_EQ(fontOf(windowOf(next)).lfWeight, FW_BOLD);
    next.setFontBold(false);
    first.setFontColor(kGray);
    EXPECT_EQ(fontOf(windowOf(next)).lfWeight, FW_NORMAL) << "a font of its own stays";
}

TEST_F(NativePeers, OwnerDrawnListsKeepTheirTextsAndDrawThroughTheHandler) {
    HWND window = windowOf(list);
    EXPECT_NE(GetWindowLongPtrW(window, GWL_STYLE) & LBS_HASSTRINGS, 0);
    EXPECT_EQ(uidriver::listItems(window),
              (std::vector<std::wstring>{L"Aux1", L"Aux2", L"Primary"}));
    std::vector<int> drawn;
    int measured = 0;
    list.onDrawItem = [&](Control& sender, int index, Rect rect, OwnerDrawState) {
        drawn.push_back(index);
        measured = sender.canvas().textWidth(L"Primary");
        sender.canvas().fillRect(rect);
    };
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(drawn, (std::vector<int>{0, 1, 2}));
    EXPECT_GT(measured, 0) << "a real font measured the text";
}

TEST_F(NativePeers, ModelChangesReachTheNativeControls) {
    next.setCaption(L"&Finish");
    back.setEnabled(false);
    label.hide();
    bar.setPosition(9);
    box.setChecked(true);
    list.setItemIndex(2);
    combo.setItemIndex(1);
    edit.setText(L"notepad.exe");
    edit.setSelStart(3);
    edit.setSelLength(4);
    group.setItemIndex(3);
    EXPECT_EQ(uidriver::windowText(windowOf(next)), L"&Finish");
    EXPECT_FALSE(uidriver::isEnabled(windowOf(back)));
    EXPECT_FALSE(uidriver::isVisible(windowOf(label)));
    EXPECT_EQ(uidriver::trackBarPosition(windowOf(bar)), 9);
    EXPECT_TRUE(uidriver::isChecked(windowOf(box)));
    EXPECT_EQ(uidriver::listSelection(windowOf(list)), 2);
    EXPECT_EQ(uidriver::comboSelection(windowOf(combo)), 1);
    EXPECT_EQ(uidriver::windowText(windowOf(edit)), L"notepad.exe");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(windowOf(edit), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 3u);
    EXPECT_EQ(end, 7u);
    EXPECT_TRUE(uidriver::isChecked(uidriver::findChildByText(windowOf(group), L"High")));
    EXPECT_FALSE(uidriver::isChecked(uidriver::findChildByText(windowOf(group), L"None")));
    pages.setActivePage(second);
    EXPECT_FALSE(uidriver::isVisible(windowOf(first)));
    EXPECT_TRUE(uidriver::isVisible(windowOf(second)));
    EXPECT_EQ(SendMessageW(windowOf(pages), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(changes[L"edit"], 1) << "setText changed once; its native echo was dropped";
}

TEST_F(NativePeers, OneNativeNotificationRunsTheHandlerOnce) {
    SendMessageW(windowOf(next), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks[L"btnNext"], 1);

    SendMessageW(windowOf(box), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks[L"chkShowTrails"], 1);
    EXPECT_TRUE(box.checked());
    EXPECT_TRUE(uidriver::isChecked(windowOf(box)));

    SendMessageW(windowOf(list), LB_SETCURSEL, 1, 0);
    notifyParent(windowOf(list), LBN_SELCHANGE);
    EXPECT_EQ(clicks[L"lstbAssignedActionsMB"], 1);
    EXPECT_EQ(list.itemIndex(), 1);

    SendMessageW(windowOf(bar), TBM_SETPOS, TRUE, 7);
    for (const WORD code : {TB_THUMBTRACK, TB_THUMBPOSITION, TB_ENDTRACK}) {
        SendMessageW(GetParent(windowOf(bar)), WM_HSCROLL, MAKEWPARAM(code, 7),
                     reinterpret_cast<LPARAM>(windowOf(bar)));
    }
    EXPECT_EQ(changes[L"bar"], 1);
    EXPECT_EQ(bar.position(), 7);

    SendMessageW(windowOf(combo), CB_SETCURSEL, 2, 0);
    notifyParent(windowOf(combo), CBN_SELCHANGE);
    EXPECT_EQ(changes[L"combo"], 1);
    EXPECT_EQ(combo.text(), L"Maximize");

    SendMessageW(uidriver::findChildByText(windowOf(group), L"Low"), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks[L"rgbAccel"], 1);
    EXPECT_EQ(group.itemIndex(), 1);

    SendMessageW(windowOf(edit), WM_CHAR, L'x', 1);
    EXPECT_EQ(edit.text(), L"x");
    EXPECT_EQ(changes[L"edit"], 1);
}

TEST_F(NativePeers, ATabClickShowsThePageThenRunsTheChangeHandler) {
    std::vector<std::string> events;
    second.onShow = [&](Control&) { events.push_back("show"); };
    pages.onChange = [&](Control&) { events.push_back("change"); };
    SendMessageW(windowOf(pages), TCM_SETCURSEL, 1, 0);
    NMHDR header{windowOf(pages), static_cast<UINT_PTR>(GetDlgCtrlID(windowOf(pages))),
                 static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(GetParent(windowOf(pages)), WM_NOTIFY, header.idFrom,
                 reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(events, (std::vector<std::string>{"show", "change"}));
    EXPECT_EQ(pages.activePage(), &second);
}

TEST_F(NativePeers, TabAndAcceleratorsWorkThroughTheMessageLoop) {
    next.setFocus();
    ASSERT_EQ(GetFocus(), windowOf(next));
    PostMessageW(windowOf(next), WM_KEYDOWN, VK_TAB, 1);
    application.processMessages();
    EXPECT_EQ(form.activeControl(), &back);
    EXPECT_EQ(GetFocus(), windowOf(back));

    PostMessageW(GetFocus(), WM_SYSKEYDOWN, 'B', 1 | (1 << 29));
    application.processMessages();
    EXPECT_EQ(clicks[L"btnBack"], 1) << "Alt+B clicked \"<- &Back\"";
}

TEST_F(NativePeers, AControlAddedLaterGetsAWindowWithWhatItsConstructorSet) {
    struct PresetEdit : Edit {
        PresetEdit(Control& parent, std::wstring name) : Edit(parent, std::move(name)) {
            setBounds(96, 152, 377, 21);
            setText(L"{Tab}");
        }
    };
    auto& late = first.add<PresetEdit>(L"txtActionString");
    HWND window = uidriver::findControl(windowOf(form), L"txtActionString");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(uidriver::windowText(window), L"{Tab}");
    RECT rect = uidriver::screenRect(window);
    MapWindowPoints(nullptr, windowOf(first), reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 96);
    EXPECT_EQ(rect.right - rect.left, 377);
    late.setFocus();
    EXPECT_EQ(GetFocus(), window);
    EXPECT_EQ(GetWindow(windowOf(first), GW_CHILD), window) << "made later, stacked on top";
}

TEST_F(NativePeers, ControlsStackInTheOrderTheyWereAddedLaterOnesOnTop) {
    std::vector<HWND> topFirst;
    for (HWND child = GetWindow(windowOf(first), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        topFirst.push_back(child);
    }
    EXPECT_EQ(topFirst, (std::vector<HWND>{windowOf(label), windowOf(group), windowOf(edit),
                                           windowOf(box), windowOf(bar), windowOf(combo),
                                           windowOf(list), windowOf(back), windowOf(next)}));
    EXPECT_EQ(GetWindow(windowOf(form), GW_CHILD), windowOf(panel));
}

TEST_F(NativePeers, ShapesAreDrawnByTheWindowTheyLieOnWhichPassesThemItsMouse) {
    auto& shape = group.add<Shape>(L"shpDoor");
    shape.setBounds(141, 30, 8, 20);  // in the frame's margin, beside the radio items
    shape.setBrushColor(Color::rgb(255, 0, 0));
    int mouseDownX = -1;
    shape.onMouseDown = [&](Control&, MouseButton, ShiftState, int x, int) { mouseDownX = x; };
    shape.onClick = [this](Control&) { ++clicks[L"shpDoor"]; };
    HWND host = windowOf(group);
    EXPECT_EQ(windowOf(shape), host) << "no window of its own";
    const auto pixelAt = [host](int x, int y) {
        RedrawWindow(host, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(host);
        const COLORREF pixel = GetPixel(dc, x, y);
        ReleaseDC(host, dc);
        return pixel;
    };
    EXPECT_EQ(pixelAt(145, 40), RGB(255, 0, 0));

    POINT over{145, 40};
    ClientToScreen(host, &over);
    EXPECT_EQ(SendMessageW(host, WM_NCHITTEST, 0, MAKELPARAM(over.x, over.y)), HTCLIENT)
        << "the group box lets the mouse through, but not over its shape";
    PostMessageW(host, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(145, 40));
    PostMessageW(host, WM_LBUTTONUP, 0, MAKELPARAM(145, 40));
    application.processMessages();
    EXPECT_EQ(clicks[L"shpDoor"], 1);
    EXPECT_EQ(mouseDownX, 4) << "in the shape's own coordinates";

    shape.setLeft(0);
    EXPECT_EQ(pixelAt(145, 40), GetSysColor(COLOR_BTNFACE)) << "where it was is covered";
    EXPECT_EQ(pixelAt(4, 40), RGB(255, 0, 0));
    shape.hide();
    EXPECT_EQ(pixelAt(4, 40), GetSysColor(COLOR_BTNFACE));
}

// Its pages cover all but the frame: the frame is what must look the same.
TEST_F(NativePeers, PagesWithoutTabsHaveAPlainWindowDrawnWithTheTabControlsFrame) {
    struct Wizard : PageControl {
        Wizard(Control& parent, std::wstring name) : PageControl(parent, std::move(name)) {
            setBounds(10, 10, 200, 100);
            setTabsVisible(false);
        }
    };
    Form other(application, L"frmOther");
    other.setClientSize(420, 120);
    other.show();
    HWND wizard = windowOf(other.add<Wizard>(L"PageControl1"));
    EXPECT_EQ(uidriver::className(wizard), L"TarvexContainer");
    HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE, 220, 10, 200, 100,
                                windowOf(other), nullptr, GetModuleHandleW(nullptr), nullptr);
    const auto pixelsOf = [](HWND window) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(window);
        std::vector<COLORREF> edge;
        for (const POINT at : {POINT{0, 0}, POINT{1, 1}, POINT{100, 0}, POINT{0, 50}, POINT{100, 1},
                               POINT{199, 99}, POINT{198, 98}, POINT{100, 99}, POINT{199, 50},
                               POINT{3, 50}, POINT{196, 50}}) {
            edge.push_back(GetPixel(dc, at.x, at.y));
        }
        ReleaseDC(window, dc);
        return edge;
    };
    EXPECT_EQ(pixelsOf(wizard), pixelsOf(tabs));
    DestroyWindow(tabs);
}

TEST_F(NativePeers, RemovingAControlDestroysItsWindow) {
    auto& late = first.add<Button>(L"btnLate");
    HWND window = windowOf(late);
    ASSERT_TRUE(IsWindow(window));
    first.remove(late);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(uidriver::findControl(windowOf(form), L"btnLate"), nullptr);
}

TEST_F(NativePeers, HintsBecomeTooltipsOfTheForm) {
    next.setHint(L"Press to go on");
    back.setHint(L"Press to go back");
    back.setHint(L"");
    HWND tooltip = nullptr;
    for (HWND window = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, TOOLTIPS_CLASSW, nullptr)) {
        if (GetWindow(window, GW_OWNER) == windowOf(form)) {
            tooltip = window;
        }
    }
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
}

TEST_F(NativePeers, AnErrorInANativeNotificationShowsTheErrorBoxAndTheFormGoesOn) {
    next.onClick = [](Control&) { throw platform::Error(L"Failed to write"); };
    boxes.answerNext(platform::MessageAnswer::Ok);
    SendMessageW(windowOf(next), BM_CLICK, 0, 0);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, L"Failed to write");
    EXPECT_EQ(boxes.shown()[0].caption, L"Native Test");
    EXPECT_EQ(boxes.shown()[0].owner, form.windowId());
    SendMessageW(windowOf(back), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks[L"btnBack"], 1);
}

TEST_F(NativePeers, LabelColoursReachTheNativeStatic) {
    label.setFontColor(kGray);
    HDC dc = GetDC(windowOf(label));
    const auto brush =
        SendMessageW(GetParent(windowOf(label)), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(windowOf(label)));
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetTextColor(dc), RGB(128, 128, 128));
    ReleaseDC(windowOf(label), dc);
}

TEST_F(NativePeers, TimersTickFromTheMessageLoop) {
    Timer& timer = form.addTimer(L"Timer1");
    timer.setInterval(10);
    int ticks = 0;
    timer.onTimer = [&](Timer& sender) {
        if (++ticks == 3) {
            sender.setEnabled(false);
        }
    };
    EXPECT_TRUE(uidriver::waitFor([&] {
        application.processMessages();
        return ticks == 3;
    }));
    EXPECT_FALSE(timer.enabled());
}

TEST_F(NativePeers, AModalFormRunsItsOwnLoopWithTheOtherFormsDisabled) {
    Form dialog(application, L"TFileBox");
    dialog.setClientSize(392, 173);
    auto& ok = dialog.add<Button>(L"btnOK");
    ok.setBounds(100, 130, 75, 25);
    ok.setModalResult(kModalOk);
    bool mainEnabledMeanwhile = true;
    Timer& timer = form.addTimer(L"Timer2");
    timer.setInterval(10);
    timer.onTimer = [&](Timer& sender) {
        sender.setEnabled(false);
        mainEnabledMeanwhile = uidriver::isEnabled(windowOf(form));
        SendMessageW(windowOf(ok), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(dialog.showModal(), kModalOk);
    EXPECT_FALSE(mainEnabledMeanwhile);
    EXPECT_TRUE(uidriver::isEnabled(windowOf(form)));
    EXPECT_FALSE(uidriver::isVisible(windowOf(dialog)));
}

TEST_F(NativePeers, TheCloseBoxAsksTheForm) {
    int closes = 0;
    form.onClose = [&](Form&, CloseAction& action) {
        ++closes;
        action = CloseAction::None;
    };
    SendMessageW(windowOf(form), WM_CLOSE, 0, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(uidriver::isVisible(windowOf(form)));
}

TEST_F(NativePeers, MouseClicksOnAListFireTheEventsTheHeadlessGesturesRecord) {
    testing::EventLog log;
    log.watch(list);
    log.watch(next);
    next.setFocus();
    log.take();
    HWND window = windowOf(list);
    const auto mouse = [&](UINT message, int row) {
        const Rect rect = list.itemRect(row);
        PostMessageW(window, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                     MAKELPARAM(rect.left + 10, rect.top + rect.height() / 2));
        application.processMessages();
    };
    struct Gesture {
        const char* what;
        std::vector<std::pair<UINT, int>> messages;
        std::vector<std::string> events;
    };
    const Gesture gestures[] = {
        {"row click",
         {{WM_LBUTTONDOWN, 1}, {WM_LBUTTONUP, 1}},
         {"btnNext exit", "lstbAssignedActionsMB enter", "lstbAssignedActionsMB mousedown",
          "lstbAssignedActionsMB click", "lstbAssignedActionsMB mouseup"}},
        {"click on the selected row",
         {{WM_LBUTTONDOWN, 1}, {WM_LBUTTONUP, 1}},
         {"lstbAssignedActionsMB mousedown", "lstbAssignedActionsMB click",
          "lstbAssignedActionsMB mouseup"}},
        {"row double click",
         {{WM_LBUTTONDOWN, 0}, {WM_LBUTTONUP, 0}, {WM_LBUTTONDBLCLK, 0}, {WM_LBUTTONUP, 0}},
         {"lstbAssignedActionsMB mousedown", "lstbAssignedActionsMB click",
          "lstbAssignedActionsMB mouseup", "lstbAssignedActionsMB dblclick",
          "lstbAssignedActionsMB mousedown", "lstbAssignedActionsMB mouseup"}},
    };
    for (const auto& gesture : gestures) {
        SCOPED_TRACE(gesture.what);
        for (const auto& [message, row] : gesture.messages) {
            mouse(message, row);
        }
        EXPECT_EQ(log.take(), gesture.events);
    }
    EXPECT_EQ(list.itemIndex(), 0);
}

// Keys browse (onChange); the choice is made when Enter closes the list on an
// item (onSelect), so a handler acting on the choice is not run by every item
// the keys pass over.
TEST_F(NativePeers, TheKeyboardBrowsesADropDownListAndEnterAndEscCloseItWhenOpen) {
    next.setDefault(true);
    back.setCancel(true);
    combo.setFocus();
    HWND window = windowOf(combo);
    const auto press = [&](WPARAM key) {
        PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
        PostMessageW(GetFocus(), WM_KEYUP, key, 1 | (3u << 30));
        application.processMessages();
    };
    const auto open = [&] { return SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != FALSE; };
    struct Step {
        const char* what;
        bool dropDown;
        WPARAM key;
        bool openAfter;
        int index;
        int changes;
        int choices;
    };
    const Step steps[] = {
        {"Esc closes the open list", true, VK_ESCAPE, false, -1, 0, 0},
        {"Down in the open list", true, VK_DOWN, true, 0, 1, 0},
        {"Enter takes the choice and closes the list", false, VK_RETURN, false, 0, 1, 1},
        {"Down in the closed list", false, VK_DOWN, false, 1, 2, 1},
        {"Down again in the closed list", false, VK_DOWN, false, 2, 3, 1},
        {"Up in the open list", true, VK_UP, true, 1, 4, 1},
        {"Enter on the item browsed to", false, VK_RETURN, false, 1, 4, 2},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.dropDown) {
            SendMessageW(window, CB_SHOWDROPDOWN, TRUE, 0);
        }
        press(step.key);
        EXPECT_EQ(open(), step.openAfter);
        EXPECT_EQ(combo.itemIndex(), step.index);
        EXPECT_EQ(SendMessageW(window, CB_GETCURSEL, 0, 0), step.index);
        EXPECT_EQ(changes[L"combo"], step.changes);
        EXPECT_EQ(changes[L"combo choice"], step.choices);
        EXPECT_EQ(clicks[L"btnBack"] + clicks[L"btnNext"], 0);
    }
    press(VK_ESCAPE);
    press(VK_RETURN);
    EXPECT_EQ(clicks[L"btnBack"], 1) << "with the list closed, Esc is the cancel button's";
    EXPECT_EQ(clicks[L"btnNext"], 1) << "and Enter the default button's";
    EXPECT_EQ(changes[L"combo choice"], 2);
}

TEST_F(NativePeers, SpaceClicksAButtonOrCheckBoxAsTheKeyComesUp) {
    testing::EventLog log;
    for (Control* control : std::initializer_list<Control*>{&next, &box}) {
        log.watch(*control);
        control->onKeyDown = [&](Control& sender, int&, ShiftState) {
            log.add(platform::toUtf8(sender.name()) + " keydown");
        };
        control->onKeyPress = [&](Control& sender, wchar_t&) {
            log.add(platform::toUtf8(sender.name()) + " keypress");
        };
        control->onKeyUp = [&](Control& sender, int&, ShiftState) {
            log.add(platform::toUtf8(sender.name()) + " keyup");
        };
    }
    constexpr LPARAM kSpaceScanCode = 0x39 << 16;
    constexpr LPARAM kReleased = 3u << 30;
    for (Control* control : std::initializer_list<Control*>{&next, &box}) {
        const std::string name = platform::toUtf8(control->name());
        SCOPED_TRACE(name);
        control->setFocus();
        log.take();
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_SPACE, kSpaceScanCode | 1);
        application.processMessages();
        PostMessageW(GetFocus(), WM_KEYUP, VK_SPACE, kSpaceScanCode | kReleased | 1);
        application.processMessages();
        EXPECT_EQ(log.take(), (std::vector<std::string>{name + " keydown", name + " keypress",
                                                        name + " keyup", name + " click"}));
    }
}

// The same form on a 144-DPI screen, whatever this one's: the model keeps the
// layout's coordinates, the windows are half as large again.
class ScaledNativePeers : public NativePeers {
protected:
    ScaledNativePeers() : NativePeers(kDpi) {}

    static constexpr int kDpi = 144;

    // Where a control's window lies in its parent's client area.
    static std::string placed(const Control& control) {
        RECT r = uidriver::screenRect(windowOf(control));
        MapWindowPoints(HWND_DESKTOP, GetParent(windowOf(control)), reinterpret_cast<POINT*>(&r),
                        2);
        return std::to_string(r.left) + "," + std::to_string(r.top) + " to " +
               std::to_string(r.right) + "," + std::to_string(r.bottom);
    }
};

TEST_F(ScaledNativePeers, TheWindowsGrowByTheScaleAndTouchingControlsStillTouch) {
    const RECT client = uidriver::clientRect(windowOf(form));
    EXPECT_EQ(client.right, 804);
    EXPECT_EQ(client.bottom, 576);
    EXPECT_EQ(placed(pages), "0,0 to 804,510");
    EXPECT_EQ(placed(panel), "0,510 to 804,576") << "right under the pages";
    EXPECT_EQ(placed(label), "12,240 to 102,260");
    // Odd edges: one pixel and a half each way, rounded alike for both buttons.
    next.setBounds(9, 9, 75, 25);
    back.setBounds(84, 9, 75, 25);
    EXPECT_EQ(placed(next), "14,14 to 126,51");
    EXPECT_EQ(placed(back), "126,14 to 239,51") << "right beside the other";
    EXPECT_EQ(form.width(), 536) << "the model keeps the layout's size";
    EXPECT_EQ(next.bounds().right, 84);
}

TEST_F(ScaledNativePeers, TextsAreDrawnInFontsOfTheScreensDensity) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(windowOf(label), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -16) << "8 points at 144 DPI";
    HWND high = uidriver::findChildByText(windowOf(group), L"High");
    ASSERT_NE(high, nullptr);
    RECT item = uidriver::screenRect(high);
    MapWindowPoints(HWND_DESKTOP, windowOf(group), reinterpret_cast<POINT*>(&item), 2);
    const RECT frame = uidriver::clientRect(windowOf(group));
    EXPECT_EQ(item.left, 12) << "the radio items keep the frame's margin, scaled";
    EXPECT_EQ(item.right, frame.right - 12);
    EXPECT_LE(item.bottom, frame.bottom);
}

// The rows are as high as the layout's rows on the screen; the draw handler
// gets each row's layout rectangle and what it fills covers the row exactly.
TEST_F(ScaledNativePeers, OwnerDrawnRowsAreDrawnInLayoutCoordinatesOverTheWholeRow) {
    HWND window = windowOf(list);
    EXPECT_EQ(SendMessageW(window, LB_GETITEMHEIGHT, 0, 0), 20) << "13 layout pixels";
    const Color marker = Color::rgb(200, 30, 40);
    std::vector<Rect> rects;
    int measured = 0;
    list.onDrawItem = [&](Control& sender, int index, Rect rect, OwnerDrawState) {
        rects.push_back(rect);
        sender.canvas().setBrushColor(index == 1 ? marker : kWindowColor);
        sender.canvas().fillRect(rect);
        measured = sender.canvas().textWidth(L"Primary");
    };
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[1].top, rects[0].bottom);
    EXPECT_EQ(rects[1].height(), 13);
    HDC dc = GetDC(window);
    EXPECT_EQ(GetPixel(dc, 5, 19), GetSysColor(COLOR_WINDOW)) << "row 0 ends above";
    EXPECT_EQ(GetPixel(dc, 5, 20), RGB(200, 30, 40)) << "row 1 starts at its first line";
    EXPECT_EQ(GetPixel(dc, 5, 39), RGB(200, 30, 40)) << "and ends at its last";
    EXPECT_EQ(GetPixel(dc, 5, 40), GetSysColor(COLOR_WINDOW));
    ReleaseDC(window, dc);
    EXPECT_GT(measured, 0);
}

TEST_F(ScaledNativePeers, MousePositionsReachTheModelInLayoutCoordinates) {
    std::vector<std::pair<int, int>> downs;
    label.onMouseDown = [&](Control&, MouseButton, ShiftState, int x, int y) {
        downs.emplace_back(x, y);
    };
    for (const auto& [x, y] : std::initializer_list<std::pair<int, int>>{{30, 15}, {89, 19}}) {
        PostMessageW(windowOf(label), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageW(windowOf(label), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        application.processMessages();
    }
    EXPECT_EQ(downs, (std::vector<std::pair<int, int>>{{20, 10}, {59, 13}}));
}

}  // namespace
}  // namespace ui
