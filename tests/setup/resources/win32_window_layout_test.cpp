// The main window and the file box on real windows: every text the user reads
// fits its control in the font the window draws it with, on every page and
// property tab, including the longest texts the program writes into labels.
#include <windows.h>

#include <gtest/gtest.h>

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
#include "platform/win32/win32_cursors.h"
#include "setup/device_list.h"
#include "setup/driver/driver_link.h"
#include "setup/resources/program_resources.h"
#include "setup/store/file_box.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/resources/caption_room.h"
#include "tests/setup/resources/window_views.h"
#include "ui/application.h"
#include "ui/win32/win32_backend.h"

namespace setup {
namespace {

using layout_check::crampedCaptions;
using layout_check::View;
using platform::toUtf8;

// The test library that carries the program's compiled pictures.
HINSTANCE pictureModule() {
    static HMODULE module = LoadLibraryW(L"tarvex_resource_module.dll");
    return module;
}

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
    ui::win32::Win32Backend backend{cursors, pictureModule()};
    ui::Application application{backend, messageBoxes};
    std::unique_ptr<TfrmTarvex> frame;
};

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
