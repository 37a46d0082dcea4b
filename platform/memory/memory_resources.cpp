#include "platform/memory/memory_resources.h"

#include <algorithm>

#include "platform/text.h"

namespace platform {

MemoryResources::MemoryResources(std::map<int, std::wstring> strings,
                                 std::vector<std::wstring> bitmapNames)
    : strings_(std::move(strings)) {
    for (const auto& name : bitmapNames) {
        bitmapNames_.push_back(toLower(name));
    }
}

std::optional<std::wstring> MemoryResources::loadString(int number) {
    const auto it = strings_.find(number);
    if (it == strings_.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool MemoryResources::hasBitmap(const std::wstring& name) {
    return std::find(bitmapNames_.begin(), bitmapNames_.end(), toLower(name)) != bitmapNames_.end();
}

}  // namespace platform
