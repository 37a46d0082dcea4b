#include "platform/reg_file.h"

#include <algorithm>
#include <memory>

#include "platform/errors.h"
#include "platform/text.h"

namespace platform {
namespace {

const std::wstring kHeader4 = L"REGEDIT4";
const std::wstring kHeader5 = L"Windows Registry Editor Version 5.00";
constexpr size_t kHexLineWidth = 80;

bool isValidUtf8(std::string_view bytes) { return toUtf8(fromUtf8(bytes)) == bytes; }

std::vector<std::wstring> splitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    std::wstring line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            lines.push_back(line);
            line.clear();
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
                ++i;
            }
        } else {
            line += text[i];
        }
    }
    if (!line.empty()) {
        lines.push_back(line);
    }
    return lines;
}

std::wstring trimRight(std::wstring text) {
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) {
        text.pop_back();
    }
    return text;
}

size_t skipBlanks(const std::wstring& text, size_t pos) {
    while (pos < text.size() && (text[pos] == L' ' || text[pos] == L'\t')) {
        ++pos;
    }
    return pos;
}

// Reads a quoted string starting at pos (on its opening quote); leaves pos after
// the closing quote. False when the quote is not closed.
bool readQuoted(const std::wstring& text, size_t& pos, std::wstring& out) {
    out.clear();
    for (++pos; pos < text.size(); ++pos) {
        const wchar_t c = text[pos];
        if (c == L'"') {
            ++pos;
            return true;
        }
        if (c == L'\\' && pos + 1 < text.size()) {
            const wchar_t next = text[++pos];
            out += next == L'n' ? L'\n' : next == L'r' ? L'\r' : next == L'0' ? L'\0' : next;
        } else {
            out += c;
        }
    }
    return false;
}

bool readHexBytes(const std::wstring& text, std::vector<uint8_t>& out) {
    size_t pos = 0;
    while (true) {
        pos = skipBlanks(text, pos);
        if (pos >= text.size()) {
            return true;
        }
        size_t end = pos;
        while (end < text.size() && text[end] != L',' && text[end] != L' ' && text[end] != L'\t') {
            ++end;
        }
        const auto byte = parseHex(text.substr(pos, end - pos));
        if (!byte || *byte > 0xFF || end - pos > 2) {
            return false;
        }
        out.push_back(static_cast<uint8_t>(*byte));
        pos = skipBlanks(text, end);
        if (pos < text.size()) {
            if (text[pos] != L',') {
                return false;
            }
            ++pos;
        }
    }
}

bool isTextType(uint32_t type) {
    return type == kRegString || type == kRegExpandString || type == kRegMultiString;
}

// REGEDIT4 keeps the text of typed hex values as 8-bit characters; the registry
// keeps them as UTF-16LE.
std::vector<uint8_t> widenBytes(const std::vector<uint8_t>& narrow) {
    std::vector<uint8_t> wide;
    for (const uint8_t b : narrow) {
        wide.push_back(b);
        wide.push_back(0);
    }
    return wide;
}

std::vector<uint8_t> narrowBytes(const std::vector<uint8_t>& wide) {
    std::vector<uint8_t> narrow;
    for (size_t i = 0; i + 1 < wide.size(); i += 2) {
        narrow.push_back(wide[i + 1] == 0 ? wide[i] : '?');
    }
    return narrow;
}

