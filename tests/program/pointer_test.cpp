// The Motion tab and the pointer schemes of the real program: speed and trails
// reach the registry and the driver at once, and cursor files chosen on the
// cursor-file page are saved as a scheme of the current user.
#include <gtest/gtest.h>

#include <functional>

#include "platform/text.h"
#include "platform/win32/win32_registry.h"
#include "setup/pointer/scheme_value.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"
#include "tests/program/tarvex_program.h"
#include "tests/test_paths.h"

namespace program_test {
namespace {

const std::wstring kTestScheme = L"Tarvex Test Scheme";
const std::wstring kCursorDirectory = L"C:\\Windows\\Cursors";
const std::wstring kArrowName = L"TarvexTestArrow.cur";
const std::wstring kSpinnerName = L"TarvexTestSpinner.ani";

setup::PropertyInfo recordOf(const std::wstring& value) {
    return setup::parsePropertyRecord(value.substr(6));
}

class PointerProgram : public TarvexProgram {
protected:
    void SetUp() override {
        TarvexProgram::SetUp();
        createdCursorDirectory_ = CreateDirectoryW(kCursorDirectory.c_str(), nullptr) != FALSE;
        for (const auto& [from, to] : {std::pair{"standins/cursors/P3.cur", kArrowName},
                                       std::pair{"standins/cursors/Spinner.ani", kSpinnerName}}) {
            ASSERT_TRUE(CopyFileW(platform::fromUtf8(sourceTreePath(from)).c_str(),
                                  (kCursorDirectory + L"\\" + to).c_str(), FALSE));
        }
        createdSchemesKey_ = !registry_.open(setup::kSchemeRoot, setup::kSchemesKey);
        registry_.create(setup::kSchemeRoot, setup::kSchemesKey)->close();
    }

    void TearDown() override {
        TarvexProgram::TearDown();
        if (createdSchemesKey_) {
            registry_.deleteKey(setup::kSchemeRoot, setup::kSchemesKey);
        } else if (auto key = registry_.open(setup::kSchemeRoot, setup::kSchemesKey)) {
            key->deleteValue(kTestScheme);
            key->close();
        }
        for (const auto& name : {kArrowName, kSpinnerName}) {
            DeleteFileW((kCursorDirectory + L"\\" + name).c_str());
        }
        if (createdCursorDirectory_) {
            RemoveDirectoryW(kCursorDirectory.c_str());
        }
    }

    // The tab beside the current one, as the arrow keys choose it on the tabs.
    void moveTab(int virtualKey, const std::wstring& page) {
        uidriver::pressKey(control(L"PageControl2"), virtualKey);
        waitUntilShown(page);
    }

    bool storedRecordHolds(const std::function<bool(const setup::PropertyInfo&)>& wanted) {
        return uidriver::waitFor([&] {
            const auto value = property(L"P001");
            return value.size() > 6 && wanted(recordOf(value));
        });
    }
    setup::PropertyInfo driverRecord(size_t fromEnd = 0) {
        const auto lines = journal();
        return lines.size() > fromEnd
                   ? recordOf(standins::journalValue(lines[lines.size() - 1 - fromEnd], L"P001"))
                   : setup::PropertyInfo{};
    }

    int fileRow(const std::wstring& name) {
        const HWND files = control(L"flbMouseCursors");
        int row = -1;
        uidriver::waitFor([&] {
            const auto items = uidriver::listItems(files);
            for (size_t i = 0; i < items.size(); ++i) {
                if (platform::toUpper(items[i]) == platform::toUpper(name)) {
                    row = static_cast<int>(i);
                }
            }
            return row >= 0;
        });
        return row;
    }
    void chooseCursorFile(int role, const std::wstring& name) {
        uidriver::selectListRow(control(L"lstPointers"), role);
        uidriver::click(control(L"btnBrowsePointers"));
        waitUntilShown(L"Page15");
        const int row = fileRow(name);
        ASSERT_GE(row, 0) << platform::toUtf8(name);
        uidriver::doubleClickListRow(control(L"flbMouseCursors"), row);
        waitUntilShown(L"Page7");
    }

