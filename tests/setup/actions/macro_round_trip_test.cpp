#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/text.h"
#include "setup/actions/macro.h"

namespace setup {
namespace {

class RecordingReporter : public MacroReporter {
public:
    void report(const std::wstring& message) override { messages.push_back(message); }
    std::vector<std::wstring> messages;
};

// One element of a display macro, as the capture editor would record it.
struct Element {
    enum class Kind { Literal, NamedKey, FunctionKey, Modifier } kind;
    std::wstring name;  // key name, modifier name, function-key number, or the literal
    bool shifted = false;
    bool release = false;
};

const std::vector<std::wstring> kNamedKeys = {
    L"Backspace", L"Tab",  L"Enter", L"Pause", L"Esc",   L"PgUp", L"PgDn", L"End",
    L"Home",      L"Left", L"Up",    L"Right", L"Print", L"Ins",  L"Del",  L"Down",
};
const std::vector<std::wstring> kModifiers = {L"Ctrl", L"Alt", L"Win", L"Menu"};
const std::wstring kLiterals = L"abcXYZ019 ~-!I<W|#yShF.;\u00e9";
constexpr int kLastFunctionKeyWithoutShiftMark = 10;
constexpr size_t kShortestShiftAwareSymbol = 4;

std::wstring shiftMark(bool shifted) {
    return shifted ? L"Sh-" : L"";
}

std::wstring render(const Element& e, bool shifted) {
    switch (e.kind) {
        case Element::Kind::Literal:
            return e.name;
        case Element::Kind::NamedKey:
            return L"{" + shiftMark(shifted) + e.name + L"}";
        case Element::Kind::FunctionKey:
            return L"{" + shiftMark(shifted) + L"F" + e.name + L"}";
        case Element::Kind::Modifier:
            break;
    }
    return L"{" + e.name + (e.release ? L"-Up}" : L"-Dn}");
}

std::wstring display(const std::vector<Element>& elements) {
    std::wstring text;
    for (const auto& e : elements) {
        text += render(e, e.shifted);
    }
    return text;
}

// What reading the stored form back gives. The stored form holds Shift from
// one symbol with four or more characters between its braces to the next one:
// such a symbol says whether Shift is held ("{Sh-Tab}", "{PgUp}", "{Ctrl-Dn}"),
// shorter ones ("{Tab}", "{F5}") and literals are played with Shift as it is.
// Read back, every named key and F11/F12 shows whether Shift was held when it
// was played, modifiers never carry the mark, and F1 to F10 always lose it.
std::wstring expectedAfterRoundTrip(const std::vector<Element>& elements) {
    std::wstring text;
    bool shiftHeld = false;
    for (const auto& e : elements) {
        const auto braces = std::wstring(L"{}").size();
        const size_t inner =
            e.kind == Element::Kind::Literal ? 0 : render(e, e.shifted).size() - braces;
        if (inner >= kShortestShiftAwareSymbol) {
            shiftHeld = e.shifted;
        }
        const bool losesMark = e.kind == Element::Kind::FunctionKey &&
                               std::stoi(e.name) <= kLastFunctionKeyWithoutShiftMark;
        text += render(e, shiftHeld && !losesMark);
    }
    return text;
}

std::vector<Element> randomMacro(std::mt19937& random) {
    std::uniform_int_distribution<int> length(0, 14);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> coin(0, 1);
    std::vector<Element> elements(static_cast<size_t>(length(random)));
    for (auto& e : elements) {
        e.kind = static_cast<Element::Kind>(kind(random));
        switch (e.kind) {
            case Element::Kind::Literal:
                e.name = kLiterals.substr(random() % kLiterals.size(), 1);
                break;
            case Element::Kind::NamedKey:
                e.name = kNamedKeys[random() % kNamedKeys.size()];
                e.shifted = coin(random);
                break;
            case Element::Kind::FunctionKey:
                e.name = std::to_wstring(1 + random() % 12);
                e.shifted = coin(random);
                break;
            case Element::Kind::Modifier:
                e.name = kModifiers[random() % kModifiers.size()];
                e.release = coin(random);
                break;
        }
    }
    return elements;
}

TEST(MacroRoundTrip, EveryRecordableMacroComesBackAsPlayed) {
    std::mt19937 random(20240601);
    for (int i = 0; i < 3000; ++i) {
        const auto elements = randomMacro(random);
        const auto text = display(elements);
        SCOPED_TRACE(text);
        RecordingReporter reporter;
        const auto stored = MacroToRegistry(text, reporter);
        const auto back = MacroFromRegistry(stored, reporter);
        ASSERT_TRUE(reporter.messages.empty()) << reporter.messages.front();
        ASSERT_EQ(back, expectedAfterRoundTrip(elements))
            << "stored as " << platform::toUtf8(stored);
        ASSERT_EQ(MacroFromRegistry(MacroToRegistry(back, reporter), reporter), back)
            << "a macro read back is stable";
    }
}

// Any text at all, in either notation: no read past the end (the converters
// use checked access, so a slip would throw), and a report always leaves an
// empty result.
TEST(MacroRobustness, ArbitraryTextNeverReadsOutOfRange) {
    const std::wstring alphabet = L"{}}{~-ShDnUpFI<W|!#@yhZc^vw019 .x";
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(0, 24);
    for (int i = 0; i < 20000; ++i) {
        std::wstring text(static_cast<size_t>(length(random)), L' ');
        for (auto& c : text) {
            c = alphabet[random() % alphabet.size()];
        }
        SCOPED_TRACE(text);
        for (auto convert : {MacroToRegistry, MacroFromRegistry}) {
            RecordingReporter reporter;
            std::wstring result;
            ASSERT_NO_THROW(result = convert(text, reporter));
            ASSERT_LE(reporter.messages.size(), 1u);
            if (!reporter.messages.empty()) {
                ASSERT_EQ(result, L"");
            }
        }
        const int size = static_cast<int>(text.size());
        for (int n = -1; n <= size + 2; ++n) {
            const int start = SymbolStartBefore(text, n);
            ASSERT_GE(start, 0);
            ASSERT_LE(start, std::min(std::max(n, 0), size));
            if (n <= size + 1) {
                const int end = SymbolEndAfter(text, n);
                ASSERT_GT(end, std::max(n, 1));
                ASSERT_LE(end, size + 2);
            }
        }
    }
}

}  // namespace
}  // namespace setup
