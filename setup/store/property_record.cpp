#include "setup/store/property_record.h"

#include <tuple>

#include "platform/errors.h"
#include "platform/text.h"
#include "setup/store/device_key.h"

namespace setup {
namespace {

constexpr int kNumberWidth = 3;
constexpr int kLargestNumber = 999;

// Walks a record from its first character, reading fields in order.
class RecordReader {
public:
    explicit RecordReader(const std::wstring& text) : text_(text) {}

    int number(const wchar_t* field) {
        const int start = position();
        const auto digits = take(kNumberWidth);
        const auto value =
            digits.size() == kNumberWidth ? platform::parseDecimal(digits) : std::nullopt;
        if (!value) {
            throw platform::ConversionError(field, start, digits);
        }
        return *value;
    }

    std::wstring text(const wchar_t* field, int length) {
        if (static_cast<size_t>(length) > text_.size() - pos_) {
            throw platform::ConversionError(field, position(), text_.substr(pos_));
        }
        return take(static_cast<size_t>(length));
    }

private:
    std::wstring take(size_t count) {
        auto part = text_.substr(pos_, count);
        pos_ += part.size();
        return part;
    }
    // 1-based position of the next field.
    int position() const { return static_cast<int>(pos_) + 1; }

    const std::wstring& text_;
    size_t pos_ = 0;
};

class RecordWriter {
public:
    void number(const wchar_t* field, int value) {
        if (value < 0 || value > kLargestNumber) {
            throw platform::Error(std::wstring(L"Value ") + std::to_wstring(value) + L" of " +
                                  field + L" does not fit a record");
        }
        text_ += platform::zeroPadded(value, kNumberWidth);
    }
    void counted(const wchar_t* field, const std::wstring& value) {
        number(field, static_cast<int>(value.size()));
        text_ += value;
    }
    std::wstring result() const { return text_; }

private:
    std::wstring text_;
};

auto fields(const PropertyInfo& p) {
    return std::tie(p.applicationNameLength, p.applicationName, p.buttonPosition,
                    p.doubleClickSpeed, p.reserved1, p.cursorSpeed1, p.cursorSpeed2, p.acceleration,
                    p.reserved2, p.trailLength, p.reserved3, p.reserved4, p.reserved5,
                    p.schemeNameLength, p.schemeName);
}

}  // namespace

bool PropertyInfo::operator==(const PropertyInfo& other) const {
    return fields(*this) == fields(other);
}

void parsePropertyRecord(const std::wstring& record, PropertyInfo& info) {
    RecordReader reader(record);
    info.applicationNameLength = reader.number(L"applicationNameLength");
    info.applicationName = reader.text(L"applicationName", info.applicationNameLength);
    for (auto& position : info.buttonPosition) {
        position = reader.number(L"buttonPosition") - 1;
    }
    info.doubleClickSpeed = reader.number(L"doubleClickSpeed");
    info.reserved1 = reader.number(L"reserved1");
    info.cursorSpeed1 = reader.number(L"cursorSpeed1");
    info.cursorSpeed2 = reader.number(L"cursorSpeed2");
    info.acceleration = reader.number(L"acceleration") - 1;
    info.reserved2 = reader.number(L"reserved2");
    info.trailLength = reader.number(L"trailLength");
    info.reserved3 = reader.number(L"reserved3");
    info.reserved4 = reader.number(L"reserved4");
    info.reserved5 = reader.number(L"reserved5");
    info.schemeNameLength = reader.number(L"schemeNameLength");
    info.schemeName = reader.text(L"schemeName", info.schemeNameLength);
}

PropertyInfo parsePropertyRecord(const std::wstring& record) {
    PropertyInfo info;
    parsePropertyRecord(record, info);
    return info;
}

std::wstring buildPropertyRecord(const PropertyInfo& info) {
    RecordWriter writer;
    writer.counted(L"applicationName", info.applicationName);
    for (const int position : info.buttonPosition) {
        writer.number(L"buttonPosition", position + 1);
    }
    writer.number(L"doubleClickSpeed", info.doubleClickSpeed);
    writer.number(L"reserved1", info.reserved1);
    writer.number(L"cursorSpeed1", info.cursorSpeed1);
    writer.number(L"cursorSpeed2", info.cursorSpeed2);
    writer.number(L"acceleration", info.acceleration + 1);
    writer.number(L"reserved2", info.reserved2);
    writer.number(L"trailLength", info.trailLength);
    writer.number(L"reserved3", info.reserved3);
    writer.number(L"reserved4", info.reserved4);
    writer.number(L"reserved5", info.reserved5);
    writer.counted(L"schemeName", info.schemeName);
    return writer.result();
}

std::wstring storedApplicationName(const std::wstring& value) {
    const auto length =
        platform::parseDecimal(platform::part(value, kDeviceKeyLength, kNumberWidth));
    return platform::part(value, kDeviceKeyLength + kNumberWidth,
                          static_cast<size_t>(length.value_or(0)));
}

}  // namespace setup
