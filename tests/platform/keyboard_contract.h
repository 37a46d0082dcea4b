#pragma once

// What every Keyboard implementation does the same way on a US layout.
// Instantiated against the in-memory keyboard natively and against the real one
// under Wine. Translations take an explicit state, so the keys the machine
// happens to hold do not matter.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/keyboard.h"

namespace platform::contract {

template <typename KeyboardType>
class KeyboardContract : public ::testing::Test {
protected:
    static KeyboardState holding(std::initializer_list<int> keys,
                                 std::initializer_list<int> toggled = {}) {
        KeyboardState state{};
        for (const int key : keys) {
            state[key] |= kKeyHeld;
        }
        for (const int key : toggled) {
            state[key] |= kKeyToggled;
        }
        return state;
    }

    std::wstring typed(int key, const KeyboardState& state) {
        return keyboard_.translate(key, state);
    }

    KeyboardType keyboard_;
};

TYPED_TEST_SUITE_P(KeyboardContract);

TYPED_TEST_P(KeyboardContract, LettersTypeLowerCaseAndUpperCaseWithShiftOrCapsLock) {
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
        const std::wstring upper(1, letter);
        const std::wstring lower(1, static_cast<wchar_t>(letter - L'A' + L'a'));
        SCOPED_TRACE(upper);
        EXPECT_EQ(this->typed(letter, this->holding({})), lower);
        EXPECT_EQ(this->typed(letter, this->holding({vk::kShift})), upper);
        EXPECT_EQ(this->typed(letter, this->holding({}, {vk::kCapsLock})), upper);
        EXPECT_EQ(this->typed(letter, this->holding({vk::kShift}, {vk::kCapsLock})), lower);
    }
}

TYPED_TEST_P(KeyboardContract, DigitsTypeThemselvesAndTheirSymbolsWithShift) {
    const std::wstring digits = L"1234567890";
    const std::wstring symbols = L"!@#$%^&*()";
    for (size_t i = 0; i < digits.size(); ++i) {
        SCOPED_TRACE(digits.substr(i, 1));
        EXPECT_EQ(this->typed(digits[i], this->holding({})), digits.substr(i, 1));
        EXPECT_EQ(this->typed(digits[i], this->holding({vk::kShift})), symbols.substr(i, 1));
        EXPECT_EQ(this->typed(digits[i], this->holding({}, {vk::kCapsLock})), digits.substr(i, 1))
            << "Caps Lock leaves digits alone";
    }
}

TYPED_TEST_P(KeyboardContract, PunctuationKeysTypeTheirPairs) {
    struct Pair {
        int key;
        const wchar_t* plain;
        const wchar_t* shifted;
    };
    const std::vector<Pair> pairs = {
        {vk::kSemicolon, L";", L":"},  {vk::kEquals, L"=", L"+"},
        {vk::kComma, L",", L"<"},      {vk::kMinus, L"-", L"_"},
        {vk::kPeriod, L".", L">"},     {vk::kSlash, L"/", L"?"},
        {vk::kBackquote, L"`", L"~"},  {vk::kOpenBracket, L"[", L"{"},
        {vk::kBackslash, L"\\", L"|"}, {vk::kCloseBracket, L"]", L"}"},
        {vk::kQuote, L"'", L"\""},     {vk::kSpace, L" ", L" "},
    };
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.key);
        EXPECT_EQ(this->typed(p.key, this->holding({})), p.plain);
        EXPECT_EQ(this->typed(p.key, this->holding({vk::kShift})), p.shifted);
    }
}

TYPED_TEST_P(KeyboardContract, CtrlWithALetterTypesItsControlCharacter) {
    EXPECT_EQ(this->typed('C', this->holding({vk::kCtrl})), std::wstring(1, L'\x03'));
    EXPECT_EQ(this->typed('A', this->holding({vk::kCtrl, vk::kShift})), std::wstring(1, L'\x01'));
}

TYPED_TEST_P(KeyboardContract, ControlKeysTypeTheirControlCharacters) {
    EXPECT_EQ(this->typed(vk::kBackspace, this->holding({})), L"\b");
    EXPECT_EQ(this->typed(vk::kTab, this->holding({})), L"\t");
    EXPECT_EQ(this->typed(vk::kEnter, this->holding({})), L"\r");
    EXPECT_EQ(this->typed(vk::kEscape, this->holding({})), std::wstring(1, L'\x1B'));
}

