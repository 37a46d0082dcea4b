#include "setup/actions/key_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/memory_keyboard.h"

namespace setup {
namespace {

namespace vk = platform::vk;

const platform::ShiftState kNoShift{};
const platform::ShiftState kWithShift{true, false, false};

struct NamedKey {
    int key;
    std::wstring name;
};

class KeyNameTest : public ::testing::Test {
protected:
    std::wstring name(int key, platform::ShiftState shift = kNoShift) {
        return KeyName(key, shift, keyboard_);
    }
    platform::MemoryKeyboard keyboard_;
};

TEST_F(KeyNameTest, KeysThatTypeNothingHaveFixedNamesMarkedWhenShifted) {
    const std::vector<NamedKey> keys = {
        {8, L"Backspace"}, {9, L"Tab"},           {13, L"Enter"}, {19, L"Pause"}, {27, L"Esc"},
        {33, L"PgUp"},     {34, L"PgDn"},         {35, L"End"},   {36, L"Home"},  {37, L"Left"},
        {38, L"Up"},       {39, L"Right"},        {40, L"Down"},  {44, L"Print"}, {45, L"Ins"},
        {46, L"Del"},      {112, L"F1"},          {117, L"F6"},   {121, L"F10"},  {122, L"F11"},
        {123, L"F12"},     {145, L"Scroll Lock"},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.key);
        EXPECT_EQ(name(k.key), k.name);
        EXPECT_EQ(name(k.key, kWithShift), L"Sh-" + k.name);
    }
}

TEST_F(KeyNameTest, ModifierKeysAreNeverMarked) {
    const std::vector<NamedKey> keys = {
        {16, L"Shift"}, {17, L"Ctrl"}, {18, L"Alt"}, {91, L"Win"}, {93, L"Menu"},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.key);
        EXPECT_EQ(name(k.key), k.name);
        EXPECT_EQ(name(k.key, {true, true, true}), k.name);
    }
}

TEST(KeyName, CharactersTypedWithAltGrAreNamedAsTyped) {
    platform::MemoryKeyboard german(platform::MemoryLayout::German);
    platform::MemoryKeyboard us;
    const platform::ShiftState ctrlAlt{false, true, true};
    for (auto* keyboard : {&german, &us}) {
        keyboard->press(vk::kCtrl);
        keyboard->press(vk::kAlt);
    }
    EXPECT_EQ(KeyName('Q', ctrlAlt, german), L"@");
    EXPECT_EQ(KeyName('7', ctrlAlt, german), L"{");
    EXPECT_EQ(KeyName('C', ctrlAlt, german), L"c") << "no AltGr character: the key's own";
    EXPECT_EQ(KeyName('Q', ctrlAlt, us), L"q");
    german.release(vk::kAlt);
    EXPECT_EQ(KeyName('Q', {false, true, false}, german), L"q") << "Ctrl alone is no AltGr";
}

TEST_F(KeyNameTest, CapsLockHasTheEmptyNameAndOnlyTheMarkWithShift) {
    EXPECT_EQ(name(vk::kCapsLock), L"");
    EXPECT_EQ(name(vk::kCapsLock, kWithShift), L"Sh-");
}

TEST_F(KeyNameTest, LettersTakeTheirCaseFromShiftAndCapsLock) {
    EXPECT_EQ(name('C'), L"c");
    keyboard_.press(vk::kShift);
    EXPECT_EQ(name('C', kWithShift), L"C");
    keyboard_.setCapsLock(true);
    EXPECT_EQ(name('C', kWithShift), L"c");
    keyboard_.release(vk::kShift);
    EXPECT_EQ(name('C'), L"C");
}

TEST_F(KeyNameTest, CharactersFollowTheKeyboardNotTheEventsShiftFlag) {
    EXPECT_EQ(name('A', kWithShift), L"a");
    keyboard_.press(vk::kShift);
    EXPECT_EQ(name('1', kNoShift), L"!") << "never marked, whatever the flag says";
    EXPECT_EQ(name(vk::kSemicolon, kWithShift), L":");
}

TEST_F(KeyNameTest, CtrlCombinationsNameThePlainCharacter) {
    keyboard_.press(vk::kCtrl);
    keyboard_.press(vk::kLeftCtrl);
    EXPECT_EQ(name('C', {false, true, false}), L"c");
    keyboard_.press(vk::kShift);
    EXPECT_EQ(name('C', {true, true, false}), L"C");
    EXPECT_NE(keyboard_.state()[vk::kCtrl] & platform::kKeyHeld, 0)
        << "the real state is untouched";
}

TEST_F(KeyNameTest, AltCombinationsNameTheCharacter) {
    keyboard_.press(vk::kAlt);
    EXPECT_EQ(name('B', {false, false, true}), L"b");
}

TEST_F(KeyNameTest, KeysThatTypeNothingAndAreUnnamedHaveTheEmptyName) {
    EXPECT_EQ(name(vk::kNumLock), L"");
    EXPECT_EQ(name(0xFF), L"");
}

// A layout that types two characters for one key (an accent that does not
// combine with the letter after it).
class TwoCharacterKeyboard : public platform::MemoryKeyboard {
public:
    std::wstring translate(int, const platform::KeyboardState&) override { return L"^e"; }
};

TEST(KeyName, UsesOnlyTheFirstCharacterOfATranslation) {
    TwoCharacterKeyboard keyboard;
    EXPECT_EQ(KeyName('E', kNoShift, keyboard), L"^");
}

}  // namespace
}  // namespace setup
