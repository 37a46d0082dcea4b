#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>

#include "platform/text.h"

namespace platform {
namespace {

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;

DWORD attributesOf(const std::wstring& path) {
    return GetFileAttributesW(path.c_str());
}

std::vector<std::wstring> listDirectory(const std::wstring& directory, bool directories) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(joinPath(directory, L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring name = found.cFileName;
        const bool isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isDirectory == directories && name != L"." && name != L"..") {
            names.push_back(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    sortNamesWithoutCase(names);
    return names;
}

class Win32ByteReader : public ByteReader {
public:
    explicit Win32ByteReader(HANDLE file) : file_(file) {}
    ~Win32ByteReader() override { CloseHandle(file_); }
    Win32ByteReader(const Win32ByteReader&) = delete;
    Win32ByteReader& operator=(const Win32ByteReader&) = delete;

    size_t read(uint8_t* buffer, size_t size) override {
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(std::min<size_t>(size, MAXDWORD));
        if (!ReadFile(file_, buffer, wanted, &got, nullptr)) {
            return 0;
        }
        return got;
    }

private:
    HANDLE file_;
};

}  // namespace

std::vector<std::wstring> Win32FileSystem::drives() {
    std::vector<std::wstring> roots;
    const DWORD needed = GetLogicalDriveStringsW(0, nullptr);
    std::wstring buffer(needed + 1, L'\0');
    const DWORD length = GetLogicalDriveStringsW(static_cast<DWORD>(buffer.size()), buffer.data());
    for (size_t start = 0; start < length;) {
        const size_t end = buffer.find(L'\0', start);
        roots.push_back(toUpper(buffer.substr(start, end - start)));
        start = end + 1;
    }
    std::sort(roots.begin(), roots.end());
    return roots;
}

bool Win32FileSystem::directoryExists(const std::wstring& path) {
    const DWORD attributes = attributesOf(path);
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::fileExists(const std::wstring& path) {
    const DWORD attributes = attributesOf(path);
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::vector<std::wstring> Win32FileSystem::subdirectories(const std::wstring& directory) {
    return listDirectory(directory, true);
}

std::vector<std::wstring> Win32FileSystem::files(const std::wstring& directory) {
    return listDirectory(directory, false);
}

std::unique_ptr<ByteReader> Win32FileSystem::openRead(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return nullptr;
    }
    return std::make_unique<Win32ByteReader>(file);
}

}  // namespace platform