    platform::Win32Registry registry_;
    bool createdCursorDirectory_ = false;
    bool createdSchemesKey_ = false;
};

TEST_F(PointerProgram, SpeedAndTrailsReachTheDriverAtOnce) {
    openProperties();
    moveTab(VK_LEFT, L"TabSheet1");
    EXPECT_FALSE(uidriver::isChecked(control(L"chkShowTrails"))) << "a new setup has no trails";
    EXPECT_FALSE(uidriver::isEnabled(control(L"trbTrailLength")));

    uidriver::setTrackBar(control(L"trbHorizontalSpeed"), 10);
    EXPECT_TRUE(storedRecordHolds(
        [](const auto& record) { return record.cursorSpeed1 == 10 && record.cursorSpeed2 == 10; }));
    ASSERT_TRUE(uidriver::waitFor([&] { return driverRecord().cursorSpeed1 == 10; }));
    EXPECT_TRUE(uidriver::isEnabled(control(L"btnApply")));

    uidriver::setCheckBox(control(L"chkShowTrails"), true);
    EXPECT_TRUE(storedRecordHolds([](const auto& record) { return record.trailLength == 5; }));
    uidriver::setTrackBar(control(L"trbTrailLength"), 8);
    EXPECT_TRUE(storedRecordHolds([](const auto& record) { return record.trailLength == 8; }));

    uidriver::setCheckBox(control(L"chkShowTrails"), false);
    EXPECT_TRUE(storedRecordHolds([](const auto& record) { return record.trailLength == 0; }));
    ASSERT_TRUE(uidriver::waitFor([&] { return driverRecord().trailLength == 0; }));
    EXPECT_EQ(driverRecord(1).trailLength, 5) << "the bar came back to 5 before trails went off";
    EXPECT_EQ(uidriver::trackBarPosition(control(L"trbTrailLength")), 5);
    EXPECT_FALSE(uidriver::isEnabled(control(L"trbTrailLength")));
    EXPECT_EQ(driverRecord().cursorSpeed1, 10);
}

TEST_F(PointerProgram, CursorFilesChosenOnThePageAreSavedAsAScheme) {
    openProperties();
    moveTab(VK_RIGHT, L"TabSheet3");
    EXPECT_EQ(uidriver::listItems(control(L"lstPointers")).size(),
              static_cast<size_t>(setup::kSchemeRoles));

    chooseCursorFile(0, kArrowName);
    chooseCursorFile(3, kSpinnerName);

    uidriver::click(control(L"btnSaveScheme"));
    waitUntilShown(L"Page16");
    const HWND name = control(L"editPointerSchemeSave");
    ASSERT_EQ(uidriver::windowText(name), L"") << "the setup's scheme is not stored here";
    uidriver::typeText(name, kTestScheme);
    ASSERT_TRUE(uidriver::waitFor([&] { return uidriver::windowText(name) == kTestScheme; }));
    uidriver::click(control(L"btnSavePointerScheme"));
    waitUntilShown(L"Page7");

    std::wstring saved;
    ASSERT_TRUE(uidriver::waitFor([&] {
        auto key = registry_.open(setup::kSchemeRoot, setup::kSchemesKey);
        saved = key && key->hasValue(kTestScheme) ? key->readString(kTestScheme) : L"";
        return !saved.empty();
    }));
    const auto fields = setup::splitSchemeValue(saved);
    ASSERT_EQ(fields.size(), static_cast<size_t>(setup::kSchemeRoles)) << platform::toUtf8(saved);
    EXPECT_EQ(platform::toUpper(fields[0]),
              platform::toUpper(kCursorDirectory + L"\\" + kArrowName));
    EXPECT_EQ(platform::toUpper(fields[3]),
              platform::toUpper(kCursorDirectory + L"\\" + kSpinnerName));
    EXPECT_EQ(fields[1], L"");
    const HWND schemes = control(L"cmbScheme");
    EXPECT_TRUE(uidriver::waitFor([&] { return uidriver::windowText(schemes) == kTestScheme; }))
        << "the saved scheme is listed and chosen at once";
}

}  // namespace
}  // namespace program_test
