#pragma once

#include <string>
#include <vector>

// A model of the macros the capture editor records, and of what reading their
// stored form back shows. Shared by the round-trip test and the macro fuzz
// target, so that both hold the converters to the same expectation.
namespace setup::macro_model {

// One element of a display macro, as the capture editor would record it.
struct Element {
    enum class Kind { Literal, NamedKey, FunctionKey, Modifier } kind;
    std::wstring name;  // key name, modifier name, function-key number, or the literal
    bool shifted = false;
    bool release = false;
};

inline const std::vector<std::wstring> kNamedKeys = {
    L"Backspace", L"Tab",  L"Enter", L"Pause", L"Esc",   L"PgUp", L"PgDn", L"End",
    L"Home",      L"Left", L"Up",    L"Right", L"Print", L"Ins",  L"Del",  L"Down",
};
inline const std::vector<std::wstring> kModifiers = {L"Ctrl", L"Alt", L"Win", L"Menu"};
inline const std::wstring kLiterals = L"abcXYZ019 ~-!I<W|#yShF.;\u00e9";
inline constexpr int kLastFunctionKeyWithoutShiftMark = 10;
inline constexpr int kLastFunctionKey = 12;
inline constexpr size_t kShortestShiftAwareSymbol = 4;
inline constexpr int kElementKinds = 4;

inline std::wstring shiftMark(bool shifted) {
    return shifted ? L"Sh-" : L"";
}

inline std::wstring render(const Element& e, bool shifted) {
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

inline std::wstring display(const std::vector<Element>& elements) {
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
inline std::wstring expectedAfterRoundTrip(const std::vector<Element>& elements) {
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

// A recordable macro of the given length, each choice taken from pick(n),
// which returns a number in 0 .. n - 1: a random generator or fuzz input.
template <typename Pick>
std::vector<Element> makeMacro(size_t length, Pick&& pick) {
    std::vector<Element> elements(length);
    for (auto& e : elements) {
        e.kind = static_cast<Element::Kind>(pick(kElementKinds));
        switch (e.kind) {
            case Element::Kind::Literal:
                e.name = kLiterals.substr(static_cast<size_t>(pick(kLiterals.size())), 1);
                break;
            case Element::Kind::NamedKey:
                e.name = kNamedKeys[static_cast<size_t>(pick(kNamedKeys.size()))];
                e.shifted = pick(2) == 1;
                break;
            case Element::Kind::FunctionKey:
                e.name = std::to_wstring(1 + pick(kLastFunctionKey));
                e.shifted = pick(2) == 1;
                break;
            case Element::Kind::Modifier:
                e.name = kModifiers[static_cast<size_t>(pick(kModifiers.size()))];
                e.release = pick(2) == 1;
                break;
        }
    }
    return elements;
}

}  // namespace setup::macro_model