TYPED_TEST_P(KeyboardContract, KeysWithoutCharactersTypeNothing) {
    for (const int key : {vk::kF1, vk::kF12, vk::kShift, vk::kCtrl, vk::kCapsLock, vk::kLeft,
                          vk::kPageUp, vk::kNumLock, vk::kScrollLock}) {
        SCOPED_TRACE(key);
        EXPECT_EQ(this->typed(key, this->holding({})), L"");
        EXPECT_EQ(this->typed(key, this->holding({vk::kShift})), L"");
    }
}

TYPED_TEST_P(KeyboardContract, ScanCodesAreThoseOfTheKeysSetOne) {
    struct Code {
        int key;
        int scanCode;
    };
    const std::vector<Code> codes = {
        {vk::kEscape, 1}, {'1', 2},  {'0', 11},        {vk::kBackspace, 14}, {vk::kTab, 15},
        {'Q', 16},        {'A', 30}, {vk::kEnter, 28}, {vk::kCtrl, 29},      {vk::kShift, 42},
        {'Z', 44},        {'M', 50}, {vk::kSpace, 57}, {vk::kF1, 59},        {vk::kF12, 88},
    };
    for (const auto& c : codes) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(this->keyboard_.scanCode(c.key), c.scanCode);
    }
}

REGISTER_TYPED_TEST_SUITE_P(KeyboardContract, LettersTypeLowerCaseAndUpperCaseWithShiftOrCapsLock,
                            DigitsTypeThemselvesAndTheirSymbolsWithShift,
                            PunctuationKeysTypeTheirPairs, CtrlWithALetterTypesItsControlCharacter,
                            ControlKeysTypeTheirControlCharacters, KeysWithoutCharactersTypeNothing,
                            ScanCodesAreThoseOfTheKeysSetOne);

// What every Keyboard implementation does on the German layout, which has
// AltGr characters and dead keys. A world gives the keyboard with that layout
// active, or says it cannot (then the cases are skipped).
template <typename World>
class GermanKeyboardContract : public ::testing::Test {
protected:
    void SetUp() override {
        if (!world_.available()) {
            GTEST_SKIP() << "this system cannot give a keyboard the German layout";
        }
    }
    std::wstring typed(int key, std::initializer_list<int> held = {}) {
        KeyboardState state{};
        for (const int k : held) {
            state[k] |= kKeyHeld;
        }
        return world_.keyboard().translate(key, state);
    }

    World world_;
};

TYPED_TEST_SUITE_P(GermanKeyboardContract);

constexpr int kCircumflexKey = 0xDC;
constexpr int kAcuteKey = 0xDD;

TYPED_TEST_P(GermanKeyboardContract, AltGrTypesTheLayoutsOwnCharacters) {
    // AltGr holds Ctrl and Alt together.
    const auto altGr = {vk::kCtrl, vk::kAlt};
    EXPECT_EQ(this->typed('Q', altGr), L"@");
    EXPECT_EQ(this->typed('E', altGr), L"\u20AC");
    EXPECT_EQ(this->typed('8', altGr), L"[");
    EXPECT_EQ(this->typed('Q'), L"q");
}

TYPED_TEST_P(GermanKeyboardContract, ADeadKeyTypesItsAccentAndLeavesTheNextKeyAlone) {
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        EXPECT_EQ(this->typed(kCircumflexKey), L"^");
        EXPECT_EQ(this->typed(kAcuteKey, {vk::kShift}), L"`");
    }
    EXPECT_EQ(this->typed('E'), L"e") << "no accent was left waiting";
    EXPECT_EQ(this->typed(kAcuteKey), L"\u00B4");
    EXPECT_EQ(this->typed('A'), L"a");
}

REGISTER_TYPED_TEST_SUITE_P(GermanKeyboardContract, AltGrTypesTheLayoutsOwnCharacters,
                            ADeadKeyTypesItsAccentAndLeavesTheNextKeyAlone);

}  // namespace platform::contract
