#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/text.h"
#include "setup/actions/macro.h"
#include "tests/setup/actions/macro_model.h"

namespace setup {
namespace {

class RecordingReporter : public MacroReporter {
public:
    void report(const std::wstring& message) override { messages.push_back(message); }
    std::vector<std::wstring> messages;
};

using namespace macro_model;

std::vector<Element> randomMacro(std::mt19937& random) {
    std::uniform_int_distribution<size_t> length(0, 14);
    return makeMacro(length(random), [&](size_t n) { return random() % n; });
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
