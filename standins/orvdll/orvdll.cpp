// Stand-in for the driver utility library: SendUtilMessage(1, 137) makes it
// reread the driver's settings as the driver would, and every call is written to
// a journal (see journal.h for its format).
//
// Environment, read when the library is loaded:
//   ORVDLL_JOURNAL     the journal file; by default Orvdll-journal.txt beside the library
//   ORVDLL_COUNT_ONLY  when set to 1, calls are only counted (for benchmarks);
//                      UtilMessageCount() tells how many there were

#include <windows.h>

#include <string>
#include <type_traits>

#include "platform/errors.h"
#include "platform/text.h"
#include "platform/win32/win32_registry.h"
#include "setup/driver/driver_link.h"
#include "standins/orvdll/journal.h"

// The version stamp the about page shows for this library: 2.1.
extern "C" __attribute__((used))
const unsigned char orvdllVersionStamp[] = {'1', '3', '7', 'V', 'E', 'R', 'S', 'I', 'O', 'N', 2, 1};

namespace {

constexpr int kRereadSettings = 1;
constexpr int kDriverMagic = 137;

std::wstring journalPath;
bool countOnly = false;
long calls = 0;

std::wstring environment(const wchar_t* name) {
    wchar_t buffer[MAX_PATH * 2] = {};
    const DWORD length = GetEnvironmentVariableW(name, buffer, MAX_PATH * 2);
    return length > 0 && length < MAX_PATH * 2 ? std::wstring(buffer, length) : std::wstring();
}

std::wstring defaultJournalPath(HMODULE self) {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(self, path, MAX_PATH);
    std::wstring directory = path;
    return directory.substr(0, directory.find_last_of(L'\\') + 1) + L"Orvdll-journal.txt";
}

void append(const std::wstring& line) {
    const std::string bytes = platform::toUtf8(line + L"\r\n");
    HANDLE file =
        CreateFileW(journalPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void journalCall(int first, int second) {
    std::vector<standins::JournalField> fields{
        {L"call", std::to_wstring(calls)},
        {L"process", std::to_wstring(GetCurrentProcessId())},
        {L"first", std::to_wstring(first)},
        {L"second", std::to_wstring(second)},
    };
    if (first == kRereadSettings && second == kDriverMagic) {
        try {
            platform::Win32Registry registry;
            const auto read = standins::rereadDriverSettings(registry);
            fields.insert(fields.end(), read.begin(), read.end());
        } catch (const platform::Error& error) {
            fields.push_back({L"error", error.message()});
        }
    }
    append(standins::formatJournalLine(fields));
}

}  // namespace

extern "C" __declspec(dllexport) int SendUtilMessage(int first, int second) {
    ++calls;
    if (!countOnly) {
        try {
            journalCall(first, second);
        } catch (...) {
            // Nothing may escape into the caller, which never reads the result.
        }
    }
    return 0;
}

// Exported exactly as the program calls it.
static_assert(std::is_same_v<decltype(SendUtilMessage), setup::SendUtilMessageFunction>);

extern "C" __declspec(dllexport) long UtilMessageCount() {
    return calls;
}

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        journalPath = environment(L"ORVDLL_JOURNAL");
        if (journalPath.empty()) {
            journalPath = defaultJournalPath(self);
        }
        countOnly = environment(L"ORVDLL_COUNT_ONLY") == L"1";
    }
    return TRUE;
}
