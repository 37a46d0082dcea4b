// The wizard in the real program: a live edit reaches the registry and the
// driver, and Cancel writes the loaded settings back.
#include <gtest/gtest.h>

#include "platform/text.h"
#include "setup/store/property_record.h"
#include "tests/program/tarvex_program.h"

namespace program_test {
namespace {

const std::wstring kLoadedRecord = L"00a002" + setup::kTwoButtonDefaultRecord;

class WizardProgram : public TarvexProgram {
protected:
    bool driverRead(const std::wstring& value) {
        return uidriver::waitFor([&] {
            const auto lines = journal();
            return !lines.empty() && standins::journalValue(lines.back(), L"P001") == value;
        });
    }
};

TEST_F(WizardProgram, ASpeedChangeIsLiveAndCancelWritesTheLoadedSettingsBack) {
    openProperties();
    EXPECT_TRUE(uidriver::waitFor([&] { return property(L"P001") == kLoadedRecord; }))
        << "the first use of the store";
    uidriver::pressKey(control(L"PageControl2"), VK_LEFT);
    waitUntilShown(L"TabSheet1");

    uidriver::setTrackBar(control(L"trbHorizontalSpeed"), 11);
    ASSERT_TRUE(uidriver::waitFor([&] {
        const auto value = property(L"P001");
        return value.size() > 6 && setup::parsePropertyRecord(value.substr(6)).cursorSpeed1 == 11;
    }));
    EXPECT_TRUE(driverRead(property(L"P001"))) << "the driver was told after the write";

    uidriver::click(control(L"btnCancel"));
    ASSERT_TRUE(program().waitForExit().has_value());
    EXPECT_EQ(property(L"P001"), kLoadedRecord);
    EXPECT_TRUE(driverRead(kLoadedRecord)) << "and told again after Cancel";
}

}  // namespace
}  // namespace program_test
