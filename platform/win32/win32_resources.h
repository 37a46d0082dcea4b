#pragma once

#include "platform/resources.h"

namespace platform {

// The resources of a loaded module (by default the program's own file).
class Win32Resources : public Resources {
public:
    // module: an HMODULE; nullptr for the program's own file.
    explicit Win32Resources(void* module = nullptr);

    std::optional<std::wstring> loadString(int number) override;
    bool hasBitmap(const std::wstring& name) override;

private:
    void* module_;
};

}  // namespace platform
