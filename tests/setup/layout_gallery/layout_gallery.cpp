// A tool for layout work, not a test: shows the main window on real windows,
// makes each wizard page (and each property tab) current in turn with sample
// texts in the labels the program fills, and writes a picture of the client
// area per page into the folder given (default: the current one). It then
// lists every caption that needs more room than its control has.
//
//   scripts/layout-gallery BUILD_DIR OUTPUT_DIR
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/memory/memory_keyboard.h"
#include "platform/memory/memory_modules.h"
#include "platform/memory/memory_registry.h"
#include "platform/memory/memory_system_info.h"
#include "platform/text.h"
#include "platform/win32/win32_cursors.h"
#include "platform/win32/win32_file_system.h"
#include "setup/driver/driver_link.h"
#include "setup/resources/program_resources.h"
#include "setup/store/registry_layout.h"
#include "setup/tarvex_form.h"
#include "tests/setup/resources/caption_room.h"
#include "ui/application.h"
#include "ui/win32/native_peer.h"
#include "ui/win32/win32_backend.h"

namespace {

using setup::TfrmTarvex;

// Wine hands a window's painting to the display server while the program
// waits for messages: a few short waits let it all arrive.
constexpr int kSettleRounds = 4;
constexpr DWORD kSettleMilliseconds = 50;

int sendUtilMessage(int, int) {
    return 0;
}

// Boxes the pages' handlers raise for want of a real installation: printed,
// answered as Enter would.
class PrintedMessageBoxes : public platform::MessageBoxes {
public:
    platform::MessageAnswer show(const platform::MessageBoxRequest& box) override {
        std::printf("message box: %s\n", platform::toUtf8(box.text).c_str());
        return platform::effectiveDefault(box);
    }
};

// The longest texts the program puts into its value labels.
const std::pair<const wchar_t*, const wchar_t*> kSampleTexts[] = {
    {L"lblPort", L"Kelvor Secondary Port"},
    {L"lblTypeSelected", L"4 Button Mouse/Trackball"},
    {L"lblDeviceSelected1", L"PS/2 Kelvor Dual Mouse Adapter on the Kelvor Secondary Port"},
    {L"lblAppPage7", L"In the GENERAL Application"},
    {L"Label66",
     L"Choose an application to set up for the pointing device \"4 Button Mouse/Trackball\""},
    {L"lblDriver", L"Version 1.0"},
    {L"lblDLLname", L"Version 1.0"},
    {L"lblControlPanel", L"Version 1.0.0.7"},
    {L"lblOS", L"Windows 98 Second Edition"},
};

void showSamples(TfrmTarvex& window) {
    for (const auto& [name, text] : kSampleTexts) {
        window.find(name)->setCaption(text);
    }
    for (ui::Control* hidden : std::vector<ui::Control*>{window.imgPage6Mouse, window.Label26,
                                                         window.lblTypeSelected, window.Label27}) {
        hidden->show();
    }
    window.imgPage6Mouse->setPicture(L"MOUSE8");
    window.imgCurrentMouse->setPicture(L"MOUSE8");
    window.btnBack->show();
    window.btnBack->setEnabled(true);
    if (window.lstDevicesFound->itemCount() == 0) {
        window.lstDevicesFound->setItems(
            {L"Standard 2 Button Mouse on the PS/2 Port",
             L"PS/2 Kelvor Dual Mouse Adapter on the Kelvor Secondary Port"});
    }
    if (window.lstbSpecialApplications->itemCount() == 0) {
        window.lstbSpecialApplications->setItems({L"{general applications}", L"NOTEPAD.EXE"});
    }
}

HWND windowOf(const ui::Control& control) {
    auto* peer = dynamic_cast<ui::win32::NativePeer*>(control.peer());
    return peer != nullptr ? peer->window() : nullptr;
}

void paintAndSettle(HWND window, ui::Application& application) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (int round = 0; round < kSettleRounds; ++round) {
        MsgWaitForMultipleObjectsEx(0, nullptr, kSettleMilliseconds, QS_ALLINPUT, 0);
        application.processMessages();
    }
}

// What is on screen over the window's client area, as a 24-bit bitmap file.
void photograph(HWND window, const std::wstring& path) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const int width = client.right;
    const int height = client.bottom;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const DWORD rowBytes = ((width * 3 + 3) / 4) * 4;
    std::vector<char> pixels(rowBytes * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    if (FILE* out = _wfopen(path.c_str(), L"wb")) {
        fwrite(&file, sizeof file, 1, out);
        fwrite(&info, sizeof info, 1, out);
        fwrite(pixels.data(), 1, pixels.size(), out);
        fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring folder = argc > 1 ? argv[1] : L".";
    platform::MemoryRegistry registry;
    registry.create(setup::kDriverRoot, setup::kOrvaneKey)
        ->writeString(setup::kInstallDirectoryValue, L"C:\\Orvane");
    registry.create(setup::kDriverRoot, setup::kPropertiesKey);
    registry.create(setup::kDriverRoot, setup::kMiceFoundKey)
        ->writeString(setup::kMiceFoundValue, L"00a002e04001");
    PrintedMessageBoxes messageBoxes;
    platform::Win32Cursors cursors;
    platform::MemoryKeyboard keyboard;
    platform::MemoryModules modules;
    modules.addLibrary(L"Orvdll.dll").addEntry(setup::kSendUtilMessage, &sendUtilMessage);
    platform::Win32FileSystem files;
    auto resources = setup::programResources();
    platform::MemorySystemInfo system;
    setup::Services services{registry, messageBoxes, cursors,   keyboard,
                             modules,  files,        resources, system};

    ui::win32::Win32Backend backend(cursors, GetModuleHandleW(nullptr));
    ui::Application application(backend, messageBoxes);
    TfrmTarvex window(application, services);
    window.show();
    HWND frame = windowOf(window);

    for (int index = 0; index < window.PageControl1->pageCount(); ++index) {
        ui::TabSheet& page = window.PageControl1->page(index);
        const int tabs = &page == window.Page7 ? window.PageControl2->pageCount() : 1;
        for (int tab = 0; tab < tabs; ++tab) {
            std::wstring name = page.name();
            application.deliver([&] {
                window.PageControl1->setActivePage(page);
                if (&page == window.Page7) {
                    window.PageControl2->selectTab(tab);
                    name += L"-" + window.PageControl2->page(tab).caption();
                }
            });
            showSamples(window);
            paintAndSettle(frame, application);
            photograph(frame, folder + L"\\" + name + L".bmp");
        }
    }
    for (const auto& cramped : setup::layout_check::crampedCaptions(window)) {
        std::printf("cramped %s\n", setup::layout_check::describe(cramped).c_str());
    }
    return 0;
}
