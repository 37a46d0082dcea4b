#include "platform/memory/memory_message_boxes.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/memory/script_error.h"
#include "tests/platform/message_boxes_contract.h"

namespace platform {
namespace contract {

// The in-memory boxes, seen as recorded.
class MemoryBoxesHarness {
public:
    MessageBoxes& boxes() { return boxes_; }
    void answerNextWith(MessageAnswer answer) { boxes_.answerNext(answer); }
    SeenBox seen() const {
        const MessageBoxRequest& shown = boxes_.shown().back();
        return {shown.text,
                shown.caption,
                buttonsOf(shown.buttons),
                effectiveDefault(shown),
                shown.icon,
                shown.systemModal,
                shown.owner};
    }
    OwnerWindow owner() const { return 0x5A0; }

private:
    MemoryMessageBoxes boxes_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, MessageBoxesContract, MemoryBoxesHarness);

}  // namespace contract

namespace {

MessageBoxRequest question() {
    MessageBoxRequest box;
    box.text = L"Save mouse setup changes before quitting?";
    box.caption = L"Warning";
    box.buttons = MessageButtons::YesNoCancel;
    box.defaultButton = MessageAnswer::Cancel;
    return box;
}

TEST(MemoryMessageBoxes, ABoxWithNoAnswerScriptedIsAScriptErrorNamingIt) {
    MemoryMessageBoxes boxes;
    try {
        boxes.show(question());
        FAIL() << "no answer was scripted";
    } catch (const ScriptError& error) {
        EXPECT_NE(std::string(error.what()).find("Save mouse setup changes"), std::string::npos);
    }
    EXPECT_EQ(boxes.shown().size(), 1u) << "the box was still recorded";
}

TEST(MemoryMessageBoxes, AnAnswerThatIsNoButtonOfTheBoxIsAScriptError) {
    MemoryMessageBoxes boxes;
    MessageBoxRequest box = question();
    box.buttons = MessageButtons::YesNo;
    box.defaultButton = std::nullopt;
    boxes.answerNext(MessageAnswer::Cancel);
    EXPECT_THROW(boxes.show(box), ScriptError);
}

TEST(MemoryMessageBoxes, ADefaultButtonTheBoxDoesNotHaveIsRefused) {
    MemoryMessageBoxes boxes;
    MessageBoxRequest box = question();
    box.buttons = MessageButtons::Ok;
    boxes.answerNext(MessageAnswer::Ok);
    EXPECT_THROW(boxes.show(box), std::invalid_argument);
    EXPECT_EQ(boxes.unusedAnswers(), 1u);
}

TEST(MemoryMessageBoxes, AnswersAreUsedInOrder) {
    MemoryMessageBoxes boxes;
    boxes.answerNext(MessageAnswer::No);
    boxes.answerNext(MessageAnswer::Yes);
    EXPECT_EQ(boxes.show(question()), MessageAnswer::No);
    EXPECT_EQ(boxes.show(question()), MessageAnswer::Yes);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

}  // namespace
}  // namespace platform
