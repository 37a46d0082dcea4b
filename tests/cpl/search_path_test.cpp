#include "cpl/search_path.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace cpl
