#include "standins/orvdll/journal.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_registry.h"

namespace standins {
namespace {

using platform::RegistryRoot;

TEST(JournalLine, FieldsRoundTripWhateverTheyHold) {
    const std::vector<JournalField> fields{
        {L"call", L"1"},
        {L"P001", L"00a002007GENERAL"},
        {L"A001", L"tab\there, back\\slash, lines\r\nand = signs"},
        {L"empty", L""},
    };
    const auto line = formatJournalLine(fields);
    EXPECT_EQ(line.find_first_of(L"\r\n"), std::wstring::npos) << "one call, one line";
    EXPECT_EQ(parseJournalLine(line), fields);
}

TEST(JournalLine, IsTabSeparatedNameValuePairs) {
    EXPECT_EQ(formatJournalLine({{L"call", L"2"}, {L"first", L"1"}}), L"call=2\tfirst=1");
    EXPECT_EQ(parseJournalLine(L"a=1\tb\tc="),
              (std::vector<JournalField>{{L"a", L"1"}, {L"b", L""}, {L"c", L""}}));
    EXPECT_TRUE(parseJournalLine(L"").empty());
}

TEST(JournalLine, ValuesAreFoundByName) {
    const auto fields = parseJournalLine(L"call=3\tsecond=137");
    EXPECT_EQ(journalValue(fields, L"second"), L"137");
    EXPECT_EQ(journalValue(fields, L"records"), L"");
}

class DriverReread : public ::testing::Test {
protected:
    void writeProperties(const std::vector<std::pair<std::wstring, std::wstring>>& values) {
        auto key = registry_.create(RegistryRoot::LocalMachine, L"SOFTWARE\\Orvane\\Properties");
        for (const auto& [name, value] : values) {
            key->writeString(name, value);
        }
    }
    platform::MemoryRegistry registry_;
};

TEST_F(DriverReread, ReadsRecordsUpToTheFirstMissingOrEmptyOne) {
    writeProperties({{L"P001", L"00a002rec1"},
                     {L"A001", L"0300"},
                     {L"P002", L"00a002rec2"},
                     {L"P003", L""},
                     {L"A003", L"never"},
                     {L"P004", L"00a002rec4"}});
    EXPECT_EQ(rereadDriverSettings(registry_), (std::vector<JournalField>{{L"records", L"2"},
                                                                          {L"P001", L"00a002rec1"},
                                                                          {L"A001", L"0300"},
                                                                          {L"P002", L"00a002rec2"},
                                                                          {L"A002", L""}}));
}

TEST_F(DriverReread, ReadsTheTrayOptionOnlyWhenItIsThere) {
    writeProperties({{L"P001", L"x"}});
    EXPECT_EQ(journalValue(rereadDriverSettings(registry_), L"ShowIconInTray"), L"");
    registry_.create(RegistryRoot::LocalMachine, L"SOFTWARE\\Orvane")
        ->writeString(L"ShowIconInTray", L"false");
    const auto fields = rereadDriverSettings(registry_);
    ASSERT_FALSE(fields.empty());
    EXPECT_EQ(fields.front(), (JournalField{L"ShowIconInTray", L"false"}));
}

TEST_F(DriverReread, AMissingDriverKeyReadsAsNoRecords) {
    EXPECT_EQ(rereadDriverSettings(registry_), (std::vector<JournalField>{{L"records", L"0"}}));
}

}  // namespace
}  // namespace standins
