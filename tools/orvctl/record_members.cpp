#include "tools/orvctl/record_members.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/text.h"
#include "setup/actions/action_codes.h"

namespace orvctl {
namespace {

using setup::PropertyInfo;

struct NumberMember {
    const wchar_t* name;
    int PropertyInfo::*field;
};

// In record order, after the application name and the button positions.
constexpr NumberMember kNumbers[] = {
    {L"doubleClickSpeed", &PropertyInfo::doubleClickSpeed},
    {L"reserved1", &PropertyInfo::reserved1},
    {L"cursorSpeed1", &PropertyInfo::cursorSpeed1},
    {L"cursorSpeed2", &PropertyInfo::cursorSpeed2},
    {L"acceleration", &PropertyInfo::acceleration},
    {L"reserved2", &PropertyInfo::reserved2},
    {L"trailLength", &PropertyInfo::trailLength},
    {L"reserved3", &PropertyInfo::reserved3},
    {L"reserved4", &PropertyInfo::reserved4},
    {L"reserved5", &PropertyInfo::reserved5},
};

const wchar_t kApplicationNameLength[] = L"applicationNameLength";
const wchar_t kApplicationName[] = L"applicationName";
const wchar_t kButtonPosition[] = L"buttonPosition";
const wchar_t kSchemeNameLength[] = L"schemeNameLength";
const wchar_t kSchemeName[] = L"schemeName";

int number(const std::wstring& name, const std::wstring& text) {
    const bool negative = !text.empty() && text[0] == L'-';
    const auto magnitude = platform::parseDecimal(negative ? text.substr(1) : text);
    if (!magnitude) {
        throw platform::Error(name + L": '" + text + L"' is not a number");
    }
    return negative ? -*magnitude : *magnitude;
}

std::wstring positions(const std::array<int, 4>& buttonPosition) {
    std::wstring text;
    for (const int position : buttonPosition) {
        text += (text.empty() ? L"" : L",") + std::to_wstring(position);
    }
    return text;
}

std::array<int, 4> parsePositions(const std::wstring& text) {
    std::array<int, 4> result{};
    size_t start = 0;
    for (size_t i = 0; i < result.size(); ++i) {
        const auto comma = text.find(L',', start);
        if ((i + 1 < result.size()) == (comma == std::wstring::npos)) {
            throw platform::Error(std::wstring(kButtonPosition) + L": expects four numbers, not '" +
                                  text + L"'");
        }
        result[i] = number(kButtonPosition, text.substr(start, comma - start));
        start = comma + 1;
    }
    return result;
}

const NumberMember* findNumber(const std::wstring& name) {
    const auto* end = std::end(kNumbers);
    const auto* it = std::find_if(std::begin(kNumbers), end,
                                  [&](const NumberMember& m) { return name == m.name; });
    return it == end ? nullptr : it;
}

}  // namespace

std::vector<std::pair<std::wstring, std::wstring>> recordMembers(const PropertyInfo& info) {
    std::vector<std::pair<std::wstring, std::wstring>> members = {
        {kApplicationNameLength, std::to_wstring(info.applicationNameLength)},
        {kApplicationName, info.applicationName},
        {kButtonPosition, positions(info.buttonPosition)},
    };
    for (const auto& member : kNumbers) {
        members.emplace_back(member.name, std::to_wstring(info.*member.field));
    }
    members.emplace_back(kSchemeNameLength, std::to_wstring(info.schemeNameLength));
    members.emplace_back(kSchemeName, info.schemeName);
    return members;
}

bool isRecordMember(const std::wstring& name) {
    return findNumber(name) != nullptr || name == kApplicationNameLength ||
           name == kApplicationName || name == kButtonPosition || name == kSchemeNameLength ||
           name == kSchemeName;
}

void setRecordMember(PropertyInfo& info, const std::wstring& name, const std::wstring& value) {
    if (const auto* member = findNumber(name)) {
        info.*member->field = number(name, value);
    } else if (name == kApplicationName) {
        info.applicationName = value;
        info.applicationNameLength = static_cast<int>(value.size());
    } else if (name == kSchemeName) {
        info.schemeName = value;
        info.schemeNameLength = static_cast<int>(value.size());
    } else if (name == kButtonPosition) {
        info.buttonPosition = parsePositions(value);
    } else if (name == kApplicationNameLength) {
        info.applicationNameLength = number(name, value);
    } else if (name == kSchemeNameLength) {
        info.schemeNameLength = number(name, value);
    }
}

std::wstring actionText(const setup::ActionInfo& action) {
    const auto keys = setup::modifierText(action.keyCode);
    const auto name = setup::actionName(action.actionCode);
    return setup::chordText(action.buttonCode) + (keys.empty() ? L"" : L" + " + keys) + L": " +
           (name.empty() ? L"code " + std::to_wstring(action.actionCode) : name) +
           (action.actionCode == setup::kMacroAction ? L" \"" + action.macroText + L"\"" : L"");
}

}  // namespace orvctl
