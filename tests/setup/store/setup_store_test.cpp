#include "setup/store/setup_store.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/memory/memory_registry.h"
#include "platform/text.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"

namespace setup {
namespace {

using platform::MemoryRegistry;

const std::wstring kWord =
    L"008WORD.EXE002001003004005005009009002005000005005005016Windows Standard";

class SetupStore : public ::testing::Test {
protected:
    void SetUp() override { registry_.create(kDriverRoot, kPropertiesKey)->close(); }
    void store(const std::wstring& name, const std::wstring& value) {
        registry_.open(kDriverRoot, kPropertiesKey)->writeString(name, value);
    }
    std::optional<std::wstring> stored(const std::wstring& name) {
        return registry_.value(kDriverRoot, kPropertiesKey, name);
    }
    MouseInfo device(int code, int port, int buttons) { return {0, port, code, buttons, L""}; }
    MemoryRegistry registry_;
};

TEST_F(SetupStore, FirstUseWritesTheTwoButtonDefaultForATwoButtonDevice) {
    const auto loaded = loadDeviceRecord(registry_, device(0x3F2, 1, 2), L"");
    EXPECT_EQ(stored(L"P001"), L"3f2001" + kTwoButtonDefaultRecord);
    EXPECT_EQ(stored(L"A001"), L"");
    EXPECT_EQ(loaded.recordText, kTwoButtonDefaultRecord);
    EXPECT_EQ(loaded.actionText, L"");
    EXPECT_FALSE(stored(L"P002").has_value());
}

TEST_F(SetupStore, FirstUseForANamedApplicationStillWritesTheGeneralDefault) {
    const auto loaded = loadDeviceRecord(registry_, device(0x00A, 2, 4), L"WORD.EXE");
    EXPECT_EQ(stored(L"P001"), L"00a002" + kDefaultRecord);
    EXPECT_EQ(loaded.recordText, kDefaultRecord);
    EXPECT_FALSE(stored(L"P002").has_value());
}

TEST_F(SetupStore, AMissingGeneralRecordIsMadeFromTheFourButtonDefault) {
    store(L"P001", L"3f2001" + kWord);
    store(L"A001", L"080004");
    const auto loaded = loadDeviceRecord(registry_, device(0x3F2, 1, 2), L"GENERAL");
    EXPECT_EQ(stored(L"P002"), L"3f2001" + kDefaultRecord)
        << "four buttons whatever the device has";
    EXPECT_EQ(stored(L"A002"), L"");
    EXPECT_EQ(loaded.recordText, kDefaultRecord);
    EXPECT_EQ(loaded.deviceRecords.size(), 1u);
}

TEST_F(SetupStore, ANewApplicationStartsFromTheDefaultUnderItsOwnName) {
    store(L"P001", L"3f2001" + kDefaultRecord);
    const auto loaded = loadDeviceRecord(registry_, device(0x3F2, 1, 3), L"word.exe");
    EXPECT_EQ(loaded.recordText,
              L"008word.exe001002003004005005007007001005000005005005016Windows Standard")
        << "names differ in case: a new record, not WORD.EXE's";
    EXPECT_EQ(stored(L"P002"), L"3f2001" + loaded.recordText);
}

TEST_F(SetupStore, TheHighestNumberedRecordOfTheApplicationIsEditedWithItsActions) {
    store(L"P001", L"3f2001" + kWord);
    store(L"A001", L"080004");
    store(L"P002", L"00a002" + kWord);
    store(L"P003", L"302001" + kWord);  // same device: low digit 2 masks the middle digit
    store(L"A003", L"040005");
    const auto loaded = loadDeviceRecord(registry_, device(0x3F2, 1, 3), L"WORD.EXE");
    EXPECT_EQ(loaded.actionText, L"040005");
    ASSERT_EQ(loaded.deviceRecords.size(), 2u);
    EXPECT_EQ(loaded.deviceRecords[1].number, 3);
    EXPECT_FALSE(stored(L"P004").has_value()) << "nothing new is written";
}

TEST_F(SetupStore, RecordsOfOtherPortsAndShortValuesDoNotBelongToTheDevice) {
    store(L"P001", L"3f2002" + kWord);
    store(L"P002", L"3f");
    store(L"P003", L"3f2001" + kDefaultRecord);
    const auto loaded = loadDeviceRecord(registry_, device(0x3F2, 1, 3), L"");
    ASSERT_EQ(loaded.deviceRecords.size(), 1u);
    EXPECT_EQ(loaded.deviceRecords[0].number, 3);
}

TEST_F(SetupStore, ManyRecordsOfOneDeviceStillFindTheApplication) {
    for (int n = 1; n <= 20; ++n) {
        store(recordValueName(n), L"3f2001005APP" + platform::zeroPadded(n, 2) +
                                      kDefaultRecord.substr(kGeneral.size() + 3));
    }
    store(L"P021", L"3f2001" + kWord);
    store(L"A021", L"080004");
    const auto loaded = loadDeviceRecord(registry_, device(0x3F2, 1, 3), L"WORD.EXE");
    EXPECT_EQ(loaded.actionText, L"080004");
    EXPECT_EQ(loaded.deviceRecords.size(), 21u);
}

TEST_F(SetupStore, AMissingPropertiesKeyWritesNothing) {
    registry_.deleteKey(kDriverRoot, kPropertiesKey);
    const size_t writes = registry_.writeCount();
    EXPECT_THROW(loadDeviceRecord(registry_, device(0x3F2, 1, 3), L""), platform::RegistryError);
    EXPECT_THROW(storeDeviceRecord(registry_, device(0x3F2, 1, 3), L"GENERAL", kDefaultRecord, L""),
                 platform::RegistryError);
    EXPECT_EQ(registry_.writeCount(), writes);
}

TEST_F(SetupStore, StoringWritesTheRecordThenItsActionsThenFlushes) {
    store(L"P001", L"00a002" + kDefaultRecord);
    store(L"P002", L"3f2001" + kDefaultRecord);
    registry_.clearJournal();
    const auto slot =
        storeDeviceRecord(registry_, device(0x3F2, 1, 3), L"", kTwoButtonDefaultRecord, L"080004");
    EXPECT_EQ(slot.valueName, L"P002") << "the device's GENERAL record is rewritten where it is";
    const std::wstring key = L"HKEY_LOCAL_MACHINE\\" + kPropertiesKey;
    EXPECT_EQ(registry_.journal(),
              (std::vector<std::wstring>{L"write " + key + L"\\P002", L"write " + key + L"\\A002",
                                         L"close " + key}));
    EXPECT_EQ(storeDeviceRecord(registry_, device(0x3F2, 1, 3), L"WORD.EXE", kWord, L"").valueName,
              L"P003")
        << "an application without a record gets the first free number";
}

// What a deletion stopped half-way leaves: a record twice in a row. The load
// removes the repeat, and where two different records of one device and
// application remain, the load and every write use the same one.
TEST_F(SetupStore, ARepeatedRecordGoesAndTheRecordLoadedIsTheOneWritten) {
    const std::wstring otherWord = L"3f2001" + kWord.substr(0, 20) + L"1" + kWord.substr(21);
    store(L"P001", L"3f2001" + kWord);
    store(L"A001", L"080004");
    store(L"P002", L"3f2001" + kWord);
    store(L"A002", L"080004");
    store(L"P003", L"3f2001" + kDefaultRecord);
    store(L"P004", otherWord);
    store(L"A004", L"080004");
    store(L"P005", otherWord);
    store(L"A005", L"040005");  // other actions: not a repeat

    const auto loaded = loadDeviceRecord(registry_, device(0x3F2, 1, 3), L"WORD.EXE");
    EXPECT_EQ(stored(L"P002"), L"3f2001" + kDefaultRecord) << "the later records moved down";
    EXPECT_EQ(stored(L"P004"), otherWord);
    EXPECT_EQ(stored(L"A004"), L"040005");
    EXPECT_FALSE(stored(L"P005").has_value());
    EXPECT_EQ(loaded.actionText, L"040005") << "the highest numbered of WORD.EXE's records";

    const auto slot =
        storeDeviceRecord(registry_, device(0x3F2, 1, 3), L"WORD.EXE", kWord, L"020004");
    EXPECT_EQ(slot.valueName, L"P004") << "written where it was loaded from";
    EXPECT_EQ(stored(L"P003"), otherWord);
    EXPECT_EQ(stored(L"A003"), L"080004");
}

// Between two writes of the loaded setup another program changes the store;
// the next write finds the record afresh, and an unchanged store costs no scan.
class KnownSlotWrites : public SetupStore {
protected:
    void SetUp() override {
        SetupStore::SetUp();
        store(L"P001", L"00a002" + kDefaultRecord);
        store(L"P002", L"3f2001" + kWord);
        store(L"P003", L"3f2001" + kDefaultRecord);
        loadDeviceRecord(registry_, mouse_, L"", known_);
    }
    std::wstring write(const std::wstring& actions) {
        return storeDeviceRecord(registry_, mouse_, L"", kDefaultRecord, actions, known_).valueName;
    }
    const MouseInfo mouse_ = device(0x3F2, 1, 3);
    KnownRecordSlot known_;
};

TEST_F(KnownSlotWrites, AnUnchangedStoreIsWrittenWithoutReadingAnyValue) {
    const size_t beforeFirst = registry_.valueReads();
    EXPECT_EQ(write(L"020004"), L"P003");
    const size_t beforeSecond = registry_.valueReads();
    EXPECT_EQ(beforeSecond, beforeFirst) << "the load left the slot known";
    EXPECT_EQ(write(L"040005"), L"P003");
    EXPECT_EQ(registry_.valueReads(), beforeSecond);
    EXPECT_EQ(stored(L"A003"), L"040005");

    store(L"Other", L"x");
    EXPECT_EQ(write(L"080004"), L"P003");
    EXPECT_GT(registry_.valueReads(), beforeSecond) << "a changed key is scanned again";
}

TEST_F(KnownSlotWrites, RecordsRenumberedMeanwhileAreFoundAgain) {
    write(L"020004");
    // Another program removes P001 and moves the later records down.
    for (int number = 1; number <= 2; ++number) {
        store(recordValueName(number), *stored(recordValueName(number + 1)));
        store(actionValueName(number), stored(actionValueName(number + 1)).value_or(L""));
    }
    auto key = registry_.open(kDriverRoot, kPropertiesKey);
    key->deleteValue(L"P003");
    key->deleteValue(L"A003");
    key.reset();

    EXPECT_EQ(write(L"040005"), L"P002");
    EXPECT_EQ(stored(L"A002"), L"040005");
    EXPECT_EQ(stored(L"P001"), L"3f2001" + kWord) << "the other record is left alone";
    EXPECT_FALSE(stored(L"P003").has_value()) << "nothing written past the end";
}

TEST_F(KnownSlotWrites, ALaterRecordInsertedMeanwhileIsTheOneWritten) {
    write(L"020004");
    store(L"P004", L"3f2001" + kDefaultRecord);  // the same setup, numbered higher
    store(L"A004", L"080004");
    EXPECT_EQ(write(L"040005"), L"P004");
    EXPECT_EQ(stored(L"A003"), L"020004");
    EXPECT_EQ(write(L"010001"), L"P004") << "remembered after the scan";
}

TEST_F(KnownSlotWrites, AnotherSetupIsFoundByAScan) {
    const size_t before = registry_.valueReads();
    EXPECT_EQ(storeDeviceRecord(registry_, mouse_, L"WORD.EXE", kWord, L"020004", known_).valueName,
              L"P002");
    EXPECT_GT(registry_.valueReads(), before);
    EXPECT_EQ(write(L"040005"), L"P003") << "the GENERAL record is not the one remembered";
}

}  // namespace
}  // namespace setup
