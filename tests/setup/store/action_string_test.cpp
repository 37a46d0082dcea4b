#include "setup/store/action_string.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/errors.h"

namespace setup {
namespace {

class RecordingReporter : public MacroReporter {
public:
    void report(const std::wstring& message) override { messages.push_back(message); }
    std::vector<std::wstring> messages;
};

class ActionString : public ::testing::Test {
protected:
    ActionTable parse(const std::wstring& text) {
        ActionTable table;
        parseActionString(text, table, reporter_);
        return table;
    }
    RecordingReporter reporter_;
};

TEST_F(ActionString, OneEntryOfThreeCodes) {
    const auto table = parse(L"030001");
    EXPECT_EQ(actionCount(table), 1);
    EXPECT_EQ(table[0].buttonCode, 3);
    EXPECT_EQ(table[0].keyCode, 0);
    EXPECT_EQ(table[0].actionCode, 1);
    EXPECT_EQ(buildActionString(table, reporter_), L"030001");
}

TEST_F(ActionString, EmptyTextHoldsNoActions) {
    EXPECT_EQ(actionCount(parse(L"")), 0);
    EXPECT_EQ(buildActionString(ActionTable{}, reporter_), L"");
}

TEST_F(ActionString, AMacroTakesExactlyItsLengthAndIsShownInDisplayNotation) {
    const auto table = parse(L"02000608{<}c{~<}120204");
    ASSERT_EQ(actionCount(table), 2);
    EXPECT_EQ(table[0].macroText, L"{Ctrl-Dn}c{Ctrl-Up}");
    EXPECT_EQ(table[0].macroLength, 8);
    EXPECT_EQ(table[1].buttonCode, 12);
    EXPECT_EQ(table[1].actionCode, 4);
    EXPECT_EQ(buildActionString(table, reporter_), L"02000608{<}c{~<}120204");
    EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ActionString, OneStrayCharacterAfterTheLastEntryIsIgnored) {
    for (const std::wstring stored : {L"0300010", L"02000602xy120204}"}) {
        SCOPED_TRACE(testing::PrintToString(stored));
        ActionTable table;
        EXPECT_TRUE(parseActionString(stored, table, reporter_)) << "nothing left out";
        EXPECT_EQ(buildActionString(table, reporter_), stored.substr(0, stored.size() - 1));
    }
    EXPECT_THROW(parse(L"03000100"), platform::ConversionError) << "two characters start an entry";
}

TEST_F(ActionString, MoreThanElevenEntriesKeepsTheFirstElevenWellFormed) {
    std::wstring stored;
    for (int i = 0; i < 13; ++i) {
        stored += L"010004";
    }
    const auto table = parse(stored);
    EXPECT_EQ(actionCount(table), kUsableActions);
    EXPECT_EQ(table[kActionSlots - 1].buttonCode, 0) << "the last slot always stays empty";
    EXPECT_EQ(buildActionString(table, reporter_), stored.substr(0, 6 * kUsableActions));
}

TEST_F(ActionString, BadCodesNameTheFieldAndKeepEarlierEntries) {
    struct Case {
        const wchar_t* text;
        const wchar_t* field;
        int position;
    };
    const Case cases[] = {
        {L"0300", L"actionCode", 5},
        {L"03000106", L"keyCode", 9},
        {L"0x0001", L"buttonCode", 1},
        {L"0300010100060512", L"macroText", 15},
        {L"0300010100069", L"macroLength", 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        ActionTable table;
        try {
            parseActionString(c.text, table, reporter_);
            ADD_FAILURE() << "no conversion error";
        } catch (const platform::ConversionError& error) {
            EXPECT_EQ(error.field(), c.field);
            EXPECT_EQ(error.position(), c.position);
        }
        if (std::wstring(c.text).size() > 6 && c.text[1] == L'3') {
            EXPECT_EQ(table[0].buttonCode, 3) << "the entry before the bad one stays";
        }
    }
}

TEST_F(ActionString, OnlyTheLeadingEntriesAreWritten) {
    ActionTable table;
    table[0] = {8, 2, 5, 0, L""};
    table[2] = {4, 0, 7, 0, L""};  // after an empty slot: not part of the table
    EXPECT_EQ(actionCount(table), 1);
    EXPECT_EQ(buildActionString(table, reporter_), L"080205");
}

TEST_F(ActionString, CodesThatDoNotFitAreRefused) {
    ActionTable table;
    table[0] = {100, 0, 4, 0, L""};
    EXPECT_THROW(buildActionString(table, reporter_), platform::Error);
    table[0] = {8, -1, 4, 0, L""};
    EXPECT_THROW(buildActionString(table, reporter_), platform::Error);
}

TEST_F(ActionString, AnOverlongMacroLosesWholeSymbolsFromItsEnd) {
    std::wstring display;
    for (int i = 0; i < 14; ++i) {
        display += L"{Sh-PgUp}";
    }
    ActionTable table;
    table[0] = {2, 0, kMacroAction, 0, display};
    const auto stored = buildActionString(table, reporter_);
    // "{I}" + 13 * "{yhy~h}" + "{~I}" is the longest whole-symbol prefix within 99.
    EXPECT_EQ(stored.substr(0, 8), L"02000698");
    const auto back = parse(stored);
    EXPECT_EQ(back[0].macroText, display.substr(0, 13 * 9));
}

TEST_F(ActionString, AStoredMacroTheConverterRejectsLoadsEmptyAndIsReported) {
    const auto table = parse(L"02000602{~");
    EXPECT_EQ(table[0].macroText, L"");
    EXPECT_EQ(reporter_.messages.size(), 1u);
}

}  // namespace
}  // namespace setup
