#include "cpl/fixed_text_field.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace cpl {
namespace {

constexpr std::size_t kNameField = 32;

template <typename Char>
struct Field {
    Char text[kNameField] = {};
    // What lies after the field in a record; never part of the name.
    Char next[4] = {};
};

template <typename Char>
Field<Char> fieldHolding(const std::basic_string<Char>& text) {
    Field<Char> field;
    std::copy_n(text.begin(), std::min(text.size(), kNameField), field.text);
    return field;
}

TEST(FixedTextField, MatchesOnlyTheExactText) {
    struct Case {
        std::string stored;
        bool matches;
    };
    const Case cases[] = {
        {"Mouse", true},   {"mouse", false},  {"MOUSE", false}, {"Mous", false},
        {"Mouse ", false}, {"Mouse2", false}, {"", false},      {" Mouse", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.stored);
        const auto ansi = fieldHolding(row.stored);
        EXPECT_EQ(fixedFieldHolds(ansi.text, std::string_view("Mouse")), row.matches);
        const auto wide = fieldHolding(std::wstring(row.stored.begin(), row.stored.end()));
        EXPECT_EQ(fixedFieldHolds(wide.text, std::wstring_view(L"Mouse")), row.matches);
    }
}

TEST(FixedTextField, TextEndsAtTheFirstTerminator) {
    auto field = fieldHolding(std::string("Mouse"));
    std::strcpy(field.text + 6, "Keyboard");
    EXPECT_TRUE(fixedFieldHolds(field.text, std::string_view("Mouse")));
}

TEST(FixedTextField, UnterminatedFieldEndsAtItsLastCharacter) {
    const std::string full(kNameField, 'M');
    auto field = fieldHolding(full);
    std::strcpy(field.next, "xy");
    EXPECT_TRUE(fixedFieldHolds(field.text, std::string_view(full)));
    EXPECT_FALSE(fixedFieldHolds(field.text, std::string_view(full + "x")));
}

}  // namespace
}  // namespace cpl
