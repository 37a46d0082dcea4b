#include "setup/actions/macro.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/text.h"

namespace setup {
namespace {

// A key the macro notations name. The stored form of a named key is its code in
// a group of its own; a modifier's code completes the "{" or "{~" written for
// the press or the release.
struct NamedKey {
    std::wstring_view name;
    std::wstring_view code;
    bool modifier;
    // F11 and F12 are written by the function-key rule and only read by name.
    bool writtenByName;
};

// The order decides which code matches first when stored text is read.
constexpr NamedKey kNamedKeys[] = {
    {L"Backspace", L"-~-", false, true}, {L"Tab", L".~.", false, true},
    {L"Enter", L";~;", false, true},     {L"Pause", L"|@", false, true},
    {L"Esc", L" ~ ", false, true},       {L"PgUp", L"yhy~h", false, true},
    {L"PgDn", L"ypy~p", false, true},    {L"End", L"yny~n", false, true},
    {L"Home", L"yfy~f", false, true},    {L"Left", L"yjy~j", false, true},
    {L"Up", L"ygy~g", false, true},      {L"Right", L"yly~l", false, true},
    {L"Down", L"yoy~o", false, true},    {L"Print", L"yiyVy~Vy~i", false, true},
    {L"Ins", L"yqy~q", false, true},     {L"Del", L"yry~r", false, true},
    {L"Ctrl", L"<", true, true},         {L"Alt", L"W", true, true},
    {L"Win", L"|!", true, true},         {L"Menu", L"|#", true, true},
    {L"F11", L"v~v", false, false},      {L"F12", L"w~w", false, false},
};

constexpr wchar_t kOpen = L'{';
constexpr wchar_t kClose = L'}';
constexpr wchar_t kRelease = L'~';
constexpr wchar_t kShiftCode = L'I';
constexpr std::wstring_view kPressShift = L"{I}";
constexpr std::wstring_view kReleaseShift = L"{~I}";
constexpr std::wstring_view kPressSuffix = L"Dn";
constexpr std::wstring_view kReleaseSuffix = L"Up";
constexpr wchar_t kSuffixMark = L'-';
// "-Dn" or "-Up" at the end of a modifier symbol.
constexpr int kSuffixLength = 3;
// Only symbols with at least this many characters between their braces say
// whether Shift is held; shorter ones ("{Tab}", "{F5}") leave it as it was.
constexpr int kShortestShiftAwareSymbol = 4;
// A function-key name is "F" and at most two digits.
constexpr size_t kLongestFunctionKeyName = 3;
constexpr wchar_t kFunctionKeyPrefix = L'F';
// Fn is stored as the character with code kFunctionKeyBase + n; F11 and F12
// follow after a gap, as their scan codes do.
constexpr int kFunctionKeyBase = 89;
constexpr int kLastContiguousFunctionKey = 10;
constexpr int kUpperFunctionKeyGap = 18;
constexpr wchar_t kFirstFunctionKeyCode = kFunctionKeyBase + 1;
constexpr wchar_t kLastFunctionKeyCode = kFunctionKeyBase + kLastContiguousFunctionKey;
constexpr size_t kLongestQuotedStoredText = 100;

// A problem that ends the conversion; its text goes to the reporter.
struct MacroProblem {
    std::wstring message;
};

// The brace-depth walk shared by both symbol scans, one character at a time,
// with 1-based positions. The character right after an opening brace always
// belongs to the symbol, whatever it is: that is how "{{}" and "{}}" hold a
// brace.
class SymbolWalk {
public:
    explicit SymbolWalk(const std::wstring& text) : text_(text) {}

    // Examines the next character; false when the text has ended.
    bool next() {
        if (position_ >= length(text_)) {
            return false;
        }
        const wchar_t c = text_.at(static_cast<size_t>(position_));
        ++position_;
        if (previous_ == kOpen) {
            previous_ = L' ';
            return true;
        }
        if (c == kOpen) {
            ++depth_;
        } else if (c == kClose) {
            --depth_;
        }
        previous_ = c;
        return true;
    }
    int position() const { return position_; }
    bool outsideSymbols() const { return depth_ == 0; }

