// The end of the real program: the information page with the version stamps of
// the program itself and of the stand-in driver files, and the finish page's
// tray option and closing animation.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/text.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system_info.h"
#include "setup/driver/system_name.h"
#include "setup/store/registry_layout.h"
#include "tests/program/tarvex_program.h"
#include "tests/test_paths.h"

namespace program_test {
namespace {

const std::string kMarker = "137VERSION";

std::string fileBytes(const std::wstring& path) {
    std::ifstream in(platform::toUtf8(path).c_str(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::wstring systemDriverFile() {
    wchar_t directory[MAX_PATH];
    GetSystemDirectoryW(directory, MAX_PATH);
    return std::wstring(directory) + L"\\Orvdrv.vxd";
}

// A user's double click on a control that has no notification of its own.
void doubleClick(HWND control) {
    const LPARAM at = MAKELPARAM(300, 4);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
    PostMessageW(control, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
}

class FinishProgram : public TarvexProgram {
protected:
    void SetUp() override {
        TarvexProgram::SetUp();
        ASSERT_TRUE(
            CopyFileW(platform::fromUtf8(sourceTreePath("standins/driver/Orvdrv.vxd")).c_str(),
                      systemDriverFile().c_str(), FALSE));
    }
    void TearDown() override {
        TarvexProgram::TearDown();
        DeleteFileW(systemDriverFile().c_str());
    }
    bool labelReads(const std::wstring& name, const std::wstring& text) {
        const HWND label = control(name);
        return uidriver::waitFor([&] { return uidriver::windowText(label) == text; });
    }
    void openFinishPage() {
        openProperties();
        clickAndWaitFor(L"btnNext", L"Page9");
        clickAndWaitFor(L"btnNext", L"Page12");
    }
};

TEST_F(FinishProgram, TheProgramCarriesItsStampAsTheFirstMarkerInItsFile) {
    const auto program = fileBytes(platform::fromUtf8(TARVEX_EXE));
    const auto marker = program.find(kMarker);
    ASSERT_NE(marker, std::string::npos);
    EXPECT_EQ(program.substr(marker + kMarker.size(), 4), std::string("\x01\x00\x00\x07", 4));
}

TEST_F(FinishProgram, TheInformationPageShowsTheStampsOfTheRealFiles) {
    loadRegistry("one_device.reg");
    startAndWait();
    doubleClick(control(L"panButton"));
    waitUntilShown(L"Page2");
    EXPECT_TRUE(labelReads(L"lblControlPanel", L"Version 1.0.0.7"));
    EXPECT_TRUE(labelReads(L"lblDLLname", L"Version 2.1")) << "the stand-in driver library";
    EXPECT_TRUE(labelReads(L"lblDriver", L"Version 4.2")) << "the stand-in driver file";
    platform::Win32SystemInfo system;
    const auto osText = setup::operatingSystemText(system.osVersion());
    EXPECT_FALSE(osText.empty());
    EXPECT_TRUE(labelReads(L"lblOS", osText));
    EXPECT_TRUE(uidriver::isEnabled(control(L"btnBack")));
    EXPECT_FALSE(uidriver::isEnabled(control(L"btnNext")));

    DeleteFileW(systemDriverFile().c_str());
    uidriver::click(control(L"btnBack"));
    waitUntilShown(L"Page18");
    doubleClick(control(L"panButton"));
    waitUntilShown(L"Page2");
    EXPECT_TRUE(labelReads(L"lblDriver", L"Version ----")) << "read again on every showing";
}

TEST_F(FinishProgram, TheTrayOptionAndTheAnimationEndTheProgram) {
    openFinishPage();
    const HWND tray = control(L"NoIconInTray");
    EXPECT_FALSE(uidriver::isChecked(tray)) << "a missing value means the icon shows";
    uidriver::setCheckBox(tray, true);
    platform::Win32Registry registry;
    const auto trayValue = [&] {
        auto key = registry.open(setup::kDriverRoot, setup::kOrvaneKey);
        return key ? key->readString(setup::kShowIconInTrayValue) : std::wstring();
    };
    ASSERT_TRUE(uidriver::waitFor([&] { return trayValue() == L"false"; }));
    ASSERT_TRUE(uidriver::waitFor([&] {
        const auto lines = journal();
        return !lines.empty() &&
               standins::journalValue(lines.back(), setup::kShowIconInTrayValue) == L"false";
    }));
    const auto notifications = journal().size();
    const auto stored = property(L"P001");

    EXPECT_EQ(uidriver::windowText(control(L"btnNext")), L"&Finish");
    uidriver::click(control(L"btnNext"));
    const auto exitCode = program().waitForExit();
    ASSERT_TRUE(exitCode.has_value()) << "the animation closes the window";
    EXPECT_EQ(*exitCode, 0u);
    EXPECT_EQ(journal().size(), notifications) << "finishing tells the driver nothing more";
    EXPECT_EQ(property(L"P001"), stored);
    EXPECT_EQ(trayValue(), L"false");
}

}  // namespace
}  // namespace program_test
