#include "platform/memory/memory_cursors.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/memory/memory_file_system.h"
#include "tests/platform/cursors_contract.h"
#include "tests/test_paths.h"

namespace platform {
namespace contract {

class MemoryCursorsWorld {
public:
    Cursors& cursors() { return cursors_; }
    std::wstring pathOf(const std::wstring& name) const { return L"C:\\Cursors\\" + name; }
    std::wstring place(const std::wstring& name, const std::string& bytes) {
        files_.addFile(pathOf(name), bytes);
        return pathOf(name);
    }

private:
    MemoryFileSystem files_;
    MemoryCursors cursors_{files_};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, CursorsContract, MemoryCursorsWorld);

}  // namespace contract

namespace {

using test_support::monochromeCursorFile;

const std::wstring kArrowPath = L"C:\\Orvane\\p\\P1.cur";

class MemoryCursorsTest : public ::testing::Test {
protected:
    void SetUp() override { files_.addFile(kArrowPath, monochromeCursorFile(32, 0, 0)); }

    MemoryFileSystem files_;
    MemoryCursors cursors_{files_};
};

TEST_F(MemoryCursorsTest, CountsLiveCursorsSoThatLeaksShow) {
    const auto first = cursors_.loadFromFile(kArrowPath);
    const auto copy = cursors_.copy(first);
    EXPECT_EQ(cursors_.liveCount(), 2u);
    cursors_.destroy(first);
    EXPECT_EQ(cursors_.liveCount(), 1u);
    EXPECT_FALSE(cursors_.isLive(first));
    EXPECT_TRUE(cursors_.isLive(copy));
    cursors_.programCursor(CursorKind::Arrow);
    EXPECT_EQ(cursors_.liveCount(), 1u) << "the system's shared cursors are not counted";
    EXPECT_TRUE(cursors_.faults().empty());
}

TEST_F(MemoryCursorsTest, ACopyRemembersTheFileOfItsOriginal) {
    const auto original = cursors_.loadFromFile(kArrowPath);
    const auto copy = cursors_.copy(original);
    cursors_.destroy(original);
    EXPECT_EQ(cursors_.sourceFile(copy), kArrowPath);
    EXPECT_EQ(cursors_.sourceFile(original), L"") << "a destroyed cursor has no file";
}

TEST_F(MemoryCursorsTest, MisuseIsRecordedWithTheHandleAndItsFile) {
    const auto loaded = cursors_.loadFromFile(kArrowPath);
    const auto shown = cursors_.loadFromFile(kArrowPath);
    cursors_.setProgramCursor(CursorKind::Cross, shown);
    cursors_.destroy(loaded);

    cursors_.destroy(loaded);
    cursors_.destroy(0xBAD);
    cursors_.destroy(cursors_.programCursor(CursorKind::Arrow));
    cursors_.destroy(shown);
    EXPECT_EQ(cursors_.copy(loaded), kNoCursor);

    const auto& faults = cursors_.faults();
    ASSERT_EQ(faults.size(), 5u);
    EXPECT_EQ(faults[0], L"destroyed a cursor twice: cursor " + std::to_wstring(loaded) + L" (" +
                             kArrowPath + L")");
    EXPECT_EQ(faults[1], L"destroyed an unknown cursor: cursor " + std::to_wstring(0xBAD));
    EXPECT_NE(faults[2].find(L"shared system cursor"), std::wstring::npos);
    EXPECT_NE(faults[3].find(L"still show"), std::wstring::npos);
    EXPECT_NE(faults[4].find(L"copied a cursor that is not live"), std::wstring::npos);
}

TEST_F(MemoryCursorsTest, TheProgramOwnsTheCursorsItIsGiven) {
    const auto first = cursors_.loadFromFile(kArrowPath);
    const auto second = cursors_.loadFromFile(kArrowPath);
    cursors_.setProgramCursor(CursorKind::Help, first);
    cursors_.setProgramCursor(CursorKind::Help, first);
    EXPECT_TRUE(cursors_.isLive(first)) << "giving the same cursor again keeps it";
    cursors_.setProgramCursor(CursorKind::Help, second);
    EXPECT_FALSE(cursors_.isLive(first)) << "the replaced cursor is destroyed";
    cursors_.setProgramCursor(CursorKind::Help, kNoCursor);
    EXPECT_EQ(cursors_.liveCount(), 0u);
    EXPECT_TRUE(cursors_.faults().empty());
}

TEST_F(MemoryCursorsTest, HeadersThatAreNotThoseOfACursorAreRefused) {
    const std::string valid = monochromeCursorFile(32, 0, 0);
    const auto patched = [&](size_t at, char byte, size_t count = 1) {
        std::string bytes = valid;
        bytes.replace(at, count, count, byte);
        return bytes;
    };
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"reserved field set", patched(0, 1)},
        {"an icon, not a cursor", patched(2, 1)},
        {"no images", patched(4, 0)},
        {"more images than entries", patched(4, 2)},
        {"an image of no bytes", patched(14, 0, 4)},
        {"riff of another kind", test_support::riffChunk("RIFF", "WAVE")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        files_.addFile(L"C:\\bad.cur", c.bytes);
        EXPECT_EQ(cursors_.loadFromFile(L"C:\\bad.cur"), kNoCursor);
    }
}

TEST_F(MemoryCursorsTest, AnAnimationNeedsItsHeaderAndValidFrames) {
    const std::string frame = monochromeCursorFile(32, 0, 0);
    std::string badFrame = frame;
    badFrame[2] = 1;
    const std::string withoutHeader = test_support::riffChunk(
        "RIFF",
        "ACON" + test_support::riffChunk("LIST", "fram" + test_support::riffChunk("icon", frame)));
    files_.addFile(L"C:\\a.ani", withoutHeader);
    EXPECT_EQ(cursors_.loadFromFile(L"C:\\a.ani"), kNoCursor);
    files_.addFile(L"C:\\a.ani", test_support::animatedCursorFile({frame, badFrame}, 32));
    EXPECT_EQ(cursors_.loadFromFile(L"C:\\a.ani"), kNoCursor);
    files_.addFile(L"C:\\a.ani", test_support::animatedCursorFile({frame, frame}, 32));
    EXPECT_NE(cursors_.loadFromFile(L"C:\\a.ani"), kNoCursor);
}

TEST_F(MemoryCursorsTest, ALockedFileDoesNotLoad) {
    files_.lockFile(kArrowPath);
    EXPECT_EQ(cursors_.loadFromFile(kArrowPath), kNoCursor);
}

std::string sourceTreeFile(const std::string& relative) {
    std::ifstream in(sourceTreePath(relative), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(ProgramCursorFiles, TheFourteenDefaultsAndTheAnimationAreCursors) {
    MemoryFileSystem files;
    MemoryCursors cursors(files);
    std::vector<std::string> names{"Spinner.ani"};
    for (int n = 1; n <= kCursorKindCount; ++n) {
        names.push_back("P" + std::to_string(n) + ".cur");
    }
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        const auto bytes = sourceTreeFile("standins/cursors/" + name);
        ASSERT_FALSE(bytes.empty());
        const auto path = L"C:\\p\\" + fromUtf8(name);
        files.addFile(path, bytes);
        EXPECT_NE(cursors.loadFromFile(path), kNoCursor);
    }
}

}  // namespace
}  // namespace platform
