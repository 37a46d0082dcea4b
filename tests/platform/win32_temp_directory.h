#pragma once

// A directory of its own for one test under Wine, removed with everything in it
// when the test ends.

#include <windows.h>

#include <stdexcept>
#include <string>

#include "platform/file_system.h"
#include "platform/win32/win32_file_system.h"

namespace platform::test_support {

class TempDirectory {
public:
    TempDirectory() {
        static int made = 0;
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, base);
        path_ = joinPath(base, L"tarvex-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                   std::to_wstring(++made));
        removeTree(path_);
        if (!CreateDirectoryW(path_.c_str(), nullptr)) {
            throw std::runtime_error("cannot make a temporary directory");
        }
    }
    ~TempDirectory() { removeTree(path_); }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::wstring& path() const { return path_; }

    // relative: below this directory; parents must exist.
    std::wstring makeDirectory(const std::wstring& relative) const {
        const auto full = joinPath(path_, relative);
        CreateDirectoryW(full.c_str(), nullptr);
        return full;
    }

    std::wstring writeFile(const std::wstring& relative, const std::string& bytes) const {
        const auto full = joinPath(path_, relative);
        HANDLE file = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            throw std::runtime_error("cannot write a test file");
        }
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        return full;
    }

private:
    static void removeTree(const std::wstring& directory) {
        Win32FileSystem files;
        for (const auto& name : files.subdirectories(directory)) {
            removeTree(joinPath(directory, name));
        }
        for (const auto& name : files.files(directory)) {
            DeleteFileW(joinPath(directory, name).c_str());
        }
        RemoveDirectoryW(directory.c_str());
    }

    std::wstring path_;
};

}  // namespace platform::test_support
