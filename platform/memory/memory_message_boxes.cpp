#include "platform/memory/memory_message_boxes.h"

#include <algorithm>

#include "platform/memory/script_error.h"
#include "platform/text.h"

namespace platform {
namespace {

std::string describe(const MessageBoxRequest& box) {
    return "\"" + toUtf8(box.caption) + "\": \"" + toUtf8(box.text) + "\"";
}

}  // namespace

MessageAnswer MemoryMessageBoxes::show(const MessageBoxRequest& box) {
    effectiveDefault(box);
    shown_.push_back(box);
    if (answers_.empty()) {
        throw ScriptError("a message box appeared with no answer scripted: " + describe(box));
    }
    const MessageAnswer answer = answers_.front();
    answers_.pop_front();
    const auto buttons = buttonsOf(box.buttons);
    if (std::find(buttons.begin(), buttons.end(), answer) == buttons.end()) {
        throw ScriptError("the scripted answer " + toUtf8(answerName(answer)) +
                          " is not a button of the message box " + describe(box));
    }
    return answer;
}

}  // namespace platform
