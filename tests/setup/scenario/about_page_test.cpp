// The driver and system information page, opened by a double click on the
// button bar: the operating system and the version stamps of the driver file,
// the driver library and the program itself.
#include <gtest/gtest.h>

#include "setup/driver/version_stamp.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

constexpr size_t kBlock = 256;
const std::wstring kDriverFile = L"C:\\WINDOWS\\SYSTEM\\Orvdrv.vxd";
const std::wstring kLibraryFile = L"C:\\Orvane\\Orvdll.dll";

std::string stamp(std::initializer_list<int> numbers) {
    std::string bytes = "137VERSION";
    for (const int n : numbers) {
        bytes += static_cast<char>(n);
    }
    return bytes;
}

class AboutPage : public TarvexScenario {
protected:
    TfrmTarvex& w() { return window(); }
    // The fixture's install directory ends with its separator.
    void startProgram() {
        startWith("scenario_applications.reg");
        const std::string ownStamp(reinterpret_cast<const char*>(kProgramVersionStamp),
                                   sizeof kProgramVersionStamp);
        files.addFile(system.program,
                      std::string(kBlock - 3, 'M') + ownStamp + stamp({9, 9, 9, 9}));
    }
    void openPage() { ui::user::doubleClick(*w().panButton); }
};

TEST_F(AboutPage, ADoubleClickOnTheButtonBarOpensThePage) {
    startProgram();
    openPage();
    EXPECT_EQ(w().PageControl1->activePage(), w().Page2);
    EXPECT_EQ(w().wizardStep, TfrmTarvex::kAboutStep);
    EXPECT_TRUE(w().btnBack->visible());
    EXPECT_TRUE(w().btnBack->enabled());
    EXPECT_FALSE(w().btnNext->enabled());
    back();
    EXPECT_EQ(w().PageControl1->activePage(), w().Page18) << "Back leads where it was opened";
}

TEST_F(AboutPage, ShowsTheStampsWhereverTheyLieInTheirFiles) {
    startProgram();
    // Across the first block boundary, and as the very last bytes of the file.
    files.addFile(kDriverFile, std::string(kBlock - 5, 'x') + stamp({3, 14}) + "tail");
    files.addFile(kLibraryFile, std::string(3 * kBlock - 7, 'y') + stamp({2, 1}));
    openPage();
    EXPECT_EQ(w().lblDriver->caption(), L"Version 3.14");
    EXPECT_EQ(w().lblDLLname->caption(), L"Version 2.1");
    EXPECT_EQ(w().lblControlPanel->caption(), L"Version 1.0.0.7") << "the first stamp in the file";
    EXPECT_EQ(w().lblOS->caption(), L"Windows 98  A ");
}

TEST_F(AboutPage, MissingFilesAndCutStampsShowDashes) {
    startProgram();
    files.addFile(kLibraryFile, std::string(kBlock, 'y') + stamp({2}));
    files.remove(system.program);
    openPage();
    EXPECT_EQ(w().lblDriver->caption(), L"Version ----");
    EXPECT_EQ(w().lblDLLname->caption(), L"Version ----") << "one number is not a stamp of two";
    EXPECT_EQ(w().lblControlPanel->caption(), L"Version ----");
}

TEST_F(AboutPage, TheLibraryIsLookedForRightAfterTheStoredInstallDirectory) {
    loadRegistry("scenario_one_device.reg");
    installDriverFiles(L"C:\\Orvane");
    start();
    files.addFile(kLibraryFile, stamp({2, 1}));
    files.addFile(L"C:\\OrvaneOrvdll.dll", stamp({7, 7}));
    openPage();
    EXPECT_EQ(w().lblDLLname->caption(), L"Version 7.7")
        << "a directory stored without its separator is joined as it is";
}

TEST_F(AboutPage, EveryShowingReadsTheFilesAndTheSystemAgain) {
    startProgram();
    files.addFile(kDriverFile, stamp({3, 14}));
    openPage();
    files.addFile(kDriverFile, stamp({3, 15}));
    system.version = {platform::kPlatformWindowsNt, 4, 0, L"Service Pack 6"};
    back();
    openPage();
    EXPECT_EQ(w().lblDriver->caption(), L"Version 3.15");
    EXPECT_EQ(w().lblOS->caption(), L"Windows NT Service Pack 6");
}

}  // namespace
}  // namespace setup::scenario
