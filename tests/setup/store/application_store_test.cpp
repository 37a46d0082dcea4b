#include "setup/store/application_store.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <utility>
#include <vector>

#include "platform/errors.h"
#include "platform/memory/memory_registry.h"
#include "platform/text.h"
#include "setup/store/property_record.h"
#include "setup/store/record_store.h"
#include "setup/store/registry_layout.h"

namespace setup {
namespace {

using platform::MemoryRegistry;

const std::wstring kRightHand = L"014003";
const std::wstring kGeneralSettings =
    L"001002003004005005009009002005003005005005016Windows Standard";
const std::wstring kWordSettings = L"002001003004006005009009002005003005005005016Windows Standard";

MouseInfo device(int code, int port) {
    MouseInfo info;
    info.deviceCode = code;
    info.portNumber = port;
    return info;
}

// One stored record: its P and its A value.
struct Stored {
    std::wstring record;
    std::wstring actions;
    bool operator==(const Stored& other) const {
        return record == other.record && actions == other.actions;
    }
};

class ApplicationStore : public ::testing::Test {
protected:
    void store(const std::vector<Stored>& records) {
        auto key = registry_.create(kDriverRoot, kPropertiesKey);
        int number = 0;
        for (const auto& stored : records) {
            ++number;
            key->writeString(recordValueName(number), stored.record);
            key->writeString(actionValueName(number), stored.actions);
        }
        key->close();
    }
    // The records as the driver reads them: P001 upward to the first gap.
    std::vector<Stored> numbered() {
        auto key = openPropertiesKey(registry_);
        std::vector<Stored> records;
        scanRecords(*key, [&](const StoredRecord& record) {
            records.push_back({record.value, key->readString(actionValueName(record.number))});
            return true;
        });
        return records;
    }
    // Whether any P value lies beyond the first gap, out of the driver's sight.
    bool hiddenRecordAfter(size_t count) {
        auto key = openPropertiesKey(registry_);
        for (int number = static_cast<int>(count) + 2; number <= 20; ++number) {
            if (key->hasValue(recordValueName(number))) {
                return true;
            }
        }
        return false;
    }
    std::unique_ptr<platform::RegistryKey> properties() { return openPropertiesKey(registry_); }

