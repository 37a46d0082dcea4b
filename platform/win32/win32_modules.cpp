#include "platform/win32/win32_modules.h"

#include <windows.h>

#include "platform/errors.h"

namespace platform {

ModuleHandle Win32Modules::load(const std::wstring& name) {
    return reinterpret_cast<ModuleHandle>(LoadLibraryW(name.c_str()));
}

EntryPoint Win32Modules::entry(ModuleHandle module, const std::string& name) {
    if (module == kNoModule) {
        return nullptr;
    }
    return reinterpret_cast<EntryPoint>(
        GetProcAddress(reinterpret_cast<HMODULE>(module), name.c_str()));
}

void Win32Modules::release(ModuleHandle module) {
    if (module != kNoModule) {
        FreeLibrary(reinterpret_cast<HMODULE>(module));
    }
}

void excludeCurrentDirectoryFromLibrarySearch() {
    // A library directory takes the current directory's place in the search order.
    // It is the system directory, searched anyway, because Wine, unlike Windows,
    // keeps the current directory when given an empty one.
    wchar_t systemDirectory[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryW(systemDirectory, MAX_PATH);
    if (length == 0 || length > MAX_PATH || !SetDllDirectoryW(systemDirectory)) {
        throw Error(L"Cannot take the current directory out of the library search");
    }
}

}  // namespace platform
