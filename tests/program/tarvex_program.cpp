#include "tests/program/tarvex_program.h"

#include <fstream>
#include <sstream>

#include "platform/reg_file.h"
#include "platform/text.h"
#include "platform/win32/win32_registry.h"
#include "setup/store/registry_layout.h"
#include "tests/test_paths.h"

namespace program_test {
namespace {

constexpr int kDefaultCursorFiles = 14;

std::wstring sourcePath(const std::string& relative) {
    return platform::fromUtf8(sourceTreePath(relative));
}

std::wstring replaced(std::wstring text, const std::wstring& from, const std::wstring& to) {
    for (size_t at = text.find(from); at != std::wstring::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::wstring escapedForRegFile(const std::wstring& path) {
    return replaced(path, L"\\", L"\\\\");
}

void copyFile(const std::wstring& from, const std::wstring& to) {
    ASSERT_TRUE(CopyFileW(from.c_str(), to.c_str(), FALSE))
        << platform::toUtf8(from) << " -> " << platform::toUtf8(to);
}

void removeTree(const std::wstring& directory) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((directory + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const auto path = directory + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(directory.c_str());
}

}  // namespace

void TarvexProgram::SetUp() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    temporary_ =
        std::wstring(base) + L"tarvex-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
        platform::fromUtf8(::testing::UnitTest::GetInstance()->current_test_info()->name());
    removeTree(temporary_);
    CreateDirectoryW(temporary_.c_str(), nullptr);
    installDirectory_ = temporary_ + L"\\Orvane\\";
    CreateDirectoryW(installDirectory_.c_str(), nullptr);
    CreateDirectoryW((installDirectory_ + L"p").c_str(), nullptr);
    copyFile(platform::fromUtf8(TARVEX_ORVDLL), installDirectory_ + L"Orvdll.dll");
    for (int role = 1; role <= kDefaultCursorFiles; ++role) {
        const auto name = "P" + std::to_string(role) + ".cur";
        copyFile(sourcePath("standins/cursors/" + name),
                 installDirectory_ + L"p\\" + platform::fromUtf8(name));
    }
    journalPath_ = temporary_ + L"\\journal.txt";
}

void TarvexProgram::TearDown() {
    programs_.clear();
    platform::Win32Registry registry;
    registry.deleteKey(setup::kDriverRoot, setup::kOrvaneKey);
    removeTree(temporary_);
}

void TarvexProgram::loadRegistry(const std::string& fixture) {
    std::ifstream in(testFixturePath(fixture), std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const auto text = replaced(platform::decodeRegFile(bytes.str()), L"%INSTALL%",
                               escapedForRegFile(installDirectory_));
    platform::Win32Registry registry;
    registry.deleteKey(setup::kDriverRoot, setup::kOrvaneKey);
    const auto problems = platform::importRegText(registry, text);
    ASSERT_TRUE(problems.empty()) << fixture << ": " << platform::toUtf8(problems.front().message);
}

void TarvexProgram::removeDriverLibrary() {
    DeleteFileW((installDirectory_ + L"Orvdll.dll").c_str());
}

void TarvexProgram::replaceDriverLibraryWithoutEntry() {
    copyFile(platform::fromUtf8(TARVEX_LIBRARY_WITHOUT_ENTRY), installDirectory_ + L"Orvdll.dll");
}

std::wstring TarvexProgram::scratchDirectory(const std::wstring& name) {
    const auto directory = temporary_ + L"\\" + name;
    CreateDirectoryW(directory.c_str(), nullptr);
    return directory;
}

uidriver::Program& TarvexProgram::start(const std::wstring& workingDirectory) {
    wchar_t path[32768];
    const DWORD length =
        GetEnvironmentVariableW(L"PATH", path, static_cast<DWORD>(std::size(path)));
    // The driver library is found on the search path, as an installation puts it
    // where programs find it.
    programs_.push_back(std::make_unique<uidriver::Program>(
        platform::fromUtf8(TARVEX_EXE),
        std::map<std::wstring, std::wstring>{
            {L"ORVDLL_JOURNAL", journalPath_},
            {L"PATH", installDirectory_ + L";" + std::wstring(path, length)}},
        workingDirectory));
    return *programs_.back();
}

HWND TarvexProgram::startAndWait() {
    window_ = start().waitForWindow(kWindowClass);
    return window_;
}

void TarvexProgram::waitUntilShown(const std::wstring& name) {
    const HWND shown = control(name);
    ASSERT_TRUE(uidriver::waitFor([&] { return uidriver::isVisible(shown); }))
        << platform::toUtf8(name);
}

void TarvexProgram::clickAndWaitFor(const std::wstring& button, const std::wstring& page) {
    uidriver::click(control(button));
    waitUntilShown(page);
}

void TarvexProgram::openProperties() {
    constexpr int kStandardTwoButtonRow = 2;
    loadRegistry("one_device.reg");
    startAndWait();
    clickAndWaitFor(L"btnNext", L"Page1");
    clickAndWaitFor(L"btnNext", L"Page6");
    uidriver::selectListRow(control(L"ListBox1"), kStandardTwoButtonRow);
    clickAndWaitFor(L"btnNext", L"Page7");
}

std::vector<std::vector<standins::JournalField>> TarvexProgram::journal() {
    std::vector<std::vector<standins::JournalField>> lines;
    for (const auto& line : uidriver::readLines(journalPath_)) {
        lines.push_back(standins::parseJournalLine(line));
    }
    return lines;
}

std::wstring TarvexProgram::property(const std::wstring& name) {
    platform::Win32Registry registry;
    auto key = registry.open(setup::kDriverRoot, setup::kPropertiesKey);
    return key ? key->readString(name) : L"";
}

}  // namespace program_test
