#include "setup/tarvex_form.h"

#include "platform/errors.h"
#include "platform/keyboard.h"
#include "setup/messages.h"
#include "setup/store/registry_layout.h"

namespace setup {
namespace {

constexpr int kClientWidth = 536;
constexpr int kClientHeight = 384;
const std::wstring kWindowCaption = L"Orvane Mouse Setup Control Panel";
const std::wstring kCursorDirectory = L"C:\\Windows\\Cursors";
const std::wstring kRootDirectory = L"C:\\";
// An install directory of "0" is what a broken installation leaves behind.
const std::wstring kBrokenInstallDirectory = L"0";

}  // namespace

TfrmTarvex::TfrmTarvex(ui::Application& application, Services& services)
    : ui::Form(application, L"frmTarvex"),
      defaultCursors(services.cursors),
      driverLink(services.modules),
      services_(services),
      macroReporter_(services.messageBoxes, application.title()) {
    setNativeClassName(L"TfrmTarvex");
    setCaption(kWindowCaption);
    setClientSize(kClientWidth, kClientHeight);
    setMaximizeBox(true);
    buildWindowLayout();
    bindStartupHandlers();
    bindWizardHandlers();
    bindDeviceHandlers();
    bindFinishHandlers();
    bindStoreHandlers();
    bindApplicationHandlers();
    bindActionHandlers();
    bindMotionHandlers();
    bindButtonsHandlers();
    bindPointerHandlers();
    bindDriverHandlers();
    created();

    savedSetup.buttonPosition[0] = kNothingLoaded;
    cursorBrowseDirectory =
        services_.files.directoryExists(kCursorDirectory) ? kCursorDirectory : kRootDirectory;
    applicationBrowseDirectory = kRootDirectory;
    readInstallDirectory();
    defaultCursors.load(installDirectory);
}

// The driver library outlives the window: the finish animation releases it.
TfrmTarvex::~TfrmTarvex() {
    releaseCursors();
}

void TfrmTarvex::bindStartupHandlers() {
    onCreate = handler(&TfrmTarvex::FormCreate);
    onDeactivate = handler(&TfrmTarvex::FormDeactivate);
}

void TfrmTarvex::FormCreate(ui::Control&) {
    application().setCursor(platform::CursorKind::AppStarting);
    if (!driverLink.bind()) {
        if (!driverLink.libraryLoaded()) {
            showStopMessage(services_.messageBoxes,
                            L"Cannot find DLL file: Orvdll.dll\n  You need to reinstall the Orvane "
                            L"Mouse Driver",
                            L"Error loading DLL");
        }
        showStopMessage(services_.messageBoxes,
                        L"Error reading DLL file: Orvdll.dll\n  Reinstall the Orvane Mouse Driver",
                        L"Error in DLL file");
        application().terminate();
    }
    cursorHandles.fill(platform::kNoCursor);
    PageControl1->setActivePage(*Page18);
    application().setCursor(platform::CursorKind::Arrow);
}

// A driver key that is there but cannot be read is no more use than a
// missing one, and says the same.
void TfrmTarvex::readInstallDirectory() {
    std::optional<std::wstring> stored;
    try {
        if (auto key = services_.registry.open(kDriverRoot, kOrvaneKey)) {
            stored = key->readString(kInstallDirectoryValue);
            key->close();
        }
    } catch (const platform::RegistryError&) {
        stored.reset();
    }
    if (!stored) {
        showStopMessage(services_.messageBoxes,
                        L"Error reading registry\n  Reinstall The Orvane Mouse Driver",
                        L"Error in Registry");
        application().terminate();
        return;
    }
    installDirectory = *stored;
    if (installDirectory == kBrokenInstallDirectory) {
        showStopMessage(services_.messageBoxes,
                        L"Error in Registry\n  Reinstall The Orvane Mouse Driver",
                        L"Error in Regsitry");
        application().terminate();
    }
}

void TfrmTarvex::FormDeactivate(ui::Control&) {
    services_.keyboard.sendKeyDown(platform::vk::kEscape);
}

}  // namespace setup
