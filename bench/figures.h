#pragma once

// How a benchmark hands one figure to bench/run, which gathers them all into
// one table and counts the targets met: a line
//   figure<TAB>what<TAB>value<TAB>target<TAB>met
// where met is "yes", "no", or "-" for a figure shown without a target.
#include <cstdio>
#include <optional>
#include <string>

namespace bench {

inline void printFigure(const std::wstring& what, const std::wstring& value,
                        const std::wstring& target = L"-", std::optional<bool> met = std::nullopt) {
    const wchar_t* verdict = !met ? L"-" : *met ? L"yes" : L"no";
    std::wprintf(L"figure\t%ls\t%ls\t%ls\t%ls\n", what.c_str(), value.c_str(), target.c_str(),
                 verdict);
    std::fflush(stdout);
}

// A number with the given decimals and an optional unit ("12.3 ms", "1.42x").
inline std::wstring formatted(double number, int decimals, const wchar_t* unit) {
    wchar_t text[64];
    std::swprintf(text, sizeof text / sizeof text[0], L"%.*f%ls", decimals, number, unit);
    return text;
}

}  // namespace bench
