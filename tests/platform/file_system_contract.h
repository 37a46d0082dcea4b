#pragma once

// The behaviour every FileSystem shares. Each world gives a file system and an
// empty directory in it where the test can make directories and files.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/text.h"

namespace platform::contract {

template <typename World>
class FileSystemContract : public ::testing::Test {
protected:
    FileSystem& files() { return world_.files(); }
    std::wstring path(const std::wstring& relative) { return joinPath(world_.root(), relative); }

    // A test's own names (non-ASCII ones too) for a small tree.
    void makeTree() {
        for (const auto* name : {L"beta", L"Alpha", L"gamma"}) {
            world_.makeDirectory(name);
        }
        world_.makeFile(L"b.cur", "b");
        world_.makeFile(L"A.CUR", "a");
        world_.makeFile(L"c.ani", "c");
        world_.makeFile(accented(), "e");
    }

    static std::wstring accented() {
        return fromUtf8(
            "\xC3\x89"
            "diteur.cur");
    }

    World world_;
};

TYPED_TEST_SUITE_P(FileSystemContract);

TYPED_TEST_P(FileSystemContract, ListingsAreSortedWithoutRegardToCase) {
    this->makeTree();
    EXPECT_EQ(this->files().subdirectories(this->world_.root()),
              (std::vector<std::wstring>{L"Alpha", L"beta", L"gamma"}));
    EXPECT_EQ(this->files().files(this->world_.root()),
              (std::vector<std::wstring>{L"A.CUR", L"b.cur", L"c.ani", this->accented()}));
}

TYPED_TEST_P(FileSystemContract, ExistenceTellsFilesFromDirectories) {
    this->makeTree();
    auto& files = this->files();
    struct Case {
        std::wstring path;
        bool isFile;
        bool isDirectory;
    };
    const Case cases[] = {
        {this->path(L"b.cur"), true, false},
        {this->path(L"B.CUR"), true, false},
        {this->path(L"Alpha"), false, true},
        {this->path(L"ALPHA\\"), false, true},
        {this->path(L"missing"), false, false},
        {this->path(L"missing\\b.cur"), false, false},
        {this->path(L"b.cur\\inside"), false, false},
        {this->path(L"alpha\\..\\A.cur"), true, false},
        {this->world_.root(), false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.path));
        EXPECT_EQ(files.fileExists(c.path), c.isFile);
        EXPECT_EQ(files.directoryExists(c.path), c.isDirectory);
    }
}

TYPED_TEST_P(FileSystemContract, ListingSomethingThatIsNoDirectoryGivesNothing) {
    this->makeTree();
    EXPECT_TRUE(this->files().files(this->path(L"missing")).empty());
    EXPECT_TRUE(this->files().subdirectories(this->path(L"b.cur")).empty());
    EXPECT_TRUE(this->files().files(this->path(L"Alpha")).empty());
}

TYPED_TEST_P(FileSystemContract, ReadsEveryByteInOrder) {
    std::string bytes;
    for (int i = 0; i < 10000; ++i) {
        bytes += static_cast<char>((i * 7) % 256);  // zero bytes included
    }
    this->world_.makeFile(L"data.bin", bytes);
    auto reader = this->files().openRead(this->path(L"DATA.BIN"));
    ASSERT_NE(reader, nullptr);
    std::string back;
    uint8_t block[256];
    for (size_t got; (got = reader->read(block, sizeof block)) > 0;) {
        back.append(reinterpret_cast<const char*>(block), got);
    }
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(reader->read(block, sizeof block), 0u) << "the end stays the end";
    EXPECT_EQ(readWholeFile(this->files(), this->path(L"data.bin")), bytes);
}

TYPED_TEST_P(FileSystemContract, OnlyExistingFilesOpen) {
    this->makeTree();
    EXPECT_EQ(this->files().openRead(this->path(L"missing.cur")), nullptr);
    EXPECT_EQ(this->files().openRead(this->path(L"Alpha")), nullptr);
    EXPECT_EQ(readWholeFile(this->files(), this->path(L"missing.cur")), std::nullopt);
    const auto empty = this->world_.makeFile(L"empty.cur", "");
    EXPECT_EQ(readWholeFile(this->files(), empty), std::string());
}

TYPED_TEST_P(FileSystemContract, DrivesStartWithTheSystemDrive) {
    const auto drives = this->files().drives();
    ASSERT_FALSE(drives.empty());
    EXPECT_NE(std::find(drives.begin(), drives.end(), L"C:\\"), drives.end());
    EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));
    for (const auto& drive : drives) {
        SCOPED_TRACE(toUtf8(drive));
        EXPECT_EQ(drive.size(), 3u);
        EXPECT_TRUE(this->files().directoryExists(drive));
    }
}

REGISTER_TYPED_TEST_SUITE_P(FileSystemContract, ListingsAreSortedWithoutRegardToCase,
                            ExistenceTellsFilesFromDirectories,
                            ListingSomethingThatIsNoDirectoryGivesNothing, ReadsEveryByteInOrder,
                            OnlyExistingFilesOpen, DrivesStartWithTheSystemDrive);

}  // namespace platform::contract
