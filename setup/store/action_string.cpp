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

    // A single character left after the last whole entry starts no entry: the
    // driver reads on only while more than one character is left.
    bool more() const { return pos_ + 1 < text_.size(); }

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

ActionTable storableActions(const ActionTable& table, MacroReporter& reporter) {
    ActionTable storable = table;
    const int count = actionCount(table);
    for (int slot = 0; slot < count; ++slot) {
        auto& action = storable[slot];
        if (action.actionCode != kMacroAction) {
            continue;
        }
        auto fitted = FitMacro(action.macroText, kLongestStoredMacro, reporter);
        if (fitted.display != action.macroText) {
            action.macroText = std::move(fitted.display);
            action.macroLength = static_cast<int>(fitted.stored.size());
        }
    }
    return storable;
}

std::wstring buildActionString(const ActionTable& table, MacroReporter& reporter) {
    std::wstring text;
    const int count = actionCount(table);
    for (int slot = 0; slot < count; ++slot) {
        const auto& action = table[slot];
        text += twoDigits(L"buttonCode", action.buttonCode) +
                twoDigits(L"keyCode", action.keyCode) + twoDigits(L"actionCode", action.actionCode);
        if (action.actionCode == kMacroAction) {
            const auto stored = FitMacro(action.macroText, kLongestStoredMacro, reporter).stored;
            text += platform::zeroPadded(static_cast<int>(stored.size()), kCodeWidth) + stored;
        }
    }
    return text;
}

}  // namespace setup
