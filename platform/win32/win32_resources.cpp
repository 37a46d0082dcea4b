#include "platform/win32/win32_resources.h"

#include <windows.h>

namespace platform {

Win32Resources::Win32Resources(void* module)
    : module_(module != nullptr ? module : GetModuleHandleW(nullptr)) {}

std::optional<std::wstring> Win32Resources::loadString(int number) {
    // With no buffer size, LoadStringW points into the resource itself, so texts of
    // any length come back whole.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(static_cast<HMODULE>(module_), static_cast<UINT>(number),
                                   reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr) {
        return std::nullopt;
    }
    return std::wstring(text, static_cast<size_t>(length));
}

bool Win32Resources::hasBitmap(const std::wstring& name) {
    return FindResourceW(static_cast<HMODULE>(module_), name.c_str(), RT_BITMAP) != nullptr;
}

}  // namespace platform
