#include "platform/text.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Text, Utf8RoundTripsThroughUtf16Units) {
    const std::string utf8 = "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80";
    const auto text = fromUtf8(utf8);
    ASSERT_EQ(text.size(), 5u);
    EXPECT_EQ(static_cast<unsigned>(text[3]), 0xD83Du);
    EXPECT_EQ(static_cast<unsigned>(text[4]), 0xDE00u);
    EXPECT_EQ(toUtf8(text), utf8);
}

TEST(Text, MalformedUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(fromUtf8("a\xFF" "b"), L"a\uFFFDb");
    EXPECT_EQ(fromUtf8("\xE4\xB8"), L"\uFFFD\uFFFD");
    EXPECT_EQ(fromUtf8("\xC0\x80"), L"\uFFFD") << "overlong encodings are refused";
}

TEST(Text, TrimRemovesBlanksAndControlCharactersAtTheEnds) {
    EXPECT_EQ(trim(L"  word.exe \t"), L"word.exe");
    EXPECT_EQ(trim(L" a b "), L"a b");
    EXPECT_EQ(trim(L"   "), L"");
}

TEST(Text, CaseMappingCoversAccentedLetters) {
    EXPECT_EQ(toUpper(L"word.exe \u00e9\u00f7\u0436"), L"WORD.EXE \u00c9\u00f7\u0416");
    EXPECT_EQ(toLower(L"00A \u00c9"), L"00a \u00e9");
}

TEST(Text, NumbersAreStrict) {
    EXPECT_EQ(parseDecimal(L"007"), 7);
    EXPECT_EQ(parseDecimal(L""), std::nullopt);
    EXPECT_EQ(parseDecimal(L" 7"), std::nullopt);
    EXPECT_EQ(parseDecimal(L"-1"), std::nullopt);
    EXPECT_EQ(parseDecimal(L"0x1"), std::nullopt);
    EXPECT_EQ(parseDecimal(L"99999999999"), std::nullopt);
    EXPECT_EQ(parseHex(L"3F2"), 0x3F2);
    EXPECT_EQ(parseHex(L"3g2"), std::nullopt);
}

TEST(Text, PaddedNumbers) {
    EXPECT_EQ(zeroPadded(7, 3), L"007");
    EXPECT_EQ(zeroPadded(1234, 3), L"1234") << "wider values are never cut";
    EXPECT_EQ(lowerHex(0x3F8, 3), L"3f8");
    EXPECT_EQ(lowerHex(0xA, 3), L"00a");
}

}  // namespace
}  // namespace platform
