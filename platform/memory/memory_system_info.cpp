#include "platform/memory/memory_system_info.h"

#include "platform/text.h"

namespace platform {
namespace {

constexpr wchar_t kReferenceMark = L'%';

}  // namespace

std::wstring MemorySystemInfo::expandEnvironment(const std::wstring& text) {
    std::wstring expanded;
    size_t at = 0;
    while (at < text.size()) {
        const size_t open = text.find(kReferenceMark, at);
        const size_t close =
            open == std::wstring::npos ? std::wstring::npos : text.find(kReferenceMark, open + 1);
        if (close == std::wstring::npos) {
            expanded += text.substr(at);
            break;
        }
        expanded += text.substr(at, open - at);
        const auto reference = text.substr(open, close - open + 1);
        const auto variable = environment.find(toUpper(reference.substr(1, reference.size() - 2)));
        expanded += variable == environment.end() ? reference : variable->second;
        at = close + 1;
    }
    return expanded;
}

}  // namespace platform
