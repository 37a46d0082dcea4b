#include "setup/actions/macro.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace setup {
namespace {

class RecordingReporter : public MacroReporter {
public:
    void report(const std::wstring& message) override { messages.push_back(message); }
    std::vector<std::wstring> messages;
};

struct Conversion {
    std::wstring from;
    std::wstring to;
};

void expectConversions(const std::vector<Conversion>& cases,
                       std::wstring (*convert)(const std::wstring&, MacroReporter&)) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        RecordingReporter reporter;
        EXPECT_EQ(convert(c.from, reporter), c.to);
        EXPECT_TRUE(reporter.messages.empty());
    }
}

void expectReports(const std::vector<Conversion>& cases,
                   std::wstring (*convert)(const std::wstring&, MacroReporter&)) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        RecordingReporter reporter;
        EXPECT_EQ(convert(c.from, reporter), L"") << "a reported macro converts to nothing";
        EXPECT_EQ(reporter.messages, std::vector<std::wstring>{c.to});
    }
}

TEST(MacroToRegistry, WritesTheStoredGroupsTheDriverPlays) {
    expectConversions(
        {
            {L"", L""},
            {L"abc 1", L"abc 1"},
            {L"{PgUp}", L"{yhy~h}"},
            {L"{Print}", L"{yiyVy~Vy~i}"},
            {L"{Backspace}{Tab}{Enter}{Pause}{Esc}", L"{-~-}{.~.}{;~;}{|@}{ ~ }"},
            {L"{PgDn}{End}{Home}{Left}{Up}{Right}{Down}{Ins}{Del}",
             L"{ypy~p}{yny~n}{yfy~f}{yjy~j}{ygy~g}{yly~l}{yoy~o}{yqy~q}{yry~r}"},
            {L"{F1}", L"{Z~Z}"},
            {L"{F5}", L"{^~^}"},
            {L"{F10}", L"{c~c}"},
            {L"{F11}", L"{v~v}"},
            {L"{F12}", L"{w~w}"},
            {L"{Ctrl-Dn}c{Ctrl-Up}", L"{<}c{~<}"},
            {L"{Alt-Dn}b{Alt-Up}", L"{W}b{~W}"},
            {L"{Win-Dn}{Win-Up}{Menu-Dn}{Menu-Up}", L"{|!}{~|!}{|#}{~|#}"},
            {L"a~I-b", L"a~I-b"},
        },
        MacroToRegistry);
}

TEST(MacroToRegistry, HoldsShiftAcrossShiftedSymbolsAndReleasesItOnce) {
    expectConversions(
        {
            {L"{Sh-PgUp}", L"{I}{yhy~h}{~I}"},
            {L"{Sh-Tab}", L"{I}{.~.}{~I}"},
            {L"{Sh-Tab}{Tab}", L"{I}{.~.}{.~.}{~I}"},
            {L"{Sh-F5}", L"{I}{^~^}{~I}"},
            {L"{Sh-PgUp}a{PgDn}", L"{I}{yhy~h}a{~I}{ypy~p}"},
            {L"{Sh-Left}{Sh-Right}", L"{I}{yjy~j}{yly~l}{~I}"},
            {L"{Up}{Sh-Up}{Up}", L"{ygy~g}{I}{ygy~g}{ygy~g}{~I}"},
            {L"{Sh-Home}{Ctrl-Dn}{End}", L"{I}{yfy~f}{~I}{<}{yny~n}"},
            {L"{Sh-Ctrl-Dn}", L"{I}{<}{~I}"},
        },
        MacroToRegistry);
}

TEST(MacroToRegistry, ASymbolLeftOpenEndsWithTheText) {
    expectConversions(
        {
            {L"ab{", L"ab"},
            {L"{Tab", L"{.~.}"},
            {L"{Sh-Home", L"{I}{yfy~f}{~I}"},
            {L"x{Ctrl-Dn", L"x{<}"},
        },
        MacroToRegistry);
}

