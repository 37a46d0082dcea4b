#include "platform/win32/win32_message_boxes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "tests/platform/message_boxes_contract.h"
#include "tests/win32/ui_driver.h"

namespace platform {
namespace contract {

// The system's boxes, answered by a watcher thread that reads each box off
// the screen as the user would see it and clicks the scripted button.
class Win32BoxesHarness {
public:
    Win32BoxesHarness() {
        owner_ = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    }
    ~Win32BoxesHarness() {
        if (watcher_.joinable()) {
            watcher_.join();
        }
        DestroyWindow(owner_);
    }

    MessageBoxes& boxes() { return boxes_; }

    void answerNextWith(MessageAnswer answer) {
        if (watcher_.joinable()) {
            watcher_.join();
        }
        watcher_ = std::thread([this, answer] {
            const auto view = uidriver::waitForMessageBox(GetCurrentProcessId());
            seen_ = translate(view);
            uidriver::answer(view, buttonId(answer));
        });
    }

    SeenBox seen() {
        watcher_.join();
        return seen_;
    }

    OwnerWindow owner() const { return reinterpret_cast<OwnerWindow>(owner_); }

private:
    static int buttonId(MessageAnswer answer) {
        switch (answer) {
            case MessageAnswer::Ok:
                return IDOK;
            case MessageAnswer::Cancel:
                return IDCANCEL;
            case MessageAnswer::Yes:
                return IDYES;
            case MessageAnswer::No:
                return IDNO;
        }
        return 0;
    }

    static MessageAnswer answerOf(int id) {
        for (const auto answer :
             {MessageAnswer::Ok, MessageAnswer::Cancel, MessageAnswer::Yes, MessageAnswer::No}) {
            if (buttonId(answer) == id) {
                return answer;
            }
        }
        ADD_FAILURE() << "unknown button id " << id;
        return MessageAnswer::Ok;
    }

    static MessageIcon iconOf(HICON icon) {
        const std::pair<const wchar_t*, MessageIcon> icons[] = {
            {IDI_HAND, MessageIcon::Error},
            {IDI_EXCLAMATION, MessageIcon::Warning},
            {IDI_ASTERISK, MessageIcon::Information},
            {IDI_QUESTION, MessageIcon::Question},
        };
        for (const auto& [name, kind] : icons) {
            if (icon != nullptr && icon == LoadIconW(nullptr, name)) {
                return kind;
            }
        }
        return MessageIcon::None;
    }

    static SeenBox translate(const uidriver::MessageBoxView& view) {
        SeenBox box;
        box.text = view.text;
        box.caption = view.caption;
        for (const int id : view.buttons) {
            box.buttons.push_back(answerOf(id));
        }
        box.defaultButton = answerOf(view.defaultButton);
        box.icon = iconOf(view.icon);
        box.systemModal = view.topmost;
        box.owner = reinterpret_cast<OwnerWindow>(view.owner);
        return box;
    }

    Win32MessageBoxes boxes_;
    HWND owner_ = nullptr;
    std::thread watcher_;
    SeenBox seen_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, MessageBoxesContract, Win32BoxesHarness);

}  // namespace contract
}  // namespace platform
