#pragma once

// What every MessageBoxes implementation shows and answers. Instantiated with
// the in-memory boxes natively and with the system's boxes under Wine, where a
// watcher reads each box off the screen and clicks the scripted button. A
// harness provides: boxes(), answerNextWith(answer) before the box appears,
// seen() afterwards (the box as shown), and owner() (a window to own a box).

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace platform::contract {

// A box as the user sees it.
struct SeenBox {
    std::wstring text;
    std::wstring caption;
    std::vector<MessageAnswer> buttons;
    MessageAnswer defaultButton = MessageAnswer::Ok;
    MessageIcon icon = MessageIcon::None;
    bool systemModal = false;
    OwnerWindow owner = 0;
};

template <typename Harness>
class MessageBoxesContract : public ::testing::Test {
protected:
    // Shows the box, answered with answer; returns what the user saw.
    SeenBox showAnswered(const MessageBoxRequest& box, MessageAnswer answer,
                         MessageAnswer* returned = nullptr) {
        harness_.answerNextWith(answer);
        const MessageAnswer result = harness_.boxes().show(box);
        if (returned != nullptr) {
            *returned = result;
        }
        return harness_.seen();
    }

    static MessageBoxRequest box(MessageButtons buttons,
                                 std::optional<MessageAnswer> defaultButton = std::nullopt) {
        MessageBoxRequest request;
        request.text = L"Apply changes before continuing?";
        request.caption = L"Warning";
        request.buttons = buttons;
        request.defaultButton = defaultButton;
        return request;
    }

    Harness harness_;
};

TYPED_TEST_SUITE_P(MessageBoxesContract);

TYPED_TEST_P(MessageBoxesContract, EachButtonSetShowsItsButtonsAndReturnsTheOneClicked) {
    using A = MessageAnswer;
    struct Case {
        MessageButtons buttons;
        std::vector<A> shown;
        A clicked;
    };
    const Case cases[] = {
        {MessageButtons::Ok, {A::Ok}, A::Ok},
        {MessageButtons::OkCancel, {A::Ok, A::Cancel}, A::Cancel},
        {MessageButtons::YesNo, {A::Yes, A::No}, A::No},
        {MessageButtons::YesNoCancel, {A::Yes, A::No, A::Cancel}, A::Yes},
        {MessageButtons::YesNoCancel, {A::Yes, A::No, A::Cancel}, A::Cancel},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(answerName(test.clicked));
        A returned = A::Ok;
        const SeenBox seen = this->showAnswered(this->box(test.buttons), test.clicked, &returned);
        EXPECT_EQ(seen.buttons, test.shown);
        EXPECT_EQ(returned, test.clicked);
    }
}

TYPED_TEST_P(MessageBoxesContract, TheDefaultButtonIsTheOneAskedForElseTheFirst) {
    using A = MessageAnswer;
    EXPECT_EQ(
        this->showAnswered(this->box(MessageButtons::YesNoCancel, A::Cancel), A::No).defaultButton,
        A::Cancel);
    EXPECT_EQ(this->showAnswered(this->box(MessageButtons::YesNo, A::No), A::Yes).defaultButton,
              A::No);
    EXPECT_EQ(this->showAnswered(this->box(MessageButtons::OkCancel), A::Ok).defaultButton, A::Ok);
}

TYPED_TEST_P(MessageBoxesContract, TextAndCaptionAreShownExactly) {
    MessageBoxRequest request = this->box(MessageButtons::Ok);
    request.text = L"Error reading registry\n  Reinstall the driver";
    request.caption = L"Error in Regsitry";
    const SeenBox seen = this->showAnswered(request, MessageAnswer::Ok);
    EXPECT_EQ(seen.text, request.text);
    EXPECT_EQ(seen.caption, request.caption);
}

TYPED_TEST_P(MessageBoxesContract, TheIconIsTheOneAskedFor) {
    for (const auto icon :
         {MessageIcon::None, MessageIcon::Error, MessageIcon::Information, MessageIcon::Warning}) {
        SCOPED_TRACE(static_cast<int>(icon));
        MessageBoxRequest request = this->box(MessageButtons::Ok);
        request.icon = icon;
        EXPECT_EQ(this->showAnswered(request, MessageAnswer::Ok).icon, icon);
    }
}

TYPED_TEST_P(MessageBoxesContract, ASystemModalBoxStaysOnTopAndAnOwnedOneNamesItsOwner) {
    MessageBoxRequest request = this->box(MessageButtons::Ok);
    request.systemModal = true;
    EXPECT_TRUE(this->showAnswered(request, MessageAnswer::Ok).systemModal);
    request.systemModal = false;
    EXPECT_FALSE(this->showAnswered(request, MessageAnswer::Ok).systemModal);
    request.owner = this->harness_.owner();
    EXPECT_EQ(this->showAnswered(request, MessageAnswer::Ok).owner, request.owner);
}

REGISTER_TYPED_TEST_SUITE_P(MessageBoxesContract,
                            EachButtonSetShowsItsButtonsAndReturnsTheOneClicked,
                            TheDefaultButtonIsTheOneAskedForElseTheFirst,
                            TextAndCaptionAreShownExactly, TheIconIsTheOneAskedFor,
                            ASystemModalBoxStaysOnTopAndAnOwnedOneNamesItsOwner);

}  // namespace platform::contract
