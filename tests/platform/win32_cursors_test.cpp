#include "platform/win32/win32_cursors.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/platform/cursors_contract.h"
#include "tests/platform/win32_temp_directory.h"
#include "tests/test_paths.h"

namespace platform {
namespace contract {

class Win32CursorsWorld {
public:
    Cursors& cursors() { return cursors_; }
    std::wstring pathOf(const std::wstring& name) const {
        return joinPath(directory_.path(), name);
    }
    std::wstring place(const std::wstring& name, const std::string& bytes) {
        return directory_.writeFile(name, bytes);
    }

private:
    test_support::TempDirectory directory_;
    Win32Cursors cursors_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, CursorsContract, Win32CursorsWorld);

}  // namespace contract

namespace {

// The width of a cursor's image as the system holds it.
int cursorWidth(CursorHandle cursor) {
    ICONINFO info{};
    if (!GetIconInfo(reinterpret_cast<HICON>(cursor), &info)) {
        return 0;
    }
    BITMAP bitmap{};
    GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    return bitmap.bmWidth;
}

TEST(Win32Cursors, AnOversizedCursorLoadsAtTheSystemsCursorSize) {
    test_support::TempDirectory directory;
    Win32Cursors cursors;
    const auto path = directory.writeFile(L"big.cur", test_support::monochromeCursorFile(64, 0, 0));
    const auto cursor = cursors.loadFromFile(path);
    ASSERT_NE(cursor, kNoCursor);
    EXPECT_EQ(cursorWidth(cursor), cursors.metrics().cursorWidth);
    cursors.destroy(cursor);
}

TEST(Win32Cursors, TheProgramsDefaultCursorsAndTheAnimationLoad) {
    Win32Cursors cursors;
    std::vector<std::string> names{"Spinner.ani"};
    for (int n = 1; n <= kCursorKindCount; ++n) {
        names.push_back("P" + std::to_string(n) + ".cur");
    }
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        const auto cursor =
            cursors.loadFromFile(fromUtf8(sourceTreePath("standins/cursors/" + name)));
        EXPECT_NE(cursor, kNoCursor);
        EXPECT_EQ(cursorWidth(cursor), cursors.metrics().cursorWidth);
        cursors.destroy(cursor);
    }
}

}  // namespace
}  // namespace platform
