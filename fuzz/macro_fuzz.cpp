// Keystroke macros in both notations: the display text users type and the
// stored text the driver plays.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "setup/actions/macro.h"
#include "tests/setup/actions/macro_model.h"

namespace {

using namespace setup;

// Symbol scans are quadratic over every position; long inputs are sampled.
constexpr int kPositionsScanned = 16;

using Converter = std::wstring (*)(const std::wstring&, MacroReporter&);

// Any text at all: no read past the end (the converters use checked access, so
// a slip throws and ends the run), at most one report, and a report means an
// empty result.
std::wstring convertChecked(Converter convert, const std::wstring& text, bool& reported) {
    fuzz::RecordingReporter reporter;
    const auto result = convert(text, reporter);
    fuzz::check(reporter.messages.size() <= 1, "a conversion reports at most once", text);
    reported = !reporter.messages.empty();
    fuzz::check(!reported || result.empty(), "a reported conversion gives nothing", text);
    return result;
}

void checkSymbolScans(const std::wstring& text) {
    const int size = static_cast<int>(text.size());
    const int step = std::max(1, size / kPositionsScanned);
    for (int n = -1; n <= size + 2; n += step) {
        const int start = SymbolStartBefore(text, n);
        fuzz::check(start >= 0 && start <= std::min(std::max(n, 0), size),
                    "a symbol start lies inside the text and not after n", text);
        if (n <= size + 1) {
            const int end = SymbolEndAfter(text, n);
            fuzz::check(end > std::max(n, 1) && end <= size + 2,
                        "a symbol end lies after n and at most just past the text", text);
        }
    }
}

// Display text the program made (read from stored text) converts to stored
// text that reads back, and what it reads back as is stable.
void checkReadBackIsStable(const std::wstring& display, const std::wstring& origin) {
    bool reported = false;
    const auto stored = convertChecked(MacroToRegistry, display, reported);
    fuzz::check(!reported, "display text the program made converts", origin);
    const auto back = convertChecked(MacroFromRegistry, stored, reported);
    fuzz::check(!reported, "stored text the program wrote reads back", origin);
    const auto storedAgain = convertChecked(MacroToRegistry, back, reported);
    fuzz::check(!reported, "a macro read back converts again", origin);
    const auto again = convertChecked(MacroFromRegistry, storedAgain, reported);
    fuzz::check(!reported && again == back, "a macro read back is stable", origin);
}

// The input as the choices of a macro the capture editor could record.
void checkRecordableMacro(const uint8_t* data, size_t size) {
    size_t next = 0;
    auto pick = [&](size_t n) { return next < size ? data[next++] % n : 0; };
    const auto elements = macro_model::makeMacro(pick(size + 1), pick);
    const auto text = macro_model::display(elements);
    bool reported = false;
    const auto stored = convertChecked(MacroToRegistry, text, reported);
    fuzz::check(!reported, "a recordable macro converts", text);
    const auto back = convertChecked(MacroFromRegistry, stored, reported);
    fuzz::check(!reported && back == macro_model::expectedAfterRoundTrip(elements),
                "a recordable macro comes back as played", text);
    checkReadBackIsStable(back, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto text = fuzz::textOf(data, size);
    bool reported = false;
    const auto stored = convertChecked(MacroToRegistry, text, reported);
    if (!reported) {
        // Display text outside what the capture editor records ("{F0}", a
        // lone "}") converts as the converter's rules say but need not read
        // back; reading back is checked on display text the program made.
        convertChecked(MacroFromRegistry, stored, reported);
    }
    const auto display = convertChecked(MacroFromRegistry, text, reported);
    if (!reported) {
        checkReadBackIsStable(display, text);
    }
    checkSymbolScans(text);
    checkRecordableMacro(data, size);
    return 0;
}