TEST(MacroToRegistry, ReportsWhatItCannotEncodeWithTheWholeMacro) {
    expectReports(
        {
            {L"{Ctrl-Xx}", L"Error parsing macro:\n{Ctrl-Xx}"},
            {L"{Scroll Lock}",
             L"Error parsing macro, undefined symbol (Scroll Lock):\n{Scroll Lock}"},
            {L"a{{}", L"Error parsing macro, undefined symbol ({):\na{{}"},
            {L"{}}", L"Error parsing macro, undefined symbol (}):\n{}}"},
            {L"{}", L"Error parsing macro, undefined symbol (}):\n{}"},
            {L"{Sh-}", L"Error parsing macro, undefined symbol (Sh-):\n{Sh-}"},
            {L"{F999}", L"Error parsing macro, undefined symbol (F999):\n{F999}"},
            {L"{Tab}{Bogus}{Tab}",
             L"Error parsing macro, undefined symbol (Bogus):\n{Tab}{Bogus}{Tab}"},
        },
        MacroToRegistry);
}

TEST(MacroToRegistry, ReportsAFunctionKeyWithoutANumber) {
    expectReports(
        {
            {L"{Fxy}", L"Bad number format: xy"},
            {L"{F}", L"Bad number format: "},
            {L"{F1x}", L"Bad number format: 1x"},
            {L"{Sh-Fx}", L"Bad number format: x"},
            {L"a{Foo}b", L"Bad number format: oo"},
        },
        MacroToRegistry);
}

TEST(MacroToRegistry, ReportsOnlyTheFirstProblem) {
    RecordingReporter reporter;
    EXPECT_EQ(MacroToRegistry(L"{Fx}{Bogus}{Ctrl-Zz}", reporter), L"");
    EXPECT_EQ(reporter.messages, std::vector<std::wstring>{L"Bad number format: x"});
}

TEST(MacroFromRegistry, ReadsStoredGroupsAsNamedKeys) {
    expectConversions(
        {
            {L"", L""},
            {L"{c~c}", L"{F10}"},
            {L"{Z~Z}{^~^}", L"{F1}{F5}"},
            {L"{v~v}{w~w}", L"{F11}{F12}"},
            {L"{<W}", L"{Ctrl-Dn}{Alt-Dn}"},
            {L"{~<}", L"{Ctrl-Up}"},
            {L"{~<W}", L"{Ctrl-Up}{Alt-Dn}"},
            {L"{<}c{~<}", L"{Ctrl-Dn}c{Ctrl-Up}"},
            {L"{|!}{~|#}", L"{Win-Dn}{Menu-Up}"},
            {L"{yiyVy~Vy~i}{ ~ }{|@}", L"{Print}{Esc}{Pause}"},
            {L"{.~.yhy~h}", L"{Tab}{PgUp}"},
            {L"a~b I", L"a~b I"},
            {L"x}y", L"xy"},
        },
        MacroFromRegistry);
}

TEST(MacroFromRegistry, MarksNamedKeysPlayedWithShiftHeld) {
    expectConversions(
        {
            {L"{I}{.~.}{~I}", L"{Sh-Tab}"},
            {L"{I}{.~.}{.~.}{~I}", L"{Sh-Tab}{Sh-Tab}"},
            {L"{I}{^~^}{~I}", L"{F5}"},
            {L"{I}{v~v}{~I}", L"{Sh-F11}"},
            {L"{I}{yhy~h}{~I}{ypy~p}", L"{Sh-PgUp}{PgDn}"},
            {L"{I<.~.~I}", L"{Ctrl-Dn}{Sh-Tab}"},
            {L"{I~I}", L""},
        },
        MacroFromRegistry);
}

TEST(MacroFromRegistry, WarnsAboutMalformedStoredText) {
    expectReports(
        {
            {L"{~}", L"Warning: tilda without symbol in registry macro:\n{~}"},
            {L"{~.~.}", L"Warning: tilda without symbol in registry macro:\n{~.~.}"},
            {L"{I}a", L"Warning: Unexpected end of registry macro:\n{I}a"},
            {L"{<", L"Warning: Unexpected end of registry macro:\n{<"},
            {L"{~", L"Warning: Unexpected end of registry macro:\n{~"},
            {L"{Z~Y}", L"Warning: Missing 'function key up' symbol '~Z' in registry macro:\n{Z~Y}"},
            {L"{c", L"Warning: Missing 'function key up' symbol '~c' in registry macro:\n{c"},
            {L"{Z~", L"Warning: Missing 'function key up' symbol '~Z' in registry macro:\n{Z~"},
            {L"ab{<$x}", L"Warning: Unrecognized symbol in registry macro:\n$x}"},
            {L"{y}", L"Warning: Unrecognized symbol in registry macro:\ny}"},
            {L"{v~w}", L"Warning: Unrecognized symbol in registry macro:\nv~w}"},
        },
        MacroFromRegistry);
}