    // Walks on to the first position at or after n at which no symbol is open
    // and returns the position after it, or the length + 2 when the text ends
    // first. The walk must not have reached n yet; a walk carried on this way
    // gives what a fresh one from the start would.
    int endAfter(int n) {
        while (next()) {
            if (position_ >= n && outsideSymbols()) {
                return position_ + 1;
            }
        }
        return length(text_) + 2;
    }

    static int length(const std::wstring& text) { return static_cast<int>(text.size()); }

private:
    const std::wstring& text_;
    int position_ = 0;
    int depth_ = 0;
    wchar_t previous_ = L' ';
};

// The character at a 1-based position; at() makes a slip past the end an
// exception rather than a stray read.
wchar_t charAt(const std::wstring& text, int position) {
    return text.at(static_cast<size_t>(position - 1));
}

// The characters from position first up to, not including, position pastLast
// (1-based). A symbol left open at the end of the text ends with it: substr
// cuts the count to the text.
std::wstring slice(const std::wstring& text, int first, int pastLast) {
    if (pastLast <= first) {
        return L"";
    }
    return text.substr(static_cast<size_t>(first - 1), static_cast<size_t>(pastLast - first));
}

bool startsWith(const std::wstring& text, size_t position, std::wstring_view prefix) {
    return position <= text.size() &&
           std::wstring_view(text).substr(position, prefix.size()) == prefix;
}

// The stored form of a function key outside the named table, F1 to F10 and
// beyond.
std::wstring storedFunctionKey(const std::wstring& name, const std::wstring& display) {
    if (name.empty() || name.front() != kFunctionKeyPrefix ||
        name.size() > kLongestFunctionKeyName) {
        throw MacroProblem{L"Error parsing macro, undefined symbol (" + name + L"):\n" + display};
    }
    const std::wstring digits = name.substr(1);
    auto number = platform::parseDecimal(digits);
    if (!number) {
        throw MacroProblem{L"Bad number format: " + digits};
    }
    if (*number > kLastContiguousFunctionKey) {
        *number += kUpperFunctionKeyGap;
    }
    const auto code = static_cast<wchar_t>(*number + kFunctionKeyBase);
    return {kOpen, code, kRelease, code, kClose};
}

std::wstring storedKey(const std::wstring& name, const std::wstring& display) {
    // The table's spare entries are empty, so an empty name (a brace left open
    // at the very end) matches one and writes nothing.
    if (name.empty()) {
        return L"";
    }
    for (const auto& key : kNamedKeys) {
        if (key.writtenByName && key.name == name) {
            const std::wstring code(key.code);
            return key.modifier ? code + kClose : kOpen + code + kClose;
        }
    }
    return storedFunctionKey(name, display);
}

// Display to stored, over the symbols of the display text. Positions are
// 1-based; a symbol runs from its "{" at pos to end - 1, where end - 1 is its
// "}" or, for a symbol the text leaves open, one past the last character.
class DisplayReader {
public:
    explicit DisplayReader(const std::wstring& display) : display_(display), walk_(display) {}

