#include "platform/registry.h"

#include "platform/errors.h"

namespace platform {

RegistryValue RegistryValue::ofString(const std::wstring& text, uint32_t type) {
    RegistryValue value;
    value.type = type;
    value.data.reserve((text.size() + 1) * 2);
    for (const wchar_t c : text) {
        value.data.push_back(static_cast<uint8_t>(c & 0xFF));
        value.data.push_back(static_cast<uint8_t>((c >> 8) & 0xFF));
    }
    value.data.push_back(0);
    value.data.push_back(0);
    return value;
}

std::wstring RegistryValue::text() const {
    std::wstring out;
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        const auto unit = static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
        if (unit == 0) {
            break;
        }
        out += unit;
    }
    return out;
}

std::wstring RegistryKey::readString(const std::wstring& name) {
    const auto value = readStringValue(name);
    return value ? value->text() : L"";
}

std::optional<RegistryValue> RegistryKey::readStringValue(const std::wstring& name) {
    auto value = readValue(name);
    if (value && value->type != kRegString && value->type != kRegExpandString) {
        throw RegistryError(L"Invalid data type for '" + name + L"'");
    }
    return value;
}

void RegistryKey::writeString(const std::wstring& name, const std::wstring& value) {
    writeValue(name, RegistryValue::ofString(value));
}

std::wstring rootName(RegistryRoot root) {
    return root == RegistryRoot::LocalMachine ? L"HKEY_LOCAL_MACHINE" : L"HKEY_CURRENT_USER";
}

std::optional<RegistryRoot> rootFromName(const std::wstring& name) {
    if (name == L"HKEY_LOCAL_MACHINE") {
        return RegistryRoot::LocalMachine;
    }
    if (name == L"HKEY_CURRENT_USER") {
        return RegistryRoot::CurrentUser;
    }
    return std::nullopt;
}

}  // namespace platform
