#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace cpl {
namespace test {

struct SeenMessageBox {
    std::wstring caption;
    std::wstring text;
    HWND owner = nullptr;

    bool operator==(const SeenMessageBox& other) const {
        return caption == other.caption && text == other.text && owner == other.owner;
    }
};

void PrintTo(const SeenMessageBox& box, std::ostream* out);

// Answers with OK every system message box that a watched process shows, and
// remembers each in the order they appeared. A message box is modal: the code
// that showed it waits inside it until it is answered, so without this a test
// would hang at the first one.
class MessageBoxWatcher {
public:
    // Watches this process from the start.
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    void watchProcess(DWORD processId);
    std::vector<SeenMessageBox> seen() const;

private:
    void run();
    HWND findMessageBox() const;
    void answer(HWND box);
    bool isWatched(DWORD processId) const;

    mutable std::mutex mutex_;
    std::vector<DWORD> processes_;
    std::vector<SeenMessageBox> seen_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

}  // namespace test
}  // namespace cpl