// Parses the data after "=", into op; returns an error message or empty.
std::wstring parseData(const std::wstring& data, RegFormat format, RegOperation& op) {
    if (data == L"-") {
        op.kind = RegOperation::kDeleteValue;
        return L"";
    }
    op.kind = RegOperation::kSetValue;
    if (!data.empty() && data[0] == L'"') {
        size_t pos = 0;
        std::wstring text;
        if (!readQuoted(data, pos, text)) {
            return L"unterminated string";
        }
        pos = skipBlanks(data, pos);
        if (pos < data.size() && data[pos] != L';') {
            return L"text after the string";
        }
        op.value = RegistryValue::ofString(text);
        return L"";
    }
    if (data.compare(0, 6, L"dword:") == 0) {
        const auto digits = trimRight(data.substr(6));
        if (digits.empty() || digits.size() > 8) {
            return L"bad dword";
        }
        uint32_t number = 0;
        for (const wchar_t c : digits) {
            const auto digit = parseHex(std::wstring(1, c));
            if (!digit) {
                return L"bad dword";
            }
            number = number * 16 + static_cast<uint32_t>(*digit);
        }
        op.value.type = kRegDword;
        for (int i = 0; i < 4; ++i) {
            op.value.data.push_back(static_cast<uint8_t>((number >> (8 * i)) & 0xFF));
        }
        return L"";
    }
    if (data.compare(0, 3, L"hex") == 0) {
        size_t pos = 3;
        uint32_t type = kRegBinary;
        if (pos < data.size() && data[pos] == L'(') {
            const auto close = data.find(L')', pos);
            const auto number =
                close == std::wstring::npos ? std::nullopt : parseHex(data.substr(pos + 1, close - pos - 1));
            if (!number) {
                return L"bad value type";
            }
            type = static_cast<uint32_t>(*number);
            pos = close + 1;
        }
        if (pos >= data.size() || data[pos] != L':') {
            return L"bad hex value";
        }
        std::vector<uint8_t> bytes;
        if (!readHexBytes(data.substr(pos + 1), bytes)) {
            return L"bad hex value";
        }
        op.value.type = type;
        op.value.data = format == RegFormat::Regedit4 && isTextType(type) ? widenBytes(bytes) : bytes;
        return L"";
    }
    return L"unknown value format";
}

// Splits "HKEY_...\path" into root and path; false for a root we do not keep.
bool parseKeyName(const std::wstring& name, RegOperation& op) {
    const auto slash = name.find(L'\\');
    const auto root = rootFromName(toUpper(name.substr(0, slash)));
    if (!root) {
        return false;
    }
    op.root = *root;
    op.path = slash == std::wstring::npos ? L"" : name.substr(slash + 1);
    while (!op.path.empty() && op.path.back() == L'\\') {
        op.path.pop_back();
    }
    return true;
}

class Parser {
public:
    explicit Parser(const std::wstring& text) : lines_(splitLines(text)) {}

    ParsedRegFile run() {
        result_.hasHeader = readHeader();
        if (!result_.hasHeader) {
            result_.problems.push_back({1, L"not a registry file: the header is missing"});
            return result_;
        }
        while (index_ < lines_.size()) {
            const int lineNumber = static_cast<int>(index_) + 1;
            const auto line = logicalLine();
            parseLine(line, lineNumber);
        }
        return result_;
    }

private:
    bool readHeader() {
        while (index_ < lines_.size() && trimRight(lines_[index_]).empty()) {
            ++index_;
        }
        if (index_ >= lines_.size()) {
            return false;
        }
        auto header = trimRight(lines_[index_]);
        if (!header.empty() && header[0] == 0xFEFF) {
            header.erase(0, 1);
        }
        ++index_;
        if (header == kHeader4) {
            result_.format = RegFormat::Regedit4;
            return true;
        }
        result_.format = RegFormat::Regedit5;
        return header == kHeader5;
    }

    // One line, joined with its continuations when it ends in a backslash
    // (only hex data is continued this way).
    std::wstring logicalLine() {
        std::wstring line = trimRight(lines_[index_++]);
        while (!line.empty() && line.back() == L'\\' && line.find(L"=hex") != std::wstring::npos &&
               index_ < lines_.size()) {
            line.pop_back();
            const auto& next = lines_[index_++];
            line += trimRight(next.substr(skipBlanks(next, 0)));
        }
        return line;
    }