    // P001-P005: the right-hand mouse's GENERAL, WORD.EXE.OLD and WORD.EXE, another
    // device's GENERAL, then NOTEPAD.EXE.
    const std::vector<Stored> fiveRecords_{
        {kRightHand + L"007GENERAL" + kGeneralSettings, L"020004"},
        {kRightHand + L"012WORD.EXE.OLD" + kGeneralSettings, L"030001"},
        {kRightHand + L"008WORD.EXE" + kWordSettings, L"040005"},
        {L"b05001007GENERAL" + kGeneralSettings, L""},
        {kRightHand + L"011NOTEPAD.EXE" + kGeneralSettings, L"010002"},
    };
    MemoryRegistry registry_;
};

TEST_F(ApplicationStore, ListsTheDevicesNamedApplicationsInRecordOrder) {
    store(fiveRecords_);
    EXPECT_EQ(listApplications(*properties(), kRightHand),
              (std::vector<std::wstring>{L"WORD.EXE.OLD", L"WORD.EXE", L"NOTEPAD.EXE"}));
    EXPECT_EQ(listApplications(*properties(), L"b05001"), std::vector<std::wstring>{});
    EXPECT_EQ(listApplications(*properties(), L"0f4003").size(), 3u)
        << "a low digit of 4 makes the middle digit irrelevant";
    EXPECT_TRUE(listApplications(*properties(), L"014001").empty()) << "another port";
}

TEST_F(ApplicationStore, ANewApplicationCopiesTheGeneralSettingsAndActions) {
    store(fiveRecords_);
    EXPECT_EQ(addApplicationRecord(*properties(), kRightHand, L"EXCEL.EXE"), 6);
    const auto records = numbered();
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[5], (Stored{kRightHand + L"009EXCEL.EXE" + kGeneralSettings, L"020004"}));
    EXPECT_EQ(parsePropertyRecord(records[5].record.substr(6)).applicationName, L"EXCEL.EXE");
    for (size_t i = 0; i < fiveRecords_.size(); ++i) {
        EXPECT_EQ(records[i], fiveRecords_[i]) << "record " << i + 1 << " untouched";
    }
}

TEST_F(ApplicationStore, WithoutAGeneralRecordTheNewOneStartsFromTheDefaults) {
    store({{kRightHand + L"008WORD.EXE" + kWordSettings, L"040005"}});
    EXPECT_EQ(addApplicationRecord(*properties(), kRightHand, L"A.EXE"), 2);
    const auto added = numbered()[1];
    EXPECT_EQ(added.record, kRightHand + L"005A.EXE" + kDefaultRecord.substr(10));
    EXPECT_EQ(added.actions, L"");
    const auto info = parsePropertyRecord(added.record.substr(6));
    EXPECT_EQ(info.buttonPosition, (std::array<int, 4>{0, 1, 2, 3})) << "four-button defaults";
    EXPECT_EQ(info.schemeName, L"Windows Standard");
}

TEST_F(ApplicationStore, ANameTooLongForItsLengthFieldIsRefusedBeforeAnyWrite) {
    store(fiveRecords_);
    const auto writes = registry_.writeCount();
    std::wstring longName;
    for (int n = 0; n < 100; ++n) {
        longName += L"NAME" + platform::zeroPadded(n, 6);
    }
    try {
        addApplicationRecord(*properties(), kRightHand, longName);
        ADD_FAILURE() << "a name of 1000 characters was stored";
    } catch (const platform::Error& error) {
        // The name follows the first line, in lines a screen can show.
        std::wistringstream lines(error.message());
        std::wstring line;
        std::wstring joined;
        std::getline(lines, line);
        while (std::getline(lines, line)) {
            EXPECT_LE(line.size(), 80u);
            joined += line;
        }
        EXPECT_EQ(joined, longName);
    }
    EXPECT_EQ(registry_.writeCount(), writes);
    EXPECT_EQ(addApplicationRecord(*properties(), kRightHand, std::wstring(999, L'X')), 6);
    EXPECT_EQ(storedApplicationName(numbered()[5].record), std::wstring(999, L'X'));
}

TEST_F(ApplicationStore, FindsTheRecordWhoseStoredNameIsExactlyTheName) {
    store(fiveRecords_);
    const auto rightHand = device(0x014, 3);
    EXPECT_EQ(findApplicationRecord(*properties(), rightHand, L"WORD.EXE"), 3)
        << "WORD.EXE.OLD comes first but is another name";
    EXPECT_EQ(findApplicationRecord(*properties(), rightHand, L"WORD.EXE.OLD"), 2);
    EXPECT_EQ(findApplicationRecord(*properties(), rightHand, L"NOTEPAD.EXE"), 5);
    EXPECT_EQ(findApplicationRecord(*properties(), device(0x0f4, 3), L"WORD.EXE"), 3);
    EXPECT_EQ(findApplicationRecord(*properties(), rightHand, L"word.exe"), std::nullopt);
    EXPECT_EQ(findApplicationRecord(*properties(), device(0x014, 1), L"WORD.EXE"), std::nullopt)
        << "another port";
    EXPECT_EQ(findApplicationRecord(*properties(), device(0xb05, 1), L"WORD.EXE"), std::nullopt);
}

TEST_F(ApplicationStore, ARecordCutShortOfItsStatedNameLengthIsNotThatName) {
    store({{kRightHand + L"012WORD.EXE", L""},
           {L"01x003008WORD.EXE", L""},
           {kRightHand + L"008WORD.EXE", L""}});
    EXPECT_EQ(findApplicationRecord(*properties(), device(0x014, 3), L"WORD.EXE"), 3);
}

TEST_F(ApplicationStore, RemovingARecordMovesTheLaterOnesDown) {
    struct Case {
        int removed;
        std::vector<int> survivors;  // 1-based indexes into the five records
    };
    for (const auto& test : {Case{3, {1, 2, 4, 5}}, Case{5, {1, 2, 3, 4}}, Case{1, {2, 3, 4, 5}}}) {
        SCOPED_TRACE(test.removed);
        store(fiveRecords_);
        removeRecord(*properties(), test.removed);
        std::vector<Stored> expected;
        for (const int survivor : test.survivors) {
            expected.push_back(fiveRecords_[static_cast<size_t>(survivor - 1)]);
        }
        EXPECT_EQ(numbered(), expected);
        auto key = properties();
        EXPECT_FALSE(key->hasValue(L"P005"));
        EXPECT_FALSE(key->hasValue(L"A005"));
    }
}

// Whatever write is refused, every record that was to survive is still readable
// with its own actions at its first occurrence, and no record hides behind a gap.
TEST_F(ApplicationStore, ARefusedWriteDuringRemovalLosesNothingAndLeavesNoGap) {
    store(fiveRecords_);
    const auto before = registry_.writeCount();
    removeRecord(*properties(), 3);
    const auto writes = registry_.writeCount() - before;
    ASSERT_EQ(writes, 6u) << "two records moved, then the last number removed";
    const std::vector<Stored> survivors{fiveRecords_[0], fiveRecords_[1], fiveRecords_[3],
                                        fiveRecords_[4]};

    for (size_t refused = 0; refused < writes; ++refused) {
        SCOPED_TRACE("write " + std::to_string(refused) + " refused");
        registry_.deleteKey(kDriverRoot, kPropertiesKey);
        store(fiveRecords_);
        registry_.refuseWrite(refused);
        EXPECT_THROW(removeRecord(*properties(), 3), platform::RegistryError);

        const auto left = numbered();
        EXPECT_FALSE(hiddenRecordAfter(left.size()));
        EXPECT_GE(left.size(), survivors.size());
        EXPECT_LE(left.size(), fiveRecords_.size());
        std::map<std::wstring, std::wstring> firstActions;
        for (const auto& record : left) {
            firstActions.emplace(record.record, record.actions);
        }
        for (const auto& survivor : survivors) {
            ASSERT_EQ(firstActions.count(survivor.record), 1u)
                << "lost: " << platform::toUtf8(survivor.record);
            EXPECT_EQ(firstActions[survivor.record], survivor.actions);
        }
    }
}

}  // namespace
}  // namespace setup
