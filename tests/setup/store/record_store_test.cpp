#include "setup/store/record_store.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/memory/memory_registry.h"
#include "setup/store/registry_layout.h"

namespace setup {
namespace {

using platform::MemoryRegistry;

class RecordStore : public ::testing::Test {
protected:
    void store(std::initializer_list<std::pair<const wchar_t*, const wchar_t*>> values) {
        auto key = registry_.create(kDriverRoot, kPropertiesKey);
        for (const auto& [name, value] : values) {
            key->writeString(name, value);
        }
        key->close();
    }
    RecordSlot find(const std::wstring& deviceKey, const std::wstring& application) {
        return findRecordSlot(*openPropertiesKey(registry_), deviceKey, application);
    }
    MemoryRegistry registry_;
};

TEST_F(RecordStore, FindsTheFirstMatchingRecordInNumberOrder) {
    store({{L"P001", L"00a002007GENERAL"},
           {L"P002", L"3f2001008WORD.EXE"},
           {L"P003", L"302001008WORD.EXE"}});
    const auto slot = find(L"3f2001", L"WORD.EXE");
    EXPECT_EQ(slot.number, 2);
    EXPECT_EQ(slot.valueName, L"P002");
    EXPECT_EQ(slot.content, L"3f2001008WORD.EXE");
    EXPECT_EQ(find(L"302001", L"WORD.EXE").number, 2) << "middle digit ignored for low digit 2";
}

TEST_F(RecordStore, EmptyApplicationMeansGeneral) {
    store({{L"P001", L"3f2001008WORD.EXE"}, {L"P002", L"3f2001007GENERAL"}});
    EXPECT_EQ(find(L"3f2001", L"").valueName, L"P002");
}

TEST_F(RecordStore, NamesCompareExactlyIncludingCase) {
    store({{L"P001", L"3f2001008word.exe"}, {L"P002", L"3f2001012WORD.EXE.OLD"}});
    const auto slot = find(L"3f2001", L"WORD.EXE");
    EXPECT_EQ(slot.valueName, L"P003");
    EXPECT_TRUE(slot.content.empty());
}

TEST_F(RecordStore, ScansStopAtTheFirstGapOrEmptyValue) {
    store({{L"P001", L"00a002007GENERAL"}, {L"P002", L""}, {L"P003", L"3f2001007GENERAL"}});
    EXPECT_EQ(find(L"3f2001", L"GENERAL").valueName, L"P002");
    store({{L"P002", L"00a002008WORD.EXE"}, {L"P004", L"3f2001007GENERAL"}});
    EXPECT_EQ(find(L"3f2001", L"GENERAL").valueName, L"P003") << "P004 lies beyond the gap";
}

TEST_F(RecordStore, ANonNumericOrShortNameLengthCountsAsZero) {
    store({{L"P001", L"3f2001"}, {L"P002", L"3f2001x07GENERAL"}});
    EXPECT_EQ(find(L"3f2001", L"GENERAL").valueName, L"P003");
    EXPECT_EQ(find(L"3f2001", L"x").valueName, L"P003");
}

TEST_F(RecordStore, AMissingPropertiesKeyIsARegistryErrorNamingIt) {
    try {
        openPropertiesKey(registry_);
        FAIL() << "no error";
    } catch (const platform::RegistryError& error) {
        EXPECT_NE(error.message().find(kPropertiesKey), std::wstring::npos);
    }
}

TEST_F(RecordStore, NeverHandsOutANumberPastTheThreeDigits) {
    auto key = registry_.create(kDriverRoot, kPropertiesKey);
    for (int n = 1; n <= kLastRecordNumber; ++n) {
        key->writeString(recordValueName(n), L"00a002007GENERAL");
    }
    EXPECT_THROW(find(L"3f2001", L"GENERAL"), platform::Error);
    EXPECT_THROW(freeRecordNumber(kLastRecordNumber + 1), platform::Error);
    EXPECT_EQ(find(L"00a002", L"GENERAL").valueName, L"P001");
}

TEST_F(RecordStore, ValueNamesHaveThreeDigits) {
    EXPECT_EQ(recordValueName(7), L"P007");
    EXPECT_EQ(actionValueName(12), L"A012");
    EXPECT_EQ(recordValueName(999), L"P999");
}

}  // namespace
}  // namespace setup
