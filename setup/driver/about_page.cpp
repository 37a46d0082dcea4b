// The driver and system information page (Page2), opened by a double click on
// the button bar.
#include "setup/driver/system_name.h"
#include "setup/driver/version_stamp.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

const std::wstring kDriverFile = L"Orvdrv.vxd";
const std::wstring kLibraryFile = L"Orvdll.dll";
// The driver files carry major and minor; the program all four numbers.
constexpr int kDriverStampNumbers = 2;
const std::wstring kVersionPrefix = L"Version ";

}  // namespace

void TfrmTarvex::bindDriverHandlers() {
    panButton->onDblClick = handler(&TfrmTarvex::btnAboutDriverClick);
    Page2->onShow = handler(&TfrmTarvex::Page2Show);
}

void TfrmTarvex::btnAboutDriverClick(ui::Control&) {
    showSidePage(Page2, kAboutStep);
}

void TfrmTarvex::Page2Show(ui::Control&) {
    auto& system = services_.system;
    auto& files = services_.files;
    lblOS->setCaption(operatingSystemText(system.osVersion()));
    lblDriver->setCaption(
        kVersionPrefix + readVersionStamp(files,
                                          platform::joinPath(system.systemDirectory(), kDriverFile),
                                          kDriverStampNumbers));
    // The stored install directory ends with its separator.
    lblDLLname->setCaption(kVersionPrefix + readVersionStamp(files, installDirectory + kLibraryFile,
                                                             kDriverStampNumbers));
    lblControlPanel->setCaption(
        kVersionPrefix +
        readVersionStamp(files, system.programPath(), static_cast<int>(kProgramStampNumbers)));
}

}  // namespace setup
