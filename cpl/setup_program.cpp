#include "cpl/setup_program.h"

#include <windows.h>

#include <cwchar>

#include "cpl/applet_library.h"
#include "cpl/search_path.h"

namespace cpl {
namespace {

constexpr wchar_t kSetupProgramFile[] = L"tarvex.exe";
// Only the machine's own registrations: a user's could point anywhere.
constexpr wchar_t kRegisteredPathKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\tarvex.exe";
constexpr wchar_t kDriverKey[] = L"SOFTWARE\\Orvane";
constexpr wchar_t kInstallDirectoryValue[] = L"Orvane Directory";

// A string value of HKEY_LOCAL_MACHINE; an expandable one comes expanded (and
// passes as a plain string). Empty when missing, of another type or unreadable.
std::wstring machineString(const wchar_t* key, const wchar_t* value) {
    constexpr DWORD kStrings = RRF_RT_REG_SZ;
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        auto bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status =
            RegGetValueW(HKEY_LOCAL_MACHINE, key, value, kStrings, nullptr, text.data(), &bytes);
        if (status == ERROR_SUCCESS) {
            text.resize(wcsnlen(text.c_str(), text.size()));
            return text;
        }
        if (status != ERROR_MORE_DATA) {
            return {};
        }
        text.resize(bytes / sizeof(wchar_t) + 1);
    }
}

bool fileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

std::wstring findSetupProgram() {
    return firstExistingFile(
        {findWithoutCurrentDirectory(kSetupProgramFile),
         unquotedPath(machineString(kRegisteredPathKey, nullptr)),
         pathInDirectory(machineString(kDriverKey, kInstallDirectoryValue), kSetupProgramFile)},
        fileExists);
}

}  // namespace cpl
