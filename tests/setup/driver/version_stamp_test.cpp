#include "setup/driver/version_stamp.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_file_system.h"

namespace setup {
namespace {

std::string stampOf(std::initializer_list<int> numbers) {
    std::string bytes = "137VERSION";
    for (const int n : numbers) {
        bytes += static_cast<char>(n);
    }
    return bytes;
}

class VersionStamp : public ::testing::Test {
protected:
    std::wstring read(const std::string& bytes, int n) {
        files_.addFile(L"C:\\Windows\\System\\Orvdrv.vxd", bytes);
        return readVersionStamp(files_, L"C:\\Windows\\System\\Orvdrv.vxd", n);
    }
    platform::MemoryFileSystem files_;
};

TEST_F(VersionStamp, NumbersAfterTheMarkerJoinedByDots) {
    EXPECT_EQ(read("MZ..." + stampOf({3, 14}) + "tail", 2), L"3.14");
    EXPECT_EQ(read(stampOf({1, 0, 0, 7}), 4), L"1.0.0.7");
    EXPECT_EQ(read(stampOf({255, 0, 128, 9, 1}), 5), L"255.0.128.9.1") << "bytes are unsigned";
}

TEST_F(VersionStamp, FindsAStampAcrossEveryBlockBoundary) {
    for (size_t offset = 240; offset <= 262; ++offset) {
        SCOPED_TRACE(offset);
        EXPECT_EQ(read(std::string(offset, 'x') + stampOf({4, 2}) + std::string(300, 'y'), 2),
                  L"4.2");
        EXPECT_EQ(read(std::string(offset, 'x') + stampOf({4, 2}), 2), L"4.2") << "at the very end";
    }
}

TEST_F(VersionStamp, AMarkerWithTooFewBytesAfterItIsNotTaken) {
    EXPECT_EQ(read(std::string(300, 'x') + stampOf({4}), 2), L"----");
    EXPECT_EQ(read(stampOf({1, 2}) + std::string(600, 'x') + stampOf({4}), 2), L"1.2")
        << "an earlier complete stamp still counts";
    EXPECT_EQ(read(std::string(500, 'x') + stampOf({1, 0, 0}), 4), L"----");
}

TEST_F(VersionStamp, TheFirstStampWins) {
    EXPECT_EQ(read(stampOf({1, 2}) + stampOf({3, 4}), 2), L"1.2");
    EXPECT_EQ(read("137VERSIO" + stampOf({5, 6}), 2), L"5.6") << "a broken marker is passed over";
}

TEST_F(VersionStamp, MissingFilesAndBadCounts) {
    EXPECT_EQ(readVersionStamp(files_, L"C:\\nowhere.vxd", 2), L"----");
    EXPECT_EQ(read("no stamp here", 2), L"----");
    EXPECT_EQ(read("", 2), L"----");
    EXPECT_EQ(read(stampOf({1, 2, 3, 4, 5, 6}), 1), L"****");
    EXPECT_EQ(read(stampOf({1, 2, 3, 4, 5, 6}), 6), L"****");
    EXPECT_EQ(readVersionStamp(files_, L"C:\\nowhere.vxd", 9), L"----")
        << "an unreadable file is reported before a bad count";
}

TEST_F(VersionStamp, TheProgramCarriesItsOwnStamp) {
    const std::string own(reinterpret_cast<const char*>(kProgramVersionStamp),
                          sizeof kProgramVersionStamp);
    EXPECT_EQ(read(own, 4), L"1.0.0.7");
}

}  // namespace
}  // namespace setup
