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

constexpr size_t kChunkSize = size_t{1} << 16;
constexpr size_t kBomLength = 3;

bool isValidUtf8(std::string_view bytes) {
    return toUtf8(fromUtf8(bytes)) == bytes;
}

class BytesReader : public ByteReader {
public:
    explicit BytesReader(std::string_view bytes) : bytes_(bytes) {}
    size_t read(uint8_t* buffer, size_t size) override {
        const size_t count = std::min(size, bytes_.size());
        std::copy(bytes_.begin(), bytes_.begin() + count, buffer);
        bytes_.remove_prefix(count);
        return count;
    }

private:
    std::string_view bytes_;
};

// The next chunk of a reader's bytes; empty at the end.
std::string nextChunk(ByteReader& reader) {
    std::string chunk(kChunkSize, '\0');
    chunk.resize(reader.read(reinterpret_cast<uint8_t*>(chunk.data()), chunk.size()));
    return chunk;
}

// Cuts 8-bit text after its last ASCII byte, where no multi-byte sequence can
// be split, keeping the rest for the next chunk.
class EightBitPieces {
public:
    template <typename Visit>
    void add(std::string_view chunk, Visit visit) {
        size_t cut = chunk.size();
        while (cut > 0 && static_cast<unsigned char>(chunk[cut - 1]) >= 0x80) {
            --cut;
        }
        if (cut == 0) {
            carry_.append(chunk);
            return;
        }
        carry_.append(chunk.substr(0, cut));
        visit(std::string_view(carry_));
        carry_.assign(chunk.substr(cut));
    }
    template <typename Visit>
    void finish(Visit visit) {
        visit(std::string_view(carry_));
        carry_.clear();
    }

private:
    std::string carry_;
};

bool wholeStreamIsUtf8(const ReaderOpener& open) {
    auto reader = open();
    bool valid = true;
    EightBitPieces pieces;
    const auto check = [&valid](std::string_view piece) { valid = valid && isValidUtf8(piece); };
    for (std::string chunk; reader && !(chunk = nextChunk(*reader)).empty();) {
        pieces.add(chunk, check);
    }
    pieces.finish(check);
    return valid;
}

// Cuts text into lines as it arrives, as Windows tools do: CR, LF and CR LF
// each end a line; a last line without a break counts when it is not empty.
class LineSplitter {
public:
    explicit LineSplitter(std::function<void(const std::wstring&)> sink) : sink_(std::move(sink)) {}

    void add(std::wstring_view text) {
        for (const wchar_t c : text) {
            if (c == L'\n' && afterCarriageReturn_) {
                afterCarriageReturn_ = false;
                continue;
            }
            afterCarriageReturn_ = c == L'\r';
            if (c == L'\r' || c == L'\n') {
                sink_(line_);
                line_.clear();
            } else {
                line_ += c;
            }
        }
    }
    void finish() {
        if (!line_.empty()) {
            sink_(line_);
        }
    }

private:
    std::function<void(const std::wstring&)> sink_;
    std::wstring line_;
    bool afterCarriageReturn_ = false;
};

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
            const auto number = close == std::wstring::npos
                                    ? std::nullopt
                                    : parseHex(data.substr(pos + 1, close - pos - 1));
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
        op.value.data =
            format == RegFormat::Regedit4 && isTextType(type) ? widenBytes(bytes) : bytes;
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

