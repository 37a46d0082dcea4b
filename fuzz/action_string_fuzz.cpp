// Action strings as the driver reads them from A values.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "fuzz/fuzz_check.h"
#include "platform/errors.h"
#include "platform/text.h"
#include "setup/store/action_string.h"

namespace {

using namespace setup;

constexpr size_t kCodesLength = 6;
constexpr size_t kLengthFieldWidth = 2;

// The stored macros of a built string, read as the driver reads it: six code
// digits per entry, and after a macro code a two-digit length and that many
// characters. Nothing when the length fields do not tile the string exactly.
std::optional<std::vector<std::wstring>> storedMacros(const std::wstring& built) {
    std::vector<std::wstring> macros;
    size_t pos = 0;
    while (pos < built.size()) {
        const auto action = platform::parseDecimal(platform::part(built, pos + 4, 2));
        pos += kCodesLength;
        if (!action || pos > built.size()) {
            return std::nullopt;
        }
        if (*action == kMacroAction) {
            const auto length = platform::parseDecimal(platform::part(built, pos, 2));
            pos += kLengthFieldWidth;
            if (!length || *length > kLongestStoredMacro || pos + *length > built.size()) {
                return std::nullopt;
            }
            macros.push_back(built.substr(pos, static_cast<size_t>(*length)));
            pos += static_cast<size_t>(*length);
        }
    }
    return macros;
}

// Whether the entry's macro (if any) is stored without losing symbols.
bool fitsWhole(const ActionInfo& action) {
    fuzz::RecordingReporter reporter;
    return MacroToRegistry(action.macroText, reporter).size() <=
           static_cast<size_t>(kLongestStoredMacro);
}

void checkBuiltString(const std::wstring& text, const ActionTable& table, int count,
                      const std::wstring& built) {
    const auto macros = storedMacros(built);
    fuzz::check(macros.has_value(), "macro length fields match the built string", text);
    size_t next = 0;
    for (int slot = 0; slot < count; ++slot) {
        if (table[slot].actionCode != kMacroAction) {
            continue;
        }
        fuzz::check(next < macros->size(), "every macro entry is built", text);
        const auto& stored = (*macros)[next++];
        // A macro too long for its length field loses symbols from its end.
        fuzz::RecordingReporter reporter;
        fuzz::check(
            !fitsWhole(table[slot]) || stored == MacroToRegistry(table[slot].macroText, reporter),
            "a macro that fits is stored whole", text);
    }
    fuzz::check(next == macros->size(), "only macro entries hold macros", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto text = fuzz::textOf(data, size);
    fuzz::RecordingReporter reporter;
    ActionTable table;
    try {
        parseActionString(text, table, reporter);
    } catch (const platform::ConversionError& error) {
        fuzz::check(
            error.position() >= 1 && static_cast<size_t>(error.position()) <= text.size() + 1,
            "a string that does not read names a position inside it", text);
        return 0;
    }
    fuzz::check(table[kActionSlots - 1].buttonCode == 0, "at most eleven entries are read", text);
    const int count = actionCount(table);
    const auto built = buildActionString(table, reporter);
    checkBuiltString(text, table, count, built);

    // Macros read back in the form their stored text gives ("{Sh-Tab}{Tab}"
    // comes back as "{Sh-Tab}{Sh-Tab}"), which plays the same keys: the codes
    // stay, and the table read back builds the very same string.
    ActionTable again;
    fuzz::check(parseActionString(built, again, reporter), "a built string reads whole", text);
    fuzz::check(actionCount(again) == count, "a built string keeps every entry", text);
    for (int slot = 0; slot < count; ++slot) {
        const auto& before = table[slot];
        const auto& after = again[slot];
        fuzz::check(before.buttonCode == after.buttonCode && before.keyCode == after.keyCode &&
                        before.actionCode == after.actionCode,
                    "a built string reads back the same codes", text);
    }
    fuzz::check(buildActionString(again, reporter) == built,
                "a built string reads back to a table that builds it again", text);
    return 0;
}
