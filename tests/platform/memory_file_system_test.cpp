#include "platform/memory/memory_file_system.h"

#include <gtest/gtest.h>

#include "platform/errors.h"
#include "tests/platform/file_system_contract.h"

namespace platform {
namespace contract {

class MemoryFileSystemWorld {
public:
    MemoryFileSystemWorld() { files_.addDirectory(root()); }
    FileSystem& files() { return files_; }
    std::wstring root() const { return L"C:\\TarvexTest"; }
    void makeDirectory(const std::wstring& name) { files_.addDirectory(joinPath(root(), name)); }
    std::wstring makeFile(const std::wstring& name, const std::string& bytes) {
        files_.addFile(joinPath(root(), name), bytes);
        return joinPath(root(), name);
    }

private:
    MemoryFileSystem files_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, FileSystemContract, MemoryFileSystemWorld);

}  // namespace contract

namespace {

TEST(MemoryFileSystem, AcceptsTheSpellingsWindowsAccepts) {
    MemoryFileSystem files;
    files.addFile(L"C:\\Program Files\\Orvane\\p\\P1.cur", "x");
    for (const std::wstring path :
         {L"c:/program files/orvane/p/p1.cur", L"C:\\Program Files\\Orvane\\\\p\\P1.cur",
          L"C:\\Program Files\\Orvane\\.\\p\\P1.cur",
          L"C:\\Windows\\..\\Program Files\\Orvane\\p\\P1.cur"}) {
        SCOPED_TRACE(toUtf8(path));
        EXPECT_TRUE(files.fileExists(path));
    }
    EXPECT_FALSE(files.fileExists(L"\\Program Files\\Orvane\\p\\P1.cur")) << "no drive";
    EXPECT_FALSE(files.fileExists(L"CC:\\Program Files\\Orvane\\p\\P1.cur"));
}

TEST(MemoryFileSystem, DrivesAppearWhenSomethingIsMadeOnThem) {
    MemoryFileSystem files;
    EXPECT_TRUE(files.drives().empty());
    files.addDirectory(L"d:\\Data");
    files.addDirectory(L"C:\\");
    EXPECT_EQ(files.drives(), (std::vector<std::wstring>{L"C:\\", L"D:\\"}));
}

TEST(MemoryFileSystem, ALockedFileIsListedButDoesNotOpen) {
    MemoryFileSystem files;
    files.addFile(L"C:\\Windows\\Cursors\\arrow.cur", "x");
    files.lockFile(L"C:\\Windows\\Cursors\\ARROW.CUR");
    EXPECT_EQ(files.files(L"C:\\Windows\\Cursors"), std::vector<std::wstring>{L"arrow.cur"});
    EXPECT_EQ(files.openRead(L"C:\\Windows\\Cursors\\arrow.cur"), nullptr);
    EXPECT_EQ(files.openCount(), 1u);
}

TEST(MemoryFileSystem, RemovingADirectoryTakesEverythingBelowIt) {
    MemoryFileSystem files;
    files.addFile(L"C:\\Windows\\Cursors\\arrow.cur", "x");
    EXPECT_TRUE(files.remove(L"C:\\windows"));
    EXPECT_FALSE(files.fileExists(L"C:\\Windows\\Cursors\\arrow.cur"));
    EXPECT_TRUE(files.directoryExists(L"C:\\"));
    EXPECT_FALSE(files.remove(L"C:\\Windows"));
}

TEST(MemoryFileSystem, AReaderKeepsTheBytesItWasOpenedWith) {
    MemoryFileSystem files;
    files.addFile(L"C:\\a.bin", "old");
    auto reader = files.openRead(L"C:\\a.bin");
    files.addFile(L"C:\\A.BIN", "newer");
    uint8_t buffer[8];
    EXPECT_EQ(reader->read(buffer, sizeof buffer), 3u);
    EXPECT_EQ(readWholeFile(files, L"C:\\a.bin"), "newer");
}

TEST(MemoryFileSystem, FilesAndDirectoriesCannotTakeEachOthersPlace) {
    MemoryFileSystem files;
    files.addFile(L"C:\\a\\b", "x");
    EXPECT_THROW(files.addFile(L"C:\\a\\b\\c", "y"), Error);
    EXPECT_THROW(files.addFile(L"C:\\A", "y"), Error);
    EXPECT_THROW(files.addDirectory(L"relative\\path"), Error);
}

TEST(JoinPath, AddsOneSeparatorOnly) {
    EXPECT_EQ(joinPath(L"C:\\Orvane", L"p"), L"C:\\Orvane\\p");
    EXPECT_EQ(joinPath(L"C:\\", L"p"), L"C:\\p");
    EXPECT_EQ(joinPath(L"C:/x/", L"p"), L"C:/x/p");
    EXPECT_EQ(joinPath(L"", L"p"), L"p");
}

TEST(SortNamesWithoutCase, NamesDifferingOnlyInCaseComeInAFixedOrder) {
    std::vector<std::wstring> names{L"b", L"a.cur", L"A.cur", L"B"};
    sortNamesWithoutCase(names);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"A.cur", L"a.cur", L"B", L"b"}));
}

}  // namespace
}  // namespace platform
