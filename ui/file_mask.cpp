#include "ui/file_mask.h"

#include <cwctype>

#include "platform/text.h"

namespace ui {
namespace {

bool sameLetter(wchar_t a, wchar_t b) {
    return std::towupper(a) == std::towupper(b);
}

// "*" any run, "?" any one character; the last "*" seen is where a mismatch
// starts over, one character further on.
bool globMatches(const std::wstring& name, const std::wstring& mask) {
    size_t n = 0;
    size_t m = 0;
    size_t starMask = std::wstring::npos;
    size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == L'*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == L'?' || sameLetter(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (starMask != std::wstring::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == L'*') {
        ++m;
    }
    return m == mask.size();
}

bool endsWith(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::vector<std::wstring> splitMasks(const std::wstring& masks) {
    std::vector<std::wstring> result;
    size_t start = 0;
    while (start <= masks.size()) {
        size_t end = masks.find(L';', start);
        if (end == std::wstring::npos) {
            end = masks.size();
        }
        const std::wstring mask = platform::trim(masks.substr(start, end - start));
        if (!mask.empty()) {
            result.push_back(mask);
        }
        start = end + 1;
    }
    return result;
}

bool matchesMask(const std::wstring& name, const std::wstring& mask) {
    if (globMatches(name, mask)) {
        return true;
    }
    // "x.*" also matches a name without an extension; "x." only such a name.
    if (endsWith(mask, L".*")) {
        return globMatches(name, mask.substr(0, mask.size() - 2));
    }
    if (endsWith(mask, L".") && name.find(L'.') == std::wstring::npos) {
        return globMatches(name, mask.substr(0, mask.size() - 1));
    }
    return false;
}

bool matchesAnyMask(const std::wstring& name, const std::wstring& masks) {
    for (const auto& mask : splitMasks(masks)) {
        if (matchesMask(name, mask)) {
            return true;
        }
    }
    return false;
}

}  // namespace ui