    std::wstring convert() {
        int pos = 1;
        int end = walk_.endAfter(pos);
        while (pos <= SymbolWalk::length(display_)) {
            if (charAt(display_, pos) != kOpen) {
                stored_ += charAt(display_, pos);
            } else {
                symbol(pos + 1, end);
            }
            pos = end;
            end = walk_.endAfter(end);
            shiftWasHeld_ = shiftHeld_;
        }
        if (shiftWasHeld_) {
            stored_ += kReleaseShift;
        }
        return stored_;
    }

private:
    // One symbol whose inner text starts at pos.
    void symbol(int pos, int end) {
        if (end - pos > kShortestShiftAwareSymbol) {
            shiftHeld_ =
                slice(display_, pos, pos + static_cast<int>(kShiftMark.size())) == kShiftMark;
            if (shiftHeld_ != shiftWasHeld_) {
                stored_ += shiftHeld_ ? kPressShift : kReleaseShift;
            }
            if (shiftHeld_) {
                pos += static_cast<int>(kShiftMark.size());
            }
        }
        int nameEnd = end - 1;
        if (end - pos > kShortestShiftAwareSymbol &&
            charAt(display_, end - kSuffixLength - 1) == kSuffixMark) {
            nameEnd = end - kSuffixLength - 1;
            modifierDirection(slice(display_, end - kSuffixLength, end - 1));
        }
        stored_ += storedKey(slice(display_, pos, nameEnd), display_);
    }

    void modifierDirection(const std::wstring& suffix) {
        if (suffix == kReleaseSuffix) {
            stored_ += {kOpen, kRelease};
        } else if (suffix == kPressSuffix) {
            stored_ += kOpen;
        } else {
            throw MacroProblem{L"Error parsing macro:\n" + display_};
        }
    }

    const std::wstring& display_;
    // One walk serves every symbol, so that long texts take linear time.
    SymbolWalk walk_;
    std::wstring stored_;
    bool shiftHeld_ = false;
    bool shiftWasHeld_ = false;
};

// Stored to display, one character or code at a time.
class StoredReader {
public:
    explicit StoredReader(const std::wstring& stored) : stored_(stored) {}

    std::wstring convert() {
        while (pos_ < stored_.size()) {
            step(stored_.at(pos_));
        }
        if (releasePending_ || inGroup_ || !shiftMark_.empty()) {
            throw MacroProblem{L"Warning: Unexpected end of registry macro:\n" + stored_};
        }
        return display_;
    }

private:
    void step(wchar_t c) {
        if (c == kOpen) {
            inGroup_ = true;
            releasePending_ = false;
            ++pos_;
        } else if (c == kClose) {
            inGroup_ = false;
            ++pos_;
            if (releasePending_) {
                throw MacroProblem{L"Warning: tilda without symbol in registry macro:\n" + stored_};
            }
        } else if (!inGroup_) {
            display_ += c;
            ++pos_;
        } else if (c == kRelease) {
            releasePending_ = true;
            ++pos_;
        } else if (c == kShiftCode) {
            shiftMark_ = releasePending_ ? std::wstring_view() : kShiftMark;
            releasePending_ = false;
            ++pos_;
        } else {
            code(c);
        }
    }

    void code(wchar_t c) {
        for (const auto& key : kNamedKeys) {
            if (startsWith(stored_, pos_, key.code)) {
                namedKey(key);
                pos_ += key.code.size();
                return;
            }
        }
        if (c >= kFirstFunctionKeyCode && c <= kLastFunctionKeyCode) {
            functionKey(c);
            return;
        }
        throw MacroProblem{L"Warning: Unrecognized symbol in registry macro:\n" +
                           stored_.substr(pos_, kLongestQuotedStoredText)};
    }

    void namedKey(const NamedKey& key) {
        if (key.modifier) {
            display_ += kOpen + std::wstring(key.name) + kSuffixMark +
                        std::wstring(releasePending_ ? kReleaseSuffix : kPressSuffix) + kClose;
            releasePending_ = false;
        } else {
            display_ += kOpen + std::wstring(shiftMark_) + std::wstring(key.name) + kClose;
        }
    }

    // F1 to F10, stored as press and release of one code; they never carry the
    // Shift mark. A text that ends right after the code lacks the release too.
    void functionKey(wchar_t c) {
        ++pos_;
        if (!startsWith(stored_, pos_, std::wstring{kRelease, c})) {
            throw MacroProblem{L"Warning: Missing 'function key up' symbol '~" +
                               std::wstring(1, c) + L"' in registry macro:\n" + stored_};
        }
        pos_ += 2;
        display_ += kOpen + std::wstring(1, kFunctionKeyPrefix) +
                    std::to_wstring(c - kFunctionKeyBase) + kClose;
    }

