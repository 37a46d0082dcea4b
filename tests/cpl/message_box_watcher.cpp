#include "tests/cpl/message_box_watcher.h"

#include <algorithm>
#include <chrono>

#include "tests/cpl/wait.h"

namespace cpl {
namespace test {
namespace {

// How the system builds a message box: a dialog of the standard dialog class
// whose text is the static control with this id.
constexpr wchar_t kDialogClass[] = L"#32770";
constexpr int kMessageTextId = 0xFFFF;
constexpr int kClassNameCapacity = 16;

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool isDialog(HWND window) {
    wchar_t className[kClassNameCapacity] = {};
    GetClassNameW(window, className, kClassNameCapacity);
    return std::wstring_view(className) == kDialogClass;
}

}  // namespace

void PrintTo(const SeenMessageBox& box, std::ostream* out) {
    *out << "{caption \"" << std::string(box.caption.begin(), box.caption.end()) << "\", text \""
         << std::string(box.text.begin(), box.text.end()) << "\", owner " << box.owner << "}";
}

MessageBoxWatcher::MessageBoxWatcher() : processes_{GetCurrentProcessId()} {
    thread_ = std::thread([this] { run(); });
}

MessageBoxWatcher::~MessageBoxWatcher() {
    stopping_ = true;
    thread_.join();
}

void MessageBoxWatcher::watchProcess(DWORD processId) {
    std::lock_guard<std::mutex> lock(mutex_);
    processes_.push_back(processId);
}

std::vector<SeenMessageBox> MessageBoxWatcher::seen() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
}

bool MessageBoxWatcher::isWatched(DWORD processId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::find(processes_.begin(), processes_.end(), processId) != processes_.end();
}

void MessageBoxWatcher::run() {
    while (!stopping_) {
        if (const HWND box = findMessageBox()) {
            answer(box);
        } else {
            pause();
        }
    }
}

HWND MessageBoxWatcher::findMessageBox() const {
    struct Search {
        const MessageBoxWatcher* watcher;
        HWND found;
    } search{this, nullptr};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(context);
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            if (IsWindowVisible(window) && isDialog(window) &&
                search.watcher->isWatched(processId)) {
                search.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void MessageBoxWatcher::answer(HWND box) {
    SeenMessageBox seen;
    seen.caption = windowText(box);
    seen.text = windowText(GetDlgItem(box, kMessageTextId));
    seen.owner = GetWindow(box, GW_OWNER);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(seen);
    }
    PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    // Until it is gone it would be found, and counted, again.
    waitUntil([box] { return !IsWindow(box); });
}

}  // namespace test
}  // namespace cpl
