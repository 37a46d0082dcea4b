#pragma once

#include <optional>
#include <string>

namespace platform {

// The program's own resources: numbered strings and named bitmaps.
class Resources {
public:
    virtual ~Resources() = default;

    // The string of that number; nothing when the program has none.
    virtual std::optional<std::wstring> loadString(int number) = 0;
    // Whether a bitmap of that name (compared without regard to case) exists.
    virtual bool hasBitmap(const std::wstring& name) = 0;
};

}  // namespace platform
