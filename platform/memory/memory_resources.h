#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/resources.h"

namespace platform {

// Resources given as tables, such as the program's own string and bitmap lists.
class MemoryResources : public Resources {
public:
    MemoryResources(std::map<int, std::wstring> strings, std::vector<std::wstring> bitmapNames);

    std::optional<std::wstring> loadString(int number) override;
    bool hasBitmap(const std::wstring& name) override;

private:
    std::map<int, std::wstring> strings_;
    std::vector<std::wstring> bitmapNames_;  // in lower case
};

}  // namespace platform
