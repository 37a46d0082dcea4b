// The stand-in driver library as the program meets it: loaded by path, called
// through its undecorated C entry, journalling what the driver would reread.

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/reg_file.h"
#include "platform/text.h"
#include "platform/win32/win32_registry.h"
#include "standins/orvdll/journal.h"
#include "tests/platform/win32_temp_directory.h"

namespace standins {
namespace {

using platform::RegistryRoot;
using SendUtilMessage = int(int, int);
using UtilMessageCount = long();

const std::wstring kDriverKey = L"SOFTWARE\\Orvane";

std::wstring libraryPath() {
    std::wstring path = platform::fromUtf8(ORVDLL_PATH);
    for (auto& c : path) {
        c = c == L'/' ? L'\\' : c;
    }
    return path;
}

std::vector<std::vector<JournalField>> journalLines(const std::wstring& path) {
    std::ifstream in(platform::toUtf8(path).c_str(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const auto text = platform::fromUtf8(bytes.str());
    std::vector<std::vector<JournalField>> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find(L"\r\n", start);
        lines.push_back(parseJournalLine(text.substr(start, end - start)));
        start = end == std::wstring::npos ? text.size() : end + 2;
    }
    return lines;
}

// Each test gets the driver key of its own and a journal in a fresh directory;
// whatever the key held before comes back afterwards.
class StandInDriverLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = platform::exportRegText(registry_, RegistryRoot::LocalMachine, kDriverKey,
                                         platform::RegFormat::Regedit5);
        registry_.deleteKey(RegistryRoot::LocalMachine, kDriverKey);
        SetEnvironmentVariableW(L"ORVDLL_JOURNAL", journal_.c_str());
        SetEnvironmentVariableW(L"ORVDLL_COUNT_ONLY", nullptr);
    }
    void TearDown() override {
        unload();
        SetEnvironmentVariableW(L"ORVDLL_JOURNAL", nullptr);
        SetEnvironmentVariableW(L"ORVDLL_COUNT_ONLY", nullptr);
        registry_.deleteKey(RegistryRoot::LocalMachine, kDriverKey);
        if (!saved_.empty()) {
            platform::importRegText(registry_, saved_);
        }
    }

    SendUtilMessage* load() {
        library_ = LoadLibraryW(libraryPath().c_str());
        return reinterpret_cast<SendUtilMessage*>(
            reinterpret_cast<void (*)()>(GetProcAddress(library_, "SendUtilMessage")));
    }
    void unload() {
        if (library_ != nullptr) {
            FreeLibrary(library_);
            library_ = nullptr;
        }
    }
    void writeDriverKey(const std::wstring& path, const std::wstring& name,
                        const std::wstring& value) {
        registry_.create(RegistryRoot::LocalMachine, path)->writeString(name, value);
    }

    platform::Win32Registry registry_;
    std::wstring saved_;
    platform::test_support::TempDirectory directory_;
    std::wstring journal_ = platform::joinPath(directory_.path(), L"journal.txt");
    HMODULE library_ = nullptr;
};

TEST_F(StandInDriverLibrary, RereadsTheSettingsOnEachNotification) {
    const auto properties = kDriverKey + L"\\Properties";
    writeDriverKey(kDriverKey, L"ShowIconInTray", L"false");
    writeDriverKey(properties, L"P001", L"00a002007GENERAL");
    writeDriverKey(properties, L"A001", L"03000100");
    auto send = load();
    ASSERT_NE(send, nullptr);

    send(1, 137);
    send(4, 5);
    writeDriverKey(properties, L"P001", L"00a002007GENERAL changed");
    writeDriverKey(properties, L"P002", L"00b001005EDITOR.EXE");
    send(1, 137);

    const auto lines = journalLines(journal_);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(journalValue(lines[0], L"call"), L"1");
    EXPECT_EQ(journalValue(lines[0], L"process"), std::to_wstring(GetCurrentProcessId()));
    EXPECT_EQ(journalValue(lines[0], L"ShowIconInTray"), L"false");
    EXPECT_EQ(journalValue(lines[0], L"records"), L"1");
    EXPECT_EQ(journalValue(lines[0], L"A001"), L"03000100");

    EXPECT_EQ(journalValue(lines[1], L"call"), L"2");
    EXPECT_EQ(journalValue(lines[1], L"first"), L"4");
    EXPECT_EQ(journalValue(lines[1], L"second"), L"5");
    EXPECT_EQ(journalValue(lines[1], L"records"), L"") << "other calls reread nothing";

    EXPECT_EQ(journalValue(lines[2], L"records"), L"2");
    EXPECT_EQ(journalValue(lines[2], L"P001"), L"00a002007GENERAL changed");
    EXPECT_EQ(journalValue(lines[2], L"P002"), L"00b001005EDITOR.EXE");
}

TEST_F(StandInDriverLibrary, CountsWithoutJournallingWhenAskedTo) {
    SetEnvironmentVariableW(L"ORVDLL_COUNT_ONLY", L"1");
    auto send = load();
    ASSERT_NE(send, nullptr);
    for (int i = 0; i < 3; ++i) {
        send(1, 137);
    }
    const auto count = reinterpret_cast<UtilMessageCount*>(
        reinterpret_cast<void (*)()>(GetProcAddress(library_, "UtilMessageCount")));
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count(), 3);
    EXPECT_TRUE(journalLines(journal_).empty());
}

TEST_F(StandInDriverLibrary, CountingStartsAgainWhenTheLibraryIsLoadedAgain) {
    load()(1, 137);
    unload();
    load()(1, 137);
    const auto lines = journalLines(journal_);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(journalValue(lines[1], L"call"), L"1");
}

TEST_F(StandInDriverLibrary, CarriesItsVersionStampOnce) {
    std::ifstream in(platform::toUtf8(libraryPath()).c_str(), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string file = bytes.str();
    const size_t stamp = file.find("137VERSION");
    ASSERT_NE(stamp, std::string::npos);
    EXPECT_EQ(file.substr(stamp + 10, 2), std::string("\x02\x01", 2));
    EXPECT_EQ(file.find("137VERSION", stamp + 1), std::string::npos);
}

}  // namespace
}  // namespace standins
