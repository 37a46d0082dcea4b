#include "setup/actions/action_codes.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

TEST(ActionCodes, ChordsAreListedPrimaryFirstWhateverTheBitOrder) {
    EXPECT_EQ(chordText(8), L"Pri");
    EXPECT_EQ(chordText(12), L"Pri+Sec");
    EXPECT_EQ(chordText(3), L"Aux1+Aux2");
    EXPECT_EQ(chordText(15), L"Pri+Sec+Aux1+Aux2");
    EXPECT_EQ(chordText(0), L"");
}

TEST(ActionCodes, KeysAreListedCtrlAltShift) {
    EXPECT_EQ(modifierText(0), L"");
    EXPECT_EQ(modifierText(1), L"Shift");
    EXPECT_EQ(modifierText(3), L"Ctrl+Shift");
    EXPECT_EQ(modifierText(7), L"Ctrl+Alt+Shift");
}

TEST(ActionCodes, NamesAndDescriptionsOfEveryCode) {
    struct Case {
        int code;
        const wchar_t* name;
        const wchar_t* description;
    };
    const Case cases[] = {
        {1, L"Primary Click", L"Primary Click"},
        {2, L"Secondary Click", L"Secondary Click"},
        {3, L"Middle Click", L"Middle Click"},
        {4, L"Swift Scroll", L"Swift Scroll"},
        {5, L"Double Click", L"Double Click"},
        {7, L"Maximize", L"Maximize Current Window"},
        {8, L"Minimize", L"Minimize Current Window"},
        {9, L"Normal Size", L"Set Window to Normal Size"},
        {10, L"X Only", L"Mouse Only Moves Horizontally"},
        {11, L"Y Only", L"Mouse Only Moves Vertically"},
        {0, L"", L""},
        {12, L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(actionName(c.code), c.name);
        EXPECT_EQ(actionDescription({8, 0, c.code, 0, L"ignored"}), c.description);
    }
    EXPECT_EQ(actionName(kMacroAction), L"Custom Text Macro");
    EXPECT_EQ(actionDescription({8, 0, kMacroAction, 3, L"{F5}"}), L"{F5}");
}

TEST(ActionCodes, ChoiceListsFindTheirCodes) {
    EXPECT_EQ(choiceIndex(kButtonChords, 8), 2);
    EXPECT_EQ(choiceIndex(kButtonChords, 7), -1);
    EXPECT_EQ(choiceIndex(kModifierChoices, 6), 6);
    EXPECT_EQ(choiceIndex(kModifierChoices, 7), -1) << "all three keys are never offered";
    EXPECT_EQ(kOfferedActions[kMacroAction - kFirstOfferedAction].item,
              std::wstring(L"Custom Text..."));
}

}  // namespace
}  // namespace setup