    void parseLine(const std::wstring& line, int lineNumber) {
        const size_t start = skipBlanks(line, 0);
        if (start >= line.size() || line[start] == L';') {
            return;
        }
        if (line[start] == L'[') {
            parseKeyLine(line.substr(start), lineNumber);
        } else if (line[start] == L'"' || line[start] == L'@') {
            parseValueLine(line.substr(start), lineNumber);
        } else {
            problem(lineNumber, L"unrecognised line");
        }
    }

    void parseKeyLine(const std::wstring& line, int lineNumber) {
        haveKey_ = false;
        const auto close = line.rfind(L']');
        if (close == std::wstring::npos) {
            problem(lineNumber, L"key name without ']'");
            return;
        }
        RegOperation op;
        op.line = lineNumber;
        std::wstring name = line.substr(1, close - 1);
        op.kind = RegOperation::kOpenKey;
        if (!name.empty() && name[0] == L'-') {
            op.kind = RegOperation::kDeleteKey;
            name.erase(0, 1);
        }
        if (!parseKeyName(name, op)) {
            problem(lineNumber, L"unsupported root key in [" + name + L"]");
            return;
        }
        result_.operations.push_back(op);
        if (op.kind == RegOperation::kOpenKey) {
            haveKey_ = true;
            current_ = op;
        }
    }

    void parseValueLine(const std::wstring& line, int lineNumber) {
        if (!haveKey_) {
            problem(lineNumber, L"value outside a key");
            return;
        }
        RegOperation op = current_;
        op.line = lineNumber;
        size_t pos = 0;
        if (line[0] == L'@') {
            op.name.clear();
            pos = 1;
        } else if (!readQuoted(line, pos, op.name)) {
            problem(lineNumber, L"unterminated value name");
            return;
        }
        pos = skipBlanks(line, pos);
        if (pos >= line.size() || line[pos] != L'=') {
            problem(lineNumber, L"'=' expected after the value name");
            return;
        }
        const auto message = parseData(line.substr(skipBlanks(line, pos + 1)), result_.format, op);
        if (!message.empty()) {
            problem(lineNumber, message + L" for \"" + op.name + L"\"");
            return;
        }
        result_.operations.push_back(op);
    }

    void problem(int lineNumber, const std::wstring& message) {
        result_.problems.push_back({lineNumber, message});
    }

    std::vector<std::wstring> lines_;
    size_t index_ = 0;
    ParsedRegFile result_;
    bool haveKey_ = false;
    RegOperation current_;
};

// Value names have no hex form, so line breaks and zeros in them are written
// with the escapes readQuoted understands; a raw line break would end the line.
std::wstring escaped(const std::wstring& text) {
    std::wstring out;
    for (const wchar_t c : text) {
        if (c == L'\\' || c == L'"') {
            out += L'\\';
        }
        out += c == L'\n' ? std::wstring(L"\\n")
               : c == L'\r' ? std::wstring(L"\\r")
               : c == L'\0' ? std::wstring(L"\\0")
                            : std::wstring(1, c);
    }
    return out;
}

bool exportsAsQuotedString(const RegistryValue& value) {
    if (value.type != kRegString || value.data.size() % 2 != 0 || value.data.size() < 2) {
        return false;
    }
    const auto text = value.text();
    if ((text.size() + 1) * 2 != value.data.size()) {
        return false;
    }
    return std::none_of(text.begin(), text.end(), [](wchar_t c) { return c < L' '; });
}

std::wstring hexByte(uint8_t byte) { return lowerHex(byte, 2); }

