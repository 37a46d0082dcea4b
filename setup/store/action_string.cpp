#include "setup/store/action_string.h"

#include "platform/errors.h"
#include "platform/text.h"

namespace setup {
namespace {

constexpr int kCodeWidth = 2;
constexpr int kLargestCode = 99;

class ActionReader {
public:
    explicit ActionReader(const std::wstring& text) : text_(text) {}

    bool more() const { return pos_ < text_.size(); }

    int code(const wchar_t* field) {
        const int start = static_cast<int>(pos_) + 1;
        const auto digits = text_.substr(pos_, kCodeWidth);
        pos_ += digits.size();
        const auto value =
            digits.size() == kCodeWidth ? platform::parseDecimal(digits) : std::nullopt;
        if (!value) {
            throw platform::ConversionError(field, start, digits);
        }
        return *value;
    }

    std::wstring text(int length) {
        if (static_cast<size_t>(length) > text_.size() - pos_) {
            throw platform::ConversionError(L"macroText", static_cast<int>(pos_) + 1,
                                            text_.substr(pos_));
        }
        auto part = text_.substr(pos_, static_cast<size_t>(length));
        pos_ += part.size();
        return part;
    }

private:
    const std::wstring& text_;
    size_t pos_ = 0;
};

std::wstring twoDigits(const wchar_t* field, int value) {
    if (value < 0 || value > kLargestCode) {
        throw platform::Error(std::wstring(L"Value ") + std::to_wstring(value) + L" of " + field +
                              L" does not fit an action string");
    }
    return platform::zeroPadded(value, kCodeWidth);
}

// The stored form of a displayed macro, shortened by whole symbols from its end
// until it fits the two-digit length field.
std::wstring storedMacro(std::wstring display, MacroReporter& reporter) {
    auto stored = MacroToRegistry(display, reporter);
    while (stored.size() > static_cast<size_t>(kLongestStoredMacro)) {
        const int length = static_cast<int>(display.size());
        display.resize(static_cast<size_t>(SymbolStartBefore(display, length - 1)));
        stored = MacroToRegistry(display, reporter);
    }
    return stored;
}

}  // namespace

int actionCount(const ActionTable& table) {
    int count = 0;
    while (count < kUsableActions && table[count].buttonCode != 0) {
        ++count;
    }
    return count;
}

void clearActions(ActionTable& table) {
    table.fill(ActionInfo{});
}

bool parseActionString(const std::wstring& text, ActionTable& table, MacroReporter& reporter) {
    clearActions(table);
    ActionReader reader(text);
    for (int slot = 0; slot < kUsableActions && reader.more(); ++slot) {
        auto& action = table[slot];
        action.buttonCode = reader.code(L"buttonCode");
        action.keyCode = reader.code(L"keyCode");
        action.actionCode = reader.code(L"actionCode");
        if (action.actionCode == kMacroAction) {
            action.macroLength = reader.code(L"macroLength");
            action.macroText = MacroFromRegistry(reader.text(action.macroLength), reporter);
        }
    }
    return !reader.more();
}

std::wstring buildActionString(const ActionTable& table, MacroReporter& reporter) {
    std::wstring text;
    const int count = actionCount(table);
    for (int slot = 0; slot < count; ++slot) {
        const auto& action = table[slot];
        text += twoDigits(L"buttonCode", action.buttonCode) +
                twoDigits(L"keyCode", action.keyCode) + twoDigits(L"actionCode", action.actionCode);
        if (action.actionCode == kMacroAction) {
            const auto stored = storedMacro(action.macroText, reporter);
            text += platform::zeroPadded(static_cast<int>(stored.size()), kCodeWidth) + stored;
        }
    }
    return text;
}

}  // namespace setup