// Value names have no hex form, so line breaks and zeros in them are written
// with the escapes readQuoted understands; a raw line break would end the line.
std::wstring escaped(const std::wstring& text) {
    std::wstring out;
    for (const wchar_t c : text) {
        if (c == L'\\' || c == L'"') {
            out += L'\\';
        }
        out += c == L'\n'   ? std::wstring(L"\\n")
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

std::wstring hexByte(uint8_t byte) {
    return lowerHex(byte, 2);
}

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
    line += value.type == kRegBinary ? L"hex:"
                                     : L"hex(" + lowerHex(static_cast<int>(value.type), 1) + L"):";
    const auto bytes = format == RegFormat::Regedit4 && isTextType(value.type)
                           ? narrowBytes(value.data)
                           : value.data;
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

bool lessIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return toLower(a) < toLower(b);
}

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

void decodeRegStream(const ReaderOpener& open, const std::function<void(std::wstring_view)>& sink) {
    auto reader = open();
    if (!reader) {
        return;
    }
    std::string head;
    for (std::string chunk; head.size() < kBomLength && !(chunk = nextChunk(*reader)).empty();) {
        head += chunk;
    }
    if (head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
        static_cast<unsigned char>(head[1]) == 0xFE) {
        // A chunk may end inside a code unit: its first byte waits for the next.
        std::string units = head.substr(2);
        for (std::string chunk = "x"; !chunk.empty(); units += chunk = nextChunk(*reader)) {
            std::wstring text;
            for (size_t i = 0; i + 1 < units.size(); i += 2) {
                text += static_cast<wchar_t>(static_cast<unsigned char>(units[i]) |
                                             (static_cast<unsigned char>(units[i + 1]) << 8));
            }
            sink(text);
            units.erase(0, units.size() - units.size() % 2);
        }
        return;
    }
    const bool utf8 = wholeStreamIsUtf8(open);
    const auto decode = [&](std::string_view piece) {
        sink(utf8 ? fromUtf8(piece) : fromLatin1(piece));
    };
    EightBitPieces pieces;
    pieces.add(head.compare(0, kBomLength, "\xEF\xBB\xBF") == 0
                   ? std::string_view(head).substr(kBomLength)
                   : std::string_view(head),
               decode);
    for (std::string chunk; !(chunk = nextChunk(*reader)).empty();) {
        pieces.add(chunk, decode);
    }
    pieces.finish(decode);
}

std::wstring decodeRegFile(std::string_view bytes) {
    std::wstring text;
    decodeRegStream([bytes] { return std::make_unique<BytesReader>(bytes); },
                    [&text](std::wstring_view piece) { text += piece; });
    return text;
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

ParsedRegFile parseRegText(const std::wstring& text) {
    ParsedRegFile result;
    RegLineParser parser([&result](const RegOperation& op) { result.operations.push_back(op); });
    LineSplitter lines([&parser](const std::wstring& line) { parser.addLine(line); });
    lines.add(text);
    lines.finish();
    parser.finish();
    result.hasHeader = parser.hasHeader();
    result.format = parser.format();
    result.problems = parser.problems();
    return result;
}

RegStreamResult parseRegStream(const ReaderOpener& open, const RegLineParser::Sink& sink) {
    RegLineParser parser(sink);
    LineSplitter lines([&parser](const std::wstring& line) { parser.addLine(line); });
    decodeRegStream(open, [&lines](std::wstring_view piece) { lines.add(piece); });
    lines.finish();
    parser.finish();
    return {parser.hasHeader(), parser.format(), parser.problems()};
}

RegLineParser::RegLineParser(Sink sink) : sink_(std::move(sink)) {}

void RegLineParser::addLine(const std::wstring& line) {
    ++lines_;
    if (state_ == State::kBeforeHeader) {
        readHeader(line);
        return;
    }
    if (state_ == State::kNotRegistryFile) {
        return;
    }
    // Only hex data is continued with a backslash.
    if (havePending_ && !pending_.empty() && pending_.back() == L'\\' &&
        pending_.find(L"=hex") != std::wstring::npos) {
        pending_.pop_back();
        pending_ += trimRight(line.substr(skipBlanks(line, 0)));
        return;
    }
    if (havePending_) {
        parseLine(pending_, pendingLine_);
    }
    pending_ = trimRight(line);
    pendingLine_ = lines_;
    havePending_ = true;
}

void RegLineParser::finish() {
    if (state_ == State::kBeforeHeader) {
        state_ = State::kNotRegistryFile;
        problem(1, L"not a registry file: the header is missing");
    }
    if (havePending_) {
        parseLine(pending_, pendingLine_);
        havePending_ = false;
    }
}

void RegLineParser::readHeader(const std::wstring& line) {
    auto header = trimRight(line);
    if (header.empty()) {
        return;
    }
    if (header[0] == 0xFEFF) {
        header.erase(0, 1);
    }
    format_ = header == kHeader4 ? RegFormat::Regedit4 : RegFormat::Regedit5;
    hasHeader_ = header == kHeader4 || header == kHeader5;
    state_ = hasHeader_ ? State::kBody : State::kNotRegistryFile;
    if (!hasHeader_) {
        problem(1, L"not a registry file: the header is missing");
    }
}

void RegLineParser::parseLine(const std::wstring& line, int lineNumber) {
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

void RegLineParser::parseKeyLine(const std::wstring& line, int lineNumber) {
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
    sink_(op);
    if (op.kind == RegOperation::kOpenKey) {
        haveKey_ = true;
        current_ = op;
    }
}

void RegLineParser::parseValueLine(const std::wstring& line, int lineNumber) {
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
    const auto message = parseData(line.substr(skipBlanks(line, pos + 1)), format_, op);
    if (!message.empty()) {
        problem(lineNumber, message + L" for \"" + op.name + L"\"");
        return;
    }
    sink_(op);
}

void RegLineParser::problem(int lineNumber, const std::wstring& message) {
    problems_.push_back({lineNumber, message});
}

RegApplier::RegApplier(Registry& registry) : registry_(registry) {}

RegApplier::~RegApplier() = default;

void RegApplier::closeKey() {
    if (key_) {
        key_->close();
        key_.reset();
    }
}

void RegApplier::apply(const RegOperation& op) {
    try {
        switch (op.kind) {
            case RegOperation::kOpenKey:
                closeKey();
                key_ = registry_.create(op.root, op.path);
                break;
            case RegOperation::kDeleteKey:
                closeKey();
                registry_.deleteKey(op.root, op.path);
                break;
            case RegOperation::kSetValue:
                if (key_) {
                    key_->writeValue(op.name, op.value);
                }
                break;
            case RegOperation::kDeleteValue:
                if (key_) {
                    key_->deleteValue(op.name);
                }
                break;
        }
    } catch (const RegistryError& error) {
        problems_.push_back({op.line, error.message()});
        key_.reset();
    }
}

std::vector<RegFileProblem> RegApplier::finish() {
    try {
        closeKey();
    } catch (const RegistryError& error) {
        problems_.push_back({0, error.message()});
        key_.reset();
    }
    return problems_;
}

std::vector<RegFileProblem> applyRegFile(Registry& registry, const ParsedRegFile& file) {
    RegApplier applier(registry);
    for (const auto& op : file.operations) {
        applier.apply(op);
    }
    auto problems = file.problems;
    const auto applied = applier.finish();
    problems.insert(problems.end(), applied.begin(), applied.end());
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
