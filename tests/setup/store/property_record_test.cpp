#include "setup/store/property_record.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/text.h"

namespace setup {
namespace {

TEST(PropertyRecord, TheFourButtonDefaultParsesAndBuildsBack) {
    const auto info = parsePropertyRecord(kDefaultRecord);
    EXPECT_EQ(info.applicationNameLength, 7);
    EXPECT_EQ(info.applicationName, L"GENERAL");
    EXPECT_EQ(info.buttonPosition, (std::array<int, 4>{0, 1, 2, 3}));
    EXPECT_EQ(info.doubleClickSpeed, 5);
    EXPECT_EQ(info.reserved1, 5);
    EXPECT_EQ(info.cursorSpeed1, 7);
    EXPECT_EQ(info.cursorSpeed2, 7);
    EXPECT_EQ(info.acceleration, 0);
    EXPECT_EQ(info.reserved2, 5);
    EXPECT_EQ(info.trailLength, 0);
    EXPECT_EQ(info.reserved3, 5);
    EXPECT_EQ(info.reserved4, 5);
    EXPECT_EQ(info.reserved5, 5);
    EXPECT_EQ(info.schemeNameLength, 16);
    EXPECT_EQ(info.schemeName, L"Windows Standard");
    EXPECT_EQ(buildPropertyRecord(info), kDefaultRecord);
    EXPECT_EQ(kDefaultRecord.size(), 71u);
}

TEST(PropertyRecord, TwoButtonDefaultHasNoThirdAndFourthButton) {
    const auto info = parsePropertyRecord(kTwoButtonDefaultRecord);
    EXPECT_EQ(info.buttonPosition, (std::array<int, 4>{0, 1, -1, -1}));
    auto fourButtons = parsePropertyRecord(kDefaultRecord);
    fourButtons.buttonPosition[2] = -1;
    fourButtons.buttonPosition[3] = -1;
    EXPECT_EQ(info, fourButtons) << "every other field as in the four-button default";
    EXPECT_EQ(buildPropertyRecord(info), kTwoButtonDefaultRecord);
}

TEST(PropertyRecord, ShiftsAndReservedFieldsSurviveARoundTrip) {
    auto info = parsePropertyRecord(kDefaultRecord);
    info.acceleration = 3;
    info.reserved3 = 12;
    const auto text = buildPropertyRecord(info);
    EXPECT_EQ(text.substr(7 + 28 - 1, 3), L"004") << "High is stored one higher";
    EXPECT_EQ(text.substr(7 + 37 - 1, 3), L"012");
    EXPECT_EQ(parsePropertyRecord(text), info);
}

TEST(PropertyRecord, LengthFieldsComeFromTheStrings) {
    auto info = parsePropertyRecord(kDefaultRecord);
    info.applicationName = L"WINWORD.EXE.";
    info.applicationNameLength = 3;  // stale: the text decides
    EXPECT_EQ(buildPropertyRecord(info).substr(0, 15), L"012WINWORD.EXE.");
    info.applicationName = std::wstring(104, L'A');
    EXPECT_EQ(buildPropertyRecord(info).substr(0, 3), L"104");
}

TEST(PropertyRecord, UnicodeNamesCountUtf16Units) {
    auto info = parsePropertyRecord(kDefaultRecord);
    info.applicationName = platform::fromUtf8("\xC3\x89" "DIT.EXE\xF0\x9F\x98\x80");
    const auto text = buildPropertyRecord(info);
    EXPECT_EQ(text.substr(0, 3), L"010");
    EXPECT_EQ(parsePropertyRecord(text).applicationName, info.applicationName);
}

TEST(PropertyRecord, BadFieldsNameThemselvesAndKeepWhatWasRead) {
    struct Case {
        std::wstring record;
        std::wstring field;
        int position;
    };
    const Case cases[] = {
        {L"", L"applicationNameLength", 1},
        {L"0x7GENERAL", L"applicationNameLength", 1},
        {L"007GEN", L"applicationName", 4},
        {L"007GENERAL00100200300400500500700700100500000500500501", L"schemeNameLength", 53},
        {L"007GENERAL001002003004005005007007001005000005005005016Windows", L"schemeName", 56},
        {L"007GENERAL001002003004005005 07007001005000005005005016Windows Standard", L"cursorSpeed1",
         29},
        {L"007GENERAL001-02003004005005007007001005000005005005016Windows Standard",
         L"buttonPosition", 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(platform::toUtf8(c.record));
        PropertyInfo info;
        info.schemeName = L"untouched";
        try {
            parsePropertyRecord(c.record, info);
            ADD_FAILURE() << "no conversion error";
        } catch (const platform::ConversionError& error) {
            EXPECT_EQ(error.field(), c.field);
            EXPECT_EQ(error.position(), c.position);
        }
        EXPECT_EQ(info.schemeName, L"untouched") << "fields from the bad one on are not assigned";
    }
}

TEST(PropertyRecord, FieldsBeforeTheBadOneStay) {
    PropertyInfo info;
    EXPECT_THROW(parsePropertyRecord(L"007GENERAL001002003004xx5", info), platform::ConversionError);
    EXPECT_EQ(info.applicationName, L"GENERAL");
    EXPECT_EQ(info.buttonPosition, (std::array<int, 4>{0, 1, 2, 3}));
}

TEST(PropertyRecord, ValuesThatDoNotFitAreRefusedNotWritten) {
    auto info = parsePropertyRecord(kDefaultRecord);
    info.cursorSpeed1 = 1000;
    EXPECT_THROW(buildPropertyRecord(info), platform::Error);
    info.cursorSpeed1 = 7;
    info.buttonPosition[0] = -2;
    EXPECT_THROW(buildPropertyRecord(info), platform::Error);
    info.buttonPosition[0] = 0;
    info.applicationName = std::wstring(1000, L'A');
    EXPECT_THROW(buildPropertyRecord(info), platform::Error);
}

TEST(PropertyRecord, StoredApplicationNameIsCutSafely) {
    EXPECT_EQ(storedApplicationName(L"3f2001" + kDefaultRecord), L"GENERAL");
    EXPECT_EQ(storedApplicationName(L"3f2001008WORD.EXE"), L"WORD.EXE");
    EXPECT_EQ(storedApplicationName(L"3f2001020WORD"), L"WORD");
    EXPECT_EQ(storedApplicationName(L"3f2001xyzWORD"), L"");
    EXPECT_EQ(storedApplicationName(L"3f20"), L"");
}

}  // namespace
}  // namespace setup
