#pragma once

// A headless application with scripted message boxes, and an event log that
// tests compare with the sequence they expect.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/memory_message_boxes.h"
#include "platform/text.h"
#include "ui/application.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/headless_backend.h"

namespace ui::testing {

class EventLog {
public:
    void add(const std::string& entry) { entries_.push_back(entry); }
    // A handler that logs "<control> <event>".
    Control::Event logs(const std::string& event) {
        return
            [this, event](Control& sender) { add(platform::toUtf8(sender.name()) + " " + event); };
    }
    Control::MouseEvent logsMouse(const std::string& event) {
        return [this, event](Control& sender, MouseButton, ShiftState, int, int) {
            add(platform::toUtf8(sender.name()) + " " + event);
        };
    }
    // Every event of the control that all controls have, logged.
    void watch(Control& control) {
        control.onClick = logs("click");
        control.onDblClick = logs("dblclick");
        control.onEnter = logs("enter");
        control.onExit = logs("exit");
        control.onMouseDown = logsMouse("mousedown");
        control.onMouseUp = logsMouse("mouseup");
    }
    // The entries since the last take, which forgets them.
    std::vector<std::string> take() {
        auto taken = std::move(entries_);
        entries_.clear();
        return taken;
    }
    const std::vector<std::string>& entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
};

// An application whose main form "frmTest" is built by each test.
class HeadlessUi : public ::testing::Test {
protected:
    HeadlessUi() : application(backend, boxes), form(application, L"frmTest") {
        application.setTitle(L"Test Program");
        form.setClientSize(536, 384);
    }

    void TearDown() override {
        EXPECT_EQ(boxes.unusedAnswers(), 0u) << "a scripted answer was never asked for";
        EXPECT_EQ(backend.unusedModalScripts(), 0u) << "a modal script never ran";
    }

    HeadlessBackend backend;
    platform::MemoryMessageBoxes boxes;
    Application application;
    Form form;
    EventLog log;
};

}  // namespace ui::testing
