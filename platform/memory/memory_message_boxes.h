#pragma once

#include <deque>
#include <vector>

#include "platform/message_boxes.h"

namespace platform {

// Message boxes for tests: every box shown is recorded, and each is answered by
// the next scripted answer. A box with no answer left raises ScriptError, naming
// its caption and text. An answer that is not one of the box's buttons is a
// ScriptError too.
class MemoryMessageBoxes : public MessageBoxes {
public:
    MessageAnswer show(const MessageBoxRequest& box) override;

    void answerNext(MessageAnswer answer) { answers_.push_back(answer); }
    size_t unusedAnswers() const { return answers_.size(); }
    // Every box shown, oldest first.
    const std::vector<MessageBoxRequest>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

private:
    std::deque<MessageAnswer> answers_;
    std::vector<MessageBoxRequest> shown_;
};

}  // namespace platform
