#include "cpl/search_path.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace cpl {
namespace {

TEST(SearchPath, GivenDirectoriesComeFirstThenPath) {
    EXPECT_EQ(searchPathWithoutCurrentDirectory({L"C:\\app", L"C:\\windows\\system32"},
                                                L"D:\\tools;C:\\bin"),
              L"C:\\app;C:\\windows\\system32;D:\\tools;C:\\bin");
}

TEST(SearchPath, EmptyGivenDirectoriesAreLeftOut) {
    EXPECT_EQ(searchPathWithoutCurrentDirectory({L"", L"C:\\app", L""}, L""), L"C:\\app");
}

TEST(SearchPath, PathEntriesThatDependOnTheCurrentDirectoryAreLeftOut) {
    struct Case {
        std::wstring entry;
        bool kept;
    };
    const Case cases[] = {
        {L"C:\\tools", true},
        {L"c:/tools", true},
        {L"\\\\server\\share", true},
        {L"//server/share", true},
        {L".", false},
        {L"..\\lib", false},
        {L"lib", false},
        {L"C:lib", false},
        {L"\\lib", false},
        {L"", false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.entry.begin(), row.entry.end()));
        const std::wstring expected = row.kept ? L"C:\\app;" + row.entry : L"C:\\app";
        EXPECT_EQ(searchPathWithoutCurrentDirectory({L"C:\\app"}, row.entry), expected);
        EXPECT_EQ(searchPathWithoutCurrentDirectory({L"C:\\app"}, row.entry + L";D:\\x"),
                  expected + L";D:\\x");
    }
}

TEST(SearchPath, EmptyPathEntriesAreSkipped) {
    EXPECT_EQ(searchPathWithoutCurrentDirectory({}, L";;C:\\a;;C:\\b;"), L"C:\\a;C:\\b");
}

// Where the setup program may be registered or installed, as the forwarder
// tries the places in turn.
TEST(SearchPath, TheFirstExistingFileNamedByAnAbsolutePathIsTaken) {
    const std::vector<std::wstring> existing = {L"C:\\Program Files\\Orvane\\tarvex.exe",
                                                L"C:\\Orvane\\tarvex.exe", L"tarvex.exe",
                                                L"\\tarvex.exe"};
    const auto exists = [&](const std::wstring& path) {
        return std::find(existing.begin(), existing.end(), path) != existing.end();
    };
    struct Case {
        std::vector<std::wstring> candidates;
        std::wstring found;
    };
    const Case cases[] = {
        {{L"", unquotedPath(L"\"C:\\Program Files\\Orvane\\tarvex.exe\""),
          pathInDirectory(L"C:\\Orvane\\", L"tarvex.exe")},
         L"C:\\Program Files\\Orvane\\tarvex.exe"},
        {{L"", L"", pathInDirectory(L"C:\\Orvane", L"tarvex.exe")}, L"C:\\Orvane\\tarvex.exe"},
        {{L"", L"C:\\Gone\\tarvex.exe", pathInDirectory(L"C:\\Orvane\\", L"tarvex.exe")},
         L"C:\\Orvane\\tarvex.exe"},
        {{L"", unquotedPath(L"tarvex.exe"), pathInDirectory(L"", L"tarvex.exe")}, L""},
        {{L"\\tarvex.exe", unquotedPath(L"\"\""), L"\"C:\\Orvane\\tarvex.exe\""}, L""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.found.begin(), row.found.end()));
        EXPECT_EQ(firstExistingFile(row.candidates, exists), row.found);
    }
}

}  // namespace
}  // namespace cpl
