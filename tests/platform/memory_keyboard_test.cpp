#include "platform/memory/memory_keyboard.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/platform/keyboard_contract.h"

namespace platform {
namespace contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, KeyboardContract, MemoryKeyboard);

class MemoryGermanWorld {
public:
    bool available() const { return true; }
    Keyboard& keyboard() { return keyboard_; }

private:
    MemoryKeyboard keyboard_{MemoryLayout::German};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, GermanKeyboardContract, MemoryGermanWorld);
}  // namespace contract

namespace {

bool isHeld(MemoryKeyboard& keyboard, int key) {
    return keyboard.state()[key] & kKeyHeld;
}

TEST(MemoryKeyboard, StateShowsTheKeysTestsHold) {
    MemoryKeyboard keyboard;
    EXPECT_FALSE(isHeld(keyboard, vk::kShift));
    keyboard.press(vk::kShift);
    keyboard.press('A');
    EXPECT_TRUE(isHeld(keyboard, vk::kShift));
    EXPECT_TRUE(isHeld(keyboard, 'A'));
    keyboard.release(vk::kShift);
    EXPECT_FALSE(isHeld(keyboard, vk::kShift));
    EXPECT_TRUE(isHeld(keyboard, 'A'));
}

TEST(MemoryKeyboard, CapsLockIsAToggleNotAHeldKey) {
    MemoryKeyboard keyboard;
    keyboard.setCapsLock(true);
    EXPECT_EQ(keyboard.state()[vk::kCapsLock], kKeyToggled);
    EXPECT_EQ(keyboard.translate('Q', keyboard.state()), L"Q");
    keyboard.setCapsLock(false);
    EXPECT_EQ(keyboard.state()[vk::kCapsLock], 0);
}

TEST(MemoryKeyboard, KeypadDigitsTypeDigitsWithOrWithoutShift) {
    MemoryKeyboard keyboard;
    KeyboardState shifted{};
    shifted[vk::kShift] = kKeyHeld;
    for (int digit = 0; digit <= 9; ++digit) {
        SCOPED_TRACE(digit);
        EXPECT_EQ(keyboard.translate(vk::kNumpad0 + digit, KeyboardState{}),
                  std::to_wstring(digit));
        EXPECT_EQ(keyboard.translate(vk::kNumpad0 + digit, shifted), std::to_wstring(digit));
    }
}

TEST(MemoryKeyboard, AltGrTypesNothingOnTheUsLayout) {
    MemoryKeyboard keyboard;
    KeyboardState altGr{};
    altGr[vk::kCtrl] = kKeyHeld;
    altGr[vk::kAlt] = kKeyHeld;
    EXPECT_EQ(keyboard.translate('E', altGr), L"");
}

TEST(MemoryKeyboard, RecordsInjectedKeysAndBeepsInsteadOfMakingThem) {
    MemoryKeyboard keyboard;
    keyboard.sendKeyDown(vk::kEscape);
    keyboard.sendKeyDown(vk::kEscape);
    keyboard.beepAsterisk();
    EXPECT_EQ(keyboard.sentKeyDowns(), (std::vector<int>{vk::kEscape, vk::kEscape}));
    EXPECT_EQ(keyboard.asteriskBeeps(), 1);
    EXPECT_FALSE(isHeld(keyboard, vk::kEscape)) << "a sent key is not held by the test";
}

TEST(MemoryKeyboard, UnknownKeysHaveNoScanCodeAndHoldingOneOutsideTheStateIsAnError) {
    MemoryKeyboard keyboard;
    EXPECT_EQ(keyboard.scanCode(0xFF), 0);
    EXPECT_EQ(keyboard.scanCode(-1), 0);
    EXPECT_EQ(keyboard.translate(1000, KeyboardState{}), L"");
    EXPECT_THROW(keyboard.press(256), std::out_of_range);
}

}  // namespace
}  // namespace platform