TEST(MacroFromRegistry, QuotesAtMostAHundredCharactersOfAnUnrecognizedSymbol) {
    const std::wstring tail = L"$" + std::wstring(99, L'x');
    RecordingReporter reporter;
    EXPECT_EQ(MacroFromRegistry(L"{" + tail + L"yz}", reporter), L"");
    EXPECT_EQ(reporter.messages, std::vector<std::wstring>{
                                     L"Warning: Unrecognized symbol in registry macro:\n" + tail});
}

struct ScanCase {
    std::wstring text;
    int n;
    int expected;
};

TEST(FitMacro, CutsWholeSymbolsAndReleasesEveryModifierTheKeptPartHolds) {
    struct Case {
        std::wstring display;
        size_t longest;
        std::wstring kept;
    };
    const Case cases[] = {
        {L"{Ctrl-Dn}c{Ctrl-Up}", 8, L"{Ctrl-Dn}c{Ctrl-Up}"},
        // "{<}c{~<}" is 8: one character less and the c goes, the release stays.
        {L"{Ctrl-Dn}c{Ctrl-Up}", 7, L"{Ctrl-Dn}{Ctrl-Up}"},
        {L"{Win-Dn}{Alt-Dn}x{Alt-Up}yzzzzz", 17, L"{Win-Dn}{Alt-Dn}x{Alt-Up}{Win-Up}"},
        {L"{Alt-Dn}{Win-Dn}xyzzzzzzzz", 16, L"{Alt-Dn}{Win-Dn}{Win-Up}{Alt-Up}"},
        {L"{Sh-PgUp}{Sh-PgUp}ab", 18, L"{Sh-PgUp}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.display + L" within " + std::to_wstring(c.longest));
        RecordingReporter reporter;
        const auto fitted = FitMacro(c.display, c.longest, reporter);
        EXPECT_EQ(fitted.display, c.kept);
        EXPECT_EQ(fitted.stored, MacroToRegistry(c.kept, reporter));
        EXPECT_LE(fitted.stored.size(), c.longest);
        EXPECT_TRUE(reporter.messages.empty());
    }
}

TEST(FitMacro, AMacroTheConverterRejectsIsReportedOnceAndFitsAsEmpty) {
    RecordingReporter reporter;
    const auto fitted = FitMacro(L"{Sh-}", 99, reporter);
    EXPECT_EQ(fitted.display, L"");
    EXPECT_EQ(fitted.stored, L"");
    EXPECT_EQ(reporter.messages.size(), 1u);
}

TEST(SymbolScan, EndAfterGivesThePositionPastTheSymbolHoldingN) {
    const std::vector<ScanCase> cases = {
        {L"abc", 1, 2},       {L"abc", 3, 4},    {L"abc", 0, 2},    {L"abc", -5, 2},
        {L"abc", 10, 5},      {L"", 1, 2},       {L"{Tab}x", 1, 6}, {L"{Tab}x", 3, 6},
        {L"{Tab}x", 5, 6},    {L"{Tab}x", 6, 7}, {L"{Tab", 1, 6},   {L"{{}a", 1, 4},
        {L"{}}", 1, 4},       {L"{}", 1, 4},     {L"a{}", 2, 5},    {L"}a", 1, 4},
        {L"a{Sh-Up}b", 4, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + L" at " + std::to_wstring(c.n));
        EXPECT_EQ(SymbolEndAfter(c.text, c.n), c.expected);
    }
}

TEST(SymbolScan, StartBeforeGivesTheLastSymbolEndUpToN) {
    const std::vector<ScanCase> cases = {
        {L"{Tab}x", 0, 0},   {L"{Tab}x", 4, 0},   {L"{Tab}x", 5, 5},   {L"{Tab}x", 6, 6},
        {L"{Tab}x", 100, 6}, {L"ab{PgUp}", 2, 2}, {L"ab{PgUp}", 7, 2}, {L"ab{PgUp}", 8, 8},
        {L"{{}", 2, 0},      {L"{{}", 3, 3},      {L"{}}", 2, 0},      {L"", 5, 0},
        {L"abc", -1, 0},     {L"{Tab", 4, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + L" at " + std::to_wstring(c.n));
        EXPECT_EQ(SymbolStartBefore(c.text, c.n), c.expected);
    }
}

}  // namespace
}  // namespace setup
