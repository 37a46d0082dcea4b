#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <algorithm>

#include "platform/errors.h"

namespace platform {
namespace {

// Room for any settings value without a second call.
constexpr size_t kFirstReadBytes = 1024;

HKEY rootHandle(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::wstring systemMessage(LSTATUS status) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text =
        length > 0 ? std::wstring(buffer, length) : L"error " + std::to_wstring(status);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return text;
}

[[noreturn]] void fail(const std::wstring& what, LSTATUS status) {
    throw RegistryError(what + L": " + systemMessage(status));
}

class Win32RegistryKey : public RegistryKey {
public:
    Win32RegistryKey(HKEY handle, std::wstring name) : handle_(handle), name_(std::move(name)) {}
    ~Win32RegistryKey() override {
        if (handle_ != nullptr) {
            RegCloseKey(handle_);
        }
    }

    bool hasValue(const std::wstring& name) override {
        return RegQueryValueExW(live(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
    }

    bool deleteValue(const std::wstring& name) override {
        const LSTATUS status = RegDeleteValueW(live(), name.c_str());
        if (status == ERROR_FILE_NOT_FOUND) {
            return false;
        }
        if (status != ERROR_SUCCESS) {
            fail(L"Failed to delete " + name_ + L"\\" + name, status);
        }
        written_ = true;
        return true;
    }

    std::vector<std::wstring> valueNames() override {
        return enumerate([this](DWORD index, wchar_t* buffer, DWORD* length) {
            return RegEnumValueW(live(), index, buffer, length, nullptr, nullptr, nullptr, nullptr);
        });
    }

    std::vector<std::wstring> subkeyNames() override {
        return enumerate([this](DWORD index, wchar_t* buffer, DWORD* length) {
            return RegEnumKeyExW(live(), index, buffer, length, nullptr, nullptr, nullptr, nullptr);
        });
    }

    std::optional<RegistryValue> readValue(const std::wstring& name) override {
        // One call reads a value that fits the first buffer, as the settings
        // do; a larger one, or one that grew meanwhile, is asked for again at
        // the size the call reported.
        RegistryValue value;
        value.data.resize(kFirstReadBytes);
        for (;;) {
            DWORD type = 0;
            auto size = static_cast<DWORD>(value.data.size());
            const LSTATUS status =
                RegQueryValueExW(live(), name.c_str(), nullptr, &type, value.data.data(), &size);
            if (status == ERROR_FILE_NOT_FOUND) {
                return std::nullopt;
            }
            if (status == ERROR_MORE_DATA) {
                value.data.resize(std::max<size_t>(size, value.data.size() * 2));
                continue;
            }
            if (status != ERROR_SUCCESS) {
                fail(L"Failed to read " + name_ + L"\\" + name, status);
            }
            value.data.resize(size);
            value.type = type;
            return value;
        }
    }

    void writeValue(const std::wstring& name, const RegistryValue& value) override {
        const LSTATUS status =
            RegSetValueExW(live(), name.c_str(), 0, value.type, value.data.data(),
                           static_cast<DWORD>(value.data.size()));
        if (status != ERROR_SUCCESS) {
            fail(L"Failed to set data for '" + name + L"'", status);
        }
        written_ = true;
    }

    KeyStamp stamp() override {
        DWORD values = 0;
        FILETIME written{};
        const LSTATUS status =
            RegQueryInfoKeyW(live(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values,
                             nullptr, nullptr, nullptr, &written);
        if (status != ERROR_SUCCESS) {
            fail(L"Failed to query " + name_, status);
        }
        constexpr int kHighPartShift = 32;
        return {(static_cast<uint64_t>(written.dwHighDateTime) << kHighPartShift) |
                    written.dwLowDateTime,
                values};
    }

    // A flush stalls the whole hive on Windows, so a key only read closes
    // without one.
    void close() override {
        const LSTATUS flushed = written_ ? RegFlushKey(live()) : ERROR_SUCCESS;
        RegCloseKey(handle_);
        handle_ = nullptr;
        if (flushed != ERROR_SUCCESS) {
            fail(L"Failed to flush " + name_, flushed);
        }
    }

private:
    HKEY live() const {
        if (handle_ == nullptr) {
            throw RegistryError(L"Key " + name_ + L" is closed");
        }
        return handle_;
    }

    template <typename Enumerator>
    std::vector<std::wstring> enumerate(Enumerator next) {
        std::vector<std::wstring> names;
        std::wstring buffer(16384, L'\0');  // the longest name the registry allows
        for (DWORD index = 0;; ++index) {
            DWORD length = static_cast<DWORD>(buffer.size());
            const LSTATUS status = next(index, buffer.data(), &length);
            if (status == ERROR_NO_MORE_ITEMS) {
                return names;
            }
            if (status != ERROR_SUCCESS) {
                fail(L"Failed to list " + name_, status);
            }
            names.emplace_back(buffer.data(), length);
        }
    }

    HKEY handle_;
    std::wstring name_;
    bool written_ = false;
};

std::wstring keyName(RegistryRoot root, const std::wstring& path) {
    return rootName(root) + (path.empty() ? L"" : L"\\" + path);
}

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::open(RegistryRoot root, const std::wstring& path) {
    HKEY handle = nullptr;
    LSTATUS status =
        RegOpenKeyExW(rootHandle(root), path.c_str(), 0, KEY_READ | KEY_WRITE, &handle);
    if (status == ERROR_ACCESS_DENIED) {
        status = RegOpenKeyExW(rootHandle(root), path.c_str(), 0, KEY_READ, &handle);
    }
    if (status == ERROR_FILE_NOT_FOUND) {
        return nullptr;
    }
    if (status != ERROR_SUCCESS) {
        fail(L"Failed to open " + keyName(root, path), status);
    }
    return std::make_unique<Win32RegistryKey>(handle, keyName(root, path));
}

std::unique_ptr<RegistryKey> Win32Registry::create(RegistryRoot root, const std::wstring& path) {
    HKEY handle = nullptr;
    const LSTATUS status =
        RegCreateKeyExW(rootHandle(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, &handle, nullptr);
    if (status != ERROR_SUCCESS) {
        fail(L"Failed to create " + keyName(root, path), status);
    }
    return std::make_unique<Win32RegistryKey>(handle, keyName(root, path));
}

bool Win32Registry::deleteKey(RegistryRoot root, const std::wstring& path) {
    if (path.empty()) {
        return false;
    }
    const LSTATUS status = RegDeleteTreeW(rootHandle(root), path.c_str());
    if (status == ERROR_FILE_NOT_FOUND) {
        return false;
    }
    if (status != ERROR_SUCCESS) {
        fail(L"Failed to delete " + keyName(root, path), status);
    }
    return true;
}

}  // namespace platform
