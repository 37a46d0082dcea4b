#pragma once

#include "platform/modules.h"

namespace platform {

// Libraries through LoadLibraryW, GetProcAddress and FreeLibrary, with the
// system's normal search for names without a path.
class Win32Modules : public Modules {
public:
    ModuleHandle load(const std::wstring& name) override;
    EntryPoint entry(ModuleHandle module, const std::string& name) override;
    void release(ModuleHandle module) override;
};

// Takes the current directory out of the library search of this process, the
// rest of the search unchanged, so that a library of the same name planted in the
// working directory is never loaded. Called first thing at start-up; raises
// platform::Error when the system refuses.
void excludeCurrentDirectoryFromLibrarySearch();

}  // namespace platform
