#include "standins/orvdll/journal.h"

#include <algorithm>

#include "platform/text.h"

namespace standins {
namespace {

const std::wstring kDriverKey = L"SOFTWARE\\Orvane";
const std::wstring kPropertiesKey = L"SOFTWARE\\Orvane\\Properties";
constexpr int kRecordNumberWidth = 3;

std::wstring escaped(const std::wstring& text) {
    std::wstring out;
    for (const wchar_t c : text) {
        switch (c) {
            case L'\\':
                out += L"\\\\";
                break;
            case L'\t':
                out += L"\\t";
                break;
            case L'\r':
                out += L"\\r";
                break;
            case L'\n':
                out += L"\\n";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::wstring unescaped(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const wchar_t next = text[++i];
        out += next == L't' ? L'\t' : next == L'r' ? L'\r' : next == L'n' ? L'\n' : next;
    }
    return out;
}

}  // namespace

std::wstring formatJournalLine(const std::vector<JournalField>& fields) {
    std::wstring line;
    for (const auto& field : fields) {
        line += (line.empty() ? L"" : L"\t") + escaped(field.name) + L"=" + escaped(field.value);
    }
    return line;
}

std::vector<JournalField> parseJournalLine(const std::wstring& line) {
    std::vector<JournalField> fields;
    size_t start = 0;
    while (start <= line.size() && !line.empty()) {
        const size_t end = std::min(line.find(L'\t', start), line.size());
        const std::wstring field = line.substr(start, end - start);
        const size_t equals = field.find(L'=');
        if (equals == std::wstring::npos) {
            fields.push_back({unescaped(field), L""});
        } else {
            fields.push_back(
                {unescaped(field.substr(0, equals)), unescaped(field.substr(equals + 1))});
        }
        start = end + 1;
    }
    return fields;
}

std::wstring journalValue(const std::vector<JournalField>& fields, const std::wstring& name) {
    for (const auto& field : fields) {
        if (field.name == name) {
            return field.value;
        }
    }
    return L"";
}

std::vector<JournalField> rereadDriverSettings(platform::Registry& registry) {
    std::vector<JournalField> fields;
    if (auto driver = registry.open(platform::RegistryRoot::LocalMachine, kDriverKey)) {
        if (driver->hasValue(L"ShowIconInTray")) {
            fields.push_back({L"ShowIconInTray", driver->readString(L"ShowIconInTray")});
        }
    }
    std::vector<JournalField> records;
    if (auto properties = registry.open(platform::RegistryRoot::LocalMachine, kPropertiesKey)) {
        for (int number = 1;; ++number) {
            const auto digits = platform::zeroPadded(number, kRecordNumberWidth);
            const auto record = properties->readString(L"P" + digits);
            if (record.empty()) {
                break;
            }
            records.push_back({L"P" + digits, record});
            records.push_back({L"A" + digits, properties->readString(L"A" + digits)});
        }
    }
    fields.push_back({L"records", std::to_wstring(records.size() / 2)});
    fields.insert(fields.end(), records.begin(), records.end());
    return fields;
}

}  // namespace standins