    const std::wstring& stored_;
    std::wstring display_;
    size_t pos_ = 0;
    bool inGroup_ = false;
    bool releasePending_ = false;
    std::wstring_view shiftMark_;
};

template <typename Reader>
std::wstring convertReporting(const std::wstring& text, MacroReporter& reporter) {
    try {
        return Reader(text).convert();
    } catch (const MacroProblem& problem) {
        reporter.report(problem.message);
        return L"";
    }
}

// Passes reports on and remembers that there was one.
class NoticingReporter : public MacroReporter {
public:
    explicit NoticingReporter(MacroReporter& next) : next_(next) {}
    void report(const std::wstring& message) override {
        reported = true;
        next_.report(message);
    }
    bool reported = false;

private:
    MacroReporter& next_;
};

std::wstring modifierSymbol(std::wstring_view name, std::wstring_view suffix) {
    return kOpen + std::wstring(name) + kSuffixMark + std::wstring(suffix) + kClose;
}

// The releases of the modifiers display leaves pressed, the last pressed
// released first. Displayed text holds a brace typed as a character only
// inside a symbol of its own ("{{}"), so a modifier's symbol is found by its text.
std::wstring releasesOfHeldModifiers(const std::wstring& display) {
    std::vector<std::pair<size_t, std::wstring_view>> held;
    for (const auto& key : kNamedKeys) {
        if (!key.modifier) {
            continue;
        }
        const auto pressed = display.rfind(modifierSymbol(key.name, kPressSuffix));
        const auto released = display.rfind(modifierSymbol(key.name, kReleaseSuffix));
        if (pressed != std::wstring::npos &&
            (released == std::wstring::npos || released < pressed)) {
            held.emplace_back(pressed, key.name);
        }
    }
    std::sort(held.rbegin(), held.rend());
    std::wstring releases;
    for (const auto& [position, name] : held) {
        releases += modifierSymbol(name, kReleaseSuffix);
    }
    return releases;
}

}  // namespace

FittedMacro FitMacro(const std::wstring& display, size_t longest, MacroReporter& reporter) {
    NoticingReporter noticing(reporter);
    FittedMacro fitted{display, MacroToRegistry(display, noticing)};
    std::wstring kept = display;
    while (!noticing.reported && fitted.stored.size() > longest) {
        kept.resize(static_cast<size_t>(SymbolStartBefore(kept, SymbolWalk::length(kept) - 1)));
        fitted.display = kept + releasesOfHeldModifiers(kept);
        fitted.stored = MacroToRegistry(fitted.display, noticing);
    }
    if (noticing.reported) {
        return {};
    }
    return fitted;
}

bool MacroConverts(const std::wstring& display, MacroReporter& reporter) {
    NoticingReporter noticing(reporter);
    MacroToRegistry(display, noticing);
    return !noticing.reported;
}

int SymbolEndAfter(const std::wstring& text, int n) {
    SymbolWalk walk(text);
    return walk.endAfter(n);
}

int SymbolStartBefore(const std::wstring& text, int n) {
    // Positions past the end have nothing to examine; the walk stops with the text.
    SymbolWalk walk(text);
    int lastEnd = 0;
    while (walk.position() < n && walk.next()) {
        if (walk.outsideSymbols()) {
            lastEnd = walk.position();
        }
    }
    return lastEnd;
}

std::wstring MacroToRegistry(const std::wstring& display, MacroReporter& reporter) {
    return convertReporting<DisplayReader>(display, reporter);
}

std::wstring MacroFromRegistry(const std::wstring& stored, MacroReporter& reporter) {
    return convertReporting<StoredReader>(stored, reporter);
}

}  // namespace setup
