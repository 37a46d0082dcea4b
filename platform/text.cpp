#include "platform/text.h"

#include <cstdint>

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence starting at pos; malformed input yields U+FFFD and
// consumes one byte so that decoding always moves on.
char32_t decodeUtf8(std::string_view in, size_t& pos) {
    const auto lead = static_cast<unsigned char>(in[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t code = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        code = lead & 0x07;
    } else {
        return kReplacement;
    }
    if (pos + extra > in.size()) {
        return kReplacement;
    }
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<unsigned char>(in[pos + i]);
        if ((next & 0xC0) != 0x80) {
            return kReplacement;
        }
        code = (code << 6) | (next & 0x3F);
    }
    pos += extra;
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return kReplacement;
    }
    return code;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Case pairs the program needs beyond ASCII: Latin-1, Greek and Cyrillic letters,
// where upper and lower case lie a fixed distance apart.
wchar_t upperOf(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ||
        (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) || (c >= 0x430 && c <= 0x44F)) {
        return static_cast<wchar_t>(c - 0x20);
    }
    if (c >= 0x450 && c <= 0x45F) {
        return static_cast<wchar_t>(c - 0x50);
    }
    return c;
}

wchar_t lowerOf(wchar_t c) {
    if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
        (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) {
        return static_cast<wchar_t>(c + 0x20);
    }
    if (c >= 0x400 && c <= 0x40F) {
        return static_cast<wchar_t>(c + 0x50);
    }
    return c;
}

std::optional<int> digitValue(wchar_t c, int base) {
    int value = -1;
    if (c >= L'0' && c <= L'9') {
        value = c - L'0';
    } else if (c >= L'a' && c <= L'f') {
        value = c - L'a' + 10;
    } else if (c >= L'A' && c <= L'F') {
        value = c - L'A' + 10;
    }
    if (value < 0 || value >= base) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> parseInBase(std::wstring_view text, int base) {
    if (text.empty()) {
        return std::nullopt;
    }
    int64_t result = 0;
    for (const wchar_t c : text) {
        const auto digit = digitValue(c, base);
        if (!digit) {
            return std::nullopt;
        }
        result = result * base + *digit;
        if (result > INT32_MAX) {
            return std::nullopt;
        }
    }
    return static_cast<int>(result);
}

std::wstring padded(std::wstring digits, int width) {
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, width - digits.size(), L'0');
    }
    return digits;
}

}  // namespace

std::wstring fromUtf8(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t code = decodeUtf8(utf8, pos);
        if (code >= 0x10000) {
            const char32_t offset = code - 0x10000;
            out += static_cast<wchar_t>(0xD800 + (offset >> 10));
            out += static_cast<wchar_t>(0xDC00 + (offset & 0x3FF));
        } else {
            out += static_cast<wchar_t>(code);
        }
    }
    return out;
}

std::string toUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto unit = static_cast<char32_t>(text[i]) & 0xFFFF;
        if (isHighSurrogate(unit) && i + 1 < text.size() &&
            isLowSurrogate(static_cast<char32_t>(text[i + 1]) & 0xFFFF)) {
            const auto low = static_cast<char32_t>(text[++i]) & 0xFFFF;
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::wstring fromLatin1(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        out += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    return out;
}

std::wstring trim(std::wstring_view text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && text[first] <= L' ') {
        ++first;
    }
    while (last > first && text[last - 1] <= L' ') {
        --last;
    }
    return std::wstring(text.substr(first, last - first));
}

std::wstring toUpper(std::wstring_view text) {
    std::wstring out(text);
    for (auto& c : out) {
        c = upperOf(c);
    }
    return out;
}

std::wstring toLower(std::wstring_view text) {
    std::wstring out(text);
    for (auto& c : out) {
        c = lowerOf(c);
    }
    return out;
}

std::wstring part(const std::wstring& text, size_t start, size_t count) {
    return start >= text.size() ? std::wstring() : text.substr(start, count);
}

std::optional<int> parseDecimal(std::wstring_view text) {
    return parseInBase(text, 10);
}

std::optional<int> parseHex(std::wstring_view text) {
    return parseInBase(text, 16);
}

std::wstring breakIntoLines(const std::wstring& text, size_t width) {
    std::wstring lines;
    for (size_t start = 0; start < text.size(); start += width) {
        if (start > 0) {
            lines += L'\n';
        }
        lines += text.substr(start, width);
    }
    return lines;
}

std::wstring zeroPadded(int value, int width) {
    if (value < 0) {
        return L"-" + padded(std::to_wstring(-static_cast<int64_t>(value)), width - 1);
    }
    return padded(std::to_wstring(value), width);
}

std::wstring lowerHex(int value, int width) {
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    auto bits = static_cast<uint32_t>(value);
    std::wstring digits;
    do {
        digits.insert(digits.begin(), kDigits[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    return padded(digits, width);
}

}  // namespace platform
