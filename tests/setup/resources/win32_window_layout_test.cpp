// The main window and the file box on real windows, at the screen's DPI (the
// test runs at 96, 144 and 192): the window, its controls and its fonts grow
// with the screen; every control lies inside the window where the layout puts
// it, clear of its neighbours; every text the user reads fits its control in
// the font the window draws it with, on every page and property tab,
// including the longest texts the program writes into labels.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_keyboard.h"
#include "platform/memory/memory_message_boxes.h"
#include "platform/memory/memory_modules.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_system_info.h"
#include "platform/win32/screen_dpi.h"
#include "platform/win32/win32_cursors.h"
#include "setup/device_list.h"
#include "setup/driver/driver_link.h"
#include "setup/resources/program_resources.h"
#include "setup/store/file_box.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/resources/caption_room.h"
#include "tests/setup/resources/window_views.h"
#include "ui/application.h"
#include "ui/win32/peers.h"
#include "ui/win32/win32_backend.h"

namespace setup {
namespace {

using layout_check::crampedCaptions;
using layout_check::View;
using platform::toUtf8;

constexpr int kLayoutDpi = 96;
constexpr int kPointsPerInch = 72;

int sendUtilMessage(int, int) {
    return 0;
}

// The catcher buttons of the keystroke page lie under panels: nobody sees them.
bool seen(const ui::Control& control) {
    static const std::set<std::wstring> covered{L"btnHidden1", L"btnHidden2"};
    return covered.count(control.name()) == 0;
}

// What is measured must be on screen: the page's windows are made when it is first shown.
void expectMade(const ui::Control& parent) {
    for (const ui::Control* child : parent.children()) {
        EXPECT_TRUE(layout_check::hasWindow(*child)) << toUtf8(child->name()) << " has no window";
    }
}

HWND windowOf(const ui::Control& control) {
    return reinterpret_cast<HWND>(control.peer()->windowId());
}

// A layout length on this screen, as a real number: the windows may round it
// either way by less than a pixel.
double onScreen(int logical) {
    return logical * static_cast<double>(platform::screenDpi()) / kLayoutDpi;
}

// Where a control lies in its form's client area in the layout.
ui::Rect inForm(const ui::Control& control) {
    ui::Rect r = control.bounds();
    for (const ui::Control* at = control.parent(); at != &control.form(); at = at->parent()) {
        r = {r.left + at->left(), r.top + at->top(), r.right + at->left(), r.bottom + at->top()};
    }
    return r;
}

// A picture or shape, drawn by the window it lies on.
const ui::win32::GraphicPeer* graphic(const ui::Control& control) {
    return dynamic_cast<const ui::win32::GraphicPeer*>(control.peer());
}

// Where a control is drawn in its form's client area on the screen: its
// window, or its place on the window it lies on.
RECT onScreenInForm(const ui::Control& control) {
    RECT r{};
    HWND from = HWND_DESKTOP;
    if (const auto* drawn = graphic(control)) {
        r = drawn->place();
        from = windowOf(control);
    } else {
        GetWindowRect(windowOf(control), &r);
    }
    MapWindowPoints(from, windowOf(control.form()), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool isShown(const ui::Control& control) {
    return IsWindowVisible(windowOf(control)) && (graphic(control) == nullptr || control.visible());
}

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " to " + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// The controls of a view the user sees: their windows are shown, of the
// property page's tabs only the chosen one's.
void collectSeen(const ui::Control& parent, std::vector<const ui::Control*>& shown) {
    for (const ui::Control* child : parent.children()) {
        if (layout_check::hasWindow(*child) && isShown(*child) && seen(*child)) {
            shown.push_back(child);
            collectSeen(*child, shown);
        }
    }
}

// Each edge where the layout puts it, scaled to the screen; a drop-down
// list's height is its font's, not the layout's.
void expectPlacedAsLaidOut(const ui::Control& control) {
    const ui::Rect laidOut = inForm(control);
    const RECT placed = onScreenInForm(control);
    SCOPED_TRACE(toUtf8(control.name()) + " at " + describe(placed));
    EXPECT_NEAR(placed.left, onScreen(laidOut.left), 1);
    EXPECT_NEAR(placed.top, onScreen(laidOut.top), 1);
    EXPECT_NEAR(placed.right, onScreen(laidOut.right), 1);
    if (dynamic_cast<const ui::ComboBox*>(&control) == nullptr) {
        EXPECT_NEAR(placed.bottom, onScreen(laidOut.bottom), 1);
    }
}

void expectCaptionsFit(const ui::Control& root) {
    for (const auto& cramped : crampedCaptions(root)) {
        if (seen(*cramped.control)) {
            ADD_FAILURE() << layout_check::describe(cramped);
        }
    }
}

class NativeWindowLayout : public ::testing::Test {
protected:
    NativeWindowLayout() {
        registry.create(kDriverRoot, kOrvaneKey)
            ->writeString(kInstallDirectoryValue, L"C:\\Orvane");
        registry.create(kDriverRoot, kPropertiesKey);
        registry.create(kDriverRoot, kMiceFoundKey)->writeString(kMiceFoundValue, L"00a002e04001");
        modules.addLibrary(L"Orvdll.dll").addEntry(kSendUtilMessage, &sendUtilMessage);
        frame = std::make_unique<TfrmTarvex>(application, services);
        frame->show();
    }

    void showView(const View& view) {
        application.deliver([&] { layout_check::makeCurrent(*frame, view); });
        application.processMessages();
    }

    platform::MemoryRegistry registry;
    platform::MemoryMessageBoxes messageBoxes;
    platform::Win32Cursors cursors;
    platform::MemoryKeyboard keyboard;
    platform::MemoryModules modules;
    platform::MemoryFileSystem files;
    platform::MemoryResources resources = programResources();
    platform::MemorySystemInfo system;
    Services services{registry, messageBoxes, cursors, keyboard, modules, files, resources, system};
    ui::win32::Win32Backend backend{cursors, GetModuleHandleW(nullptr)};
    ui::Application application{backend, messageBoxes};
    std::unique_ptr<TfrmTarvex> frame;
};

// The run says which DPI it set up; a screen left at another would make the
// other checks pass at the wrong size.
TEST_F(NativeWindowLayout, TheScreenHasTheDpiTheRunSetUp) {
    const char* asked = std::getenv("TARVEX_TEST_DPI");
    if (asked == nullptr) {
        GTEST_SKIP() << "run at the prefix's own DPI";
    }
    EXPECT_EQ(platform::screenDpi(), std::atoi(asked));
}

TEST_F(NativeWindowLayout, TheClientAreaAndTheFontsGrowWithTheScreen) {
    RECT client{};
    GetClientRect(windowOf(*frame), &client);
    EXPECT_EQ(client.right, MulDiv(536, platform::screenDpi(), kLayoutDpi));
    EXPECT_EQ(client.bottom, MulDiv(384, platform::screenDpi(), kLayoutDpi));
    for (const wchar_t* name : {L"btnNext", L"lblPage18Continue", L"lblWelcomeTitle"}) {
        const ui::Control& control = *frame->find(name);
        const auto font =
            reinterpret_cast<HFONT>(SendMessageW(windowOf(control), WM_GETFONT, 0, 0));
        LOGFONTW description{};
        ASSERT_NE(GetObjectW(font, sizeof description, &description), 0) << toUtf8(name);
        EXPECT_EQ(description.lfHeight,
                  -MulDiv(control.font().size, platform::screenDpi(), kPointsPerInch))
            << toUtf8(name);
    }
}

// A picture drawn at the layout's size would leave the far corner of its
// place on a denser screen bare.
TEST_F(NativeWindowLayout, APictureCoversItsWholePlaceOnTheScreen) {
    const ui::Control& picture = *frame->find(L"imgWelcome");
    HWND host = windowOf(picture);
    UpdateWindow(host);
    ASSERT_NE(graphic(picture), nullptr) << "drawn by the panel it lies on";
    const RECT place = graphic(picture)->place();
    HDC dc = GetDC(host);
    const COLORREF corner = GetPixel(dc, place.right - 1, place.bottom - 1);
    ReleaseDC(host, dc);
    EXPECT_NE(corner, CLR_INVALID);
    EXPECT_NE(corner, GetSysColor(COLOR_BTNFACE));
}

TEST_F(NativeWindowLayout, EveryControlLiesInsideTheWindowWhereTheLayoutPutsIt) {
    TfrmTarvex& window = *frame;
    window.btnBack->show();
    RECT client{};
    GetClientRect(windowOf(window), &client);
    for (const View& view : layout_check::everyView(window)) {
        SCOPED_TRACE(layout_check::describe(view));
        showView(view);
        std::vector<const ui::Control*> shown;
        collectSeen(window, shown);
        for (const ui::Control* control : shown) {
            expectPlacedAsLaidOut(*control);
            const RECT placed = onScreenInForm(*control);
            EXPECT_TRUE(inside(placed, client))
                << toUtf8(control->name()) << " at " << describe(placed) << " leaves the window";
        }
    }
}

// Controls side by side in the layout stay side by side on the screen: no
// rounding lets one reach into its neighbour.
TEST_F(NativeWindowLayout, NoTwoControlsApartInTheLayoutMeetOnTheScreen) {
    TfrmTarvex& window = *frame;
    window.btnBack->show();
    for (const View& view : layout_check::everyView(window)) {
        SCOPED_TRACE(layout_check::describe(view));
        showView(view);
        std::vector<const ui::Control*> shown;
        collectSeen(window, shown);
        for (const ui::Control* one : shown) {
            for (const ui::Control* other : shown) {
                if (one < other && one->parent() == other->parent() &&
                    !overlap(inForm(*one), inForm(*other))) {
                    EXPECT_FALSE(overlap(onScreenInForm(*one), onScreenInForm(*other)))
                        << toUtf8(one->name()) << " meets " << toUtf8(other->name());
                }
            }
        }
    }
}

TEST_F(NativeWindowLayout, EveryCaptionFitsItsControlOnEveryPage) {
    TfrmTarvex& window = *frame;
    window.btnBack->show();
    for (const View& view : layout_check::everyView(window)) {
        SCOPED_TRACE(layout_check::describe(view));
        showView(view);
        expectMade(view.tab != nullptr ? *view.tab : *view.page);
        expectCaptionsFit(*view.page);
        expectCaptionsFit(*window.panButton);
    }
}

// Every name a device can be shown with: the string table's device names, and
// the types a user can give it.
std::vector<std::wstring> deviceNames() {
    std::vector<std::wstring> names;
    for (const auto& [number, text] : programStrings()) {
        if (number < portNameNumber(0)) {
            names.push_back(splitDeviceName(text).name);
        }
    }
    for (const DeviceKind& kind : kDeviceKinds) {
        names.emplace_back(kind.text);
    }
    return names;
}

std::vector<std::wstring> portNames() {
    std::vector<std::wstring> names;
    for (const auto& [number, text] : programStrings()) {
        if (number >= portNameNumber(0)) {
            names.push_back(text);
        }
    }
    return names;
}

TEST_F(NativeWindowLayout, TheLongestTextsTheProgramWritesFitTheirLabels) {
    TfrmTarvex& window = *frame;
    std::vector<std::pair<ui::Label*, std::wstring>> written;
    for (const std::wstring& port : portNames()) {
        written.emplace_back(window.lblPort, port);
    }
    for (const DeviceKind& kind : kDeviceKinds) {
        written.emplace_back(window.lblTypeSelected, kind.text);
    }
    for (const std::wstring& device : deviceNames()) {
        written.emplace_back(
            window.Label66,
            L"Choose an application to set up for the pointing device \"" + device + L"\"");
        for (const std::wstring& port : portNames()) {
            written.emplace_back(window.lblDeviceSelected1, device + L" on the " + port);
        }
    }
    written.emplace_back(window.lblAppPage7, L"In the GENERAL Application");
    for (ui::TabSheet* page : {window.Page6, window.Page7, window.Page10}) {
        showView({page, nullptr});
    }
    for (const auto& [label, text] : written) {
        SCOPED_TRACE(toUtf8(text));
        label->setCaption(text);
        ASSERT_TRUE(layout_check::hasWindow(*label));
        expectCaptionsFit(*label);
    }
}

TEST_F(NativeWindowLayout, TheFileBoxCaptionsFit) {
    TFileBox box(application);
    box.show();
    application.processMessages();
    expectMade(box);
    expectCaptionsFit(box);
}

}  // namespace
}  // namespace setup