std::wstring exportValue(const std::wstring& name, const RegistryValue& value, RegFormat format) {
    std::wstring line = name.empty() ? L"@=" : L"\"" + escaped(name) + L"\"=";
    if (exportsAsQuotedString(value)) {
        return line + L"\"" + escaped(value.text()) + L"\"";
    }
    if (value.type == kRegDword && value.data.size() == 4) {
        uint32_t number = 0;
        for (int i = 3; i >= 0; --i) {
            number = (number << 8) | value.data[i];
        }
        return line + L"dword:" + lowerHex(static_cast<int>(number), 8);
    }
    line += value.type == kRegBinary ? L"hex:" : L"hex(" + lowerHex(static_cast<int>(value.type), 1) + L"):";
    const auto bytes =
        format == RegFormat::Regedit4 && isTextType(value.type) ? narrowBytes(value.data) : value.data;
    std::wstring out;
    for (size_t i = 0; i < bytes.size(); ++i) {
        line += hexByte(bytes[i]);
        if (i + 1 < bytes.size()) {
            line += L",";
            if (line.size() >= kHexLineWidth - 4) {
                out += line + L"\\\r\n";
                line = L"  ";
            }
        }
    }
    return out + line;
}

bool lessIgnoringCase(const std::wstring& a, const std::wstring& b) { return toLower(a) < toLower(b); }

void exportKey(Registry& registry, RegistryRoot root, const std::wstring& path, RegFormat format,
               std::wstring& out) {
    auto key = registry.open(root, path);
    if (!key) {
        return;
    }
    out += L"[" + rootName(root) + (path.empty() ? L"" : L"\\" + path) + L"]\r\n";
    auto names = key->valueNames();
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    for (const auto& name : names) {
        if (const auto value = key->readValue(name)) {
            out += exportValue(name, *value, format) + L"\r\n";
        }
    }
    out += L"\r\n";
    auto subkeys = key->subkeyNames();
    std::sort(subkeys.begin(), subkeys.end(), lessIgnoringCase);
    key.reset();
    for (const auto& subkey : subkeys) {
        exportKey(registry, root, path.empty() ? subkey : path + L"\\" + subkey, format, out);
    }
}

}  // namespace

std::wstring decodeRegFile(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::wstring text;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                         (static_cast<unsigned char>(bytes[i + 1]) << 8));
        }
        return text;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        bytes.remove_prefix(3);
    }
    return isValidUtf8(bytes) ? fromUtf8(bytes) : fromLatin1(bytes);
}

std::string encodeRegFile(const std::wstring& text, RegFormat format) {
    if (format == RegFormat::Regedit4) {
        return toUtf8(text);
    }
    std::string bytes = "\xFF\xFE";
    for (const wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    return bytes;
}

ParsedRegFile parseRegText(const std::wstring& text) { return Parser(text).run(); }

std::vector<RegFileProblem> applyRegFile(Registry& registry, const ParsedRegFile& file) {
    auto problems = file.problems;
    std::unique_ptr<RegistryKey> key;
    auto closeKey = [&] {
        if (key) {
            key->close();
            key.reset();
        }
    };
    for (const auto& op : file.operations) {
        try {
            switch (op.kind) {
                case RegOperation::kOpenKey:
                    closeKey();
                    key = registry.create(op.root, op.path);
                    break;
                case RegOperation::kDeleteKey:
                    closeKey();
                    registry.deleteKey(op.root, op.path);
                    break;
                case RegOperation::kSetValue:
                    if (key) {
                        key->writeValue(op.name, op.value);
                    }
                    break;
                case RegOperation::kDeleteValue:
                    if (key) {
                        key->deleteValue(op.name);
                    }
                    break;
            }
        } catch (const RegistryError& error) {
            problems.push_back({op.line, error.message()});
            key.reset();
        }
    }
    closeKey();
    return problems;
}

std::vector<RegFileProblem> importRegText(Registry& registry, const std::wstring& text) {
    return applyRegFile(registry, parseRegText(text));
}

std::wstring exportRegText(Registry& registry, RegistryRoot root, const std::wstring& path,
                           RegFormat format) {
    std::wstring body;
    exportKey(registry, root, path, format, body);
    if (body.empty()) {
        return L"";
    }
    return (format == RegFormat::Regedit4 ? kHeader4 : kHeader5) + L"\r\n\r\n" + body;
}

}  // namespace platform
