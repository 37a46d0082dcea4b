#include "tests/cpl/forwarder_test_bed.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "standins/fake_tarvex/fake_tarvex_trace.h"
#include "standins/standin_io.h"
#include "standins/tmain/tmain_standin.h"
#include "tests/cpl/wait.h"

namespace cpl {
namespace test {
namespace {

namespace fs = std::filesystem;

// The built files, as this program sees them (set by the build).
const fs::path kBuiltForwarder = CPL_TEST_FORWARDER;
const fs::path kBuiltAppletLibrary = CPL_TEST_APPLET_LIBRARY;
const fs::path kBuiltAppletLibraryWithoutEntry = CPL_TEST_APPLET_LIBRARY_WITHOUT_ENTRY;
const fs::path kBuiltSetupProgram = CPL_TEST_SETUP_PROGRAM;

constexpr wchar_t kForwarderFile[] = L"sornel.dll";
constexpr wchar_t kAppletLibraryFile[] = L"TMain.dll";
constexpr wchar_t kSetupProgramFile[] = L"tarvex.exe";
constexpr wchar_t kSetupProgramTraceFile[] = L"tarvex.trace";

const std::wstring kForwarderCaptions[] = {L"In Sornel", L"Error in Sornel", L"Omouse"};

fs::path panelFolder(const fs::path& folder) {
    return folder / L"panel";
}
fs::path appletFolder(const fs::path& folder) {
    return folder / L"applet libraries";
}
fs::path programFolder(const fs::path& folder) {
    return folder / L"setup programs";
}
fs::path workFolder(const fs::path& folder) {
    return folder / L"work";
}
fs::path outsideFolder(const fs::path& folder) {
    return folder / L"installed programs";
}

constexpr wchar_t kRegisteredPathKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\tarvex.exe";
constexpr wchar_t kDriverKey[] = L"SOFTWARE\\Orvane";
constexpr wchar_t kInstallDirectoryValue[] = L"Orvane Directory";

const wchar_t* valueName(const std::wstring& name) {
    return name.empty() ? nullptr : name.c_str();
}

std::optional<std::wstring> machineString(const std::wstring& key, const std::wstring& name) {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), valueName(name), RRF_RT_REG_SZ, nullptr,
                     nullptr, &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), valueName(name), RRF_RT_REG_SZ, nullptr,
                     text.data(), &bytes) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(bytes / sizeof(wchar_t) - 1);
    return text;
}

void writeMachineString(HKEY key, const std::wstring& name, const std::wstring& text) {
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    ASSERT_EQ(RegSetValueExW(key, valueName(name), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(text.c_str()), bytes),
              ERROR_SUCCESS);
}

// This run's folders; those of earlier runs go on the first call. They cannot go
// at the end of a run: the applet libraries stay loaded until the process ends.
fs::path runFolder() {
    static const fs::path folder = [] {
        const fs::path root = fs::temp_directory_path() / L"cpl_tests";
        std::error_code ignored;
        fs::remove_all(root, ignored);
        return root / std::to_wstring(GetCurrentProcessId());
    }();
    return folder;
}

fs::path testFolder() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::replace(name.begin(), name.end(), '/', '_');
    return runFolder() / name;
}

// The complete lines of a file; a line still being written is not one yet.
std::vector<std::string> readLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

JournalEntry parseJournalLine(const std::string& line) {
    std::istringstream fields(line);
    std::string message, window, lParam1, lParam2;
    fields >> message >> window >> lParam1 >> lParam2;
    // Base 0: decimal message, 0x-prefixed hexadecimal for the rest.
    return {static_cast<UINT>(std::stoul(message, nullptr, 0)), std::stoull(window, nullptr, 0),
            std::stoull(lParam1, nullptr, 0), std::stoull(lParam2, nullptr, 0)};
}

std::vector<JournalEntry> readJournal(const fs::path& file) {
    std::vector<JournalEntry> journal;
    for (const auto& line : readLines(file)) {
        journal.push_back(parseJournalLine(line));
    }
    return journal;
}

}  // namespace

void PrintTo(const JournalEntry& entry, std::ostream* out) {
    *out << "{message " << entry.message << std::hex << std::showbase << ", window " << entry.window
         << ", lParam1 " << entry.lParam1 << ", lParam2 " << entry.lParam2 << std::dec << "}";
}

ScopedEnvironment::~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        SetEnvironmentVariableW(it->first.c_str(), it->second ? it->second->c_str() : nullptr);
    }
}

void ScopedEnvironment::set(const std::wstring& name, const std::wstring& value) {
    saved_.emplace_back(name, standins::environmentVariable(name.c_str()));
    SetEnvironmentVariableW(name.c_str(), value.c_str());
}

ScopedMachineValues::~ScopedMachineValues() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, it->key.c_str(), 0, KEY_SET_VALUE, &key) !=
            ERROR_SUCCESS) {
            continue;
        }
        if (it->text) {
            writeMachineString(key, it->name, *it->text);
        } else {
            RegDeleteValueW(key, valueName(it->name));
        }
        RegCloseKey(key);
        if (it->keyMade) {
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, it->key.c_str());
        }
    }
}

void ScopedMachineValues::set(const std::wstring& keyPath, const std::wstring& name,
                              const std::wstring& text) {
    const bool touched = std::any_of(saved_.begin(), saved_.end(), [&](const Saved& saved) {
        return saved.key == keyPath && saved.name == name;
    });
    const std::optional<std::wstring> old = machineString(keyPath, name);
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, &key, &disposition),
              ERROR_SUCCESS);
    if (!touched) {
        saved_.push_back({keyPath, name, old, disposition == REG_CREATED_NEW_KEY});
    }
    writeMachineString(key, name, text);
    RegCloseKey(key);
}

void ForwarderTestBed::SetUp() {
    folder_ = testFolder();
    for (const auto& made : {panelFolder(folder_), appletFolder(folder_), programFolder(folder_),
                             workFolder(folder_), outsideFolder(folder_)}) {
        fs::create_directories(made);
    }
    fs::copy_file(kBuiltForwarder, forwarderPath());

    environment_ = std::make_unique<ScopedEnvironment>();
    environment_->set(L"PATH", appletFolder(folder_).wstring() + L";" +
                                   programFolder(folder_).wstring() + L";" +
                                   standins::environmentVariable(L"PATH").value_or(L""));
    environment_->set(standins::kFakeTarvexTraceVariable,
                      (folder_ / kSetupProgramTraceFile).wstring());
    setAppletNames(standins::kTMainDefaultApplets);
    setAnsiRecords(false);
    machineValues_ = std::make_unique<ScopedMachineValues>();
    registerSetupProgramPath(L"");
    setInstallDirectory(L"");

    previousCurrentDirectory_ = fs::current_path();
    fs::current_path(workFolder(folder_));

    controlPanelWindow_ = CreateWindowExW(0, L"STATIC", L"Control Panel", WS_OVERLAPPEDWINDOW, 0, 0,
                                          400, 300, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(controlPanelWindow_, nullptr);
    messageBoxes_ = std::make_unique<MessageBoxWatcher>();
}

void ForwarderTestBed::TearDown() {
    messageBoxes_.reset();
    if (controlPanelWindow_ != nullptr) {
        DestroyWindow(controlPanelWindow_);
    }
    fs::current_path(previousCurrentDirectory_);
    machineValues_.reset();
    environment_.reset();
}

void ForwarderTestBed::installAppletLibrary(AppletLibrary kind) {
    fs::copy_file(
        kind == AppletLibrary::WithApplets ? kBuiltAppletLibrary : kBuiltAppletLibraryWithoutEntry,
        appletLibraryPath());
}

void ForwarderTestBed::installSetupProgram() {
    fs::copy_file(kBuiltSetupProgram, programFolder(folder_) / kSetupProgramFile);
}

void ForwarderTestBed::plantAppletLibraryInCurrentDirectory() {
    fs::copy_file(kBuiltAppletLibrary, workFolder(folder_) / kAppletLibraryFile);
}

void ForwarderTestBed::plantSetupProgramInCurrentDirectory() {
    fs::copy_file(kBuiltSetupProgram, workFolder(folder_) / kSetupProgramFile);
}

std::wstring ForwarderTestBed::installSetupProgramOutsideTheSearch() {
    fs::copy_file(kBuiltSetupProgram, outsideFolder(folder_) / kSetupProgramFile);
    return outsideFolder(folder_).wstring();
}

void ForwarderTestBed::registerSetupProgramPath(const std::wstring& stored) {
    machineValues_->set(kRegisteredPathKey, L"", stored);
}

void ForwarderTestBed::setInstallDirectory(const std::wstring& stored) {
    machineValues_->set(kDriverKey, kInstallDirectoryValue, stored);
}

void ForwarderTestBed::setAppletNames(const std::wstring& names) {
    environment_->set(standins::kTMainAppletsVariable, names);
}

void ForwarderTestBed::setAnsiRecords(bool ansi) {
    environment_->set(standins::kTMainRecordVariable, ansi ? standins::kTMainAnsiRecord : L"");
}

std::wstring ForwarderTestBed::forwarderPath() const {
    return (panelFolder(folder_) / kForwarderFile).wstring();
}

std::wstring ForwarderTestBed::appletLibraryPath() const {
    return (appletFolder(folder_) / kAppletLibraryFile).wstring();
}

std::vector<JournalEntry> ForwarderTestBed::appletJournal() const {
    return readJournal(appletFolder(folder_) / standins::kTMainJournalFile);
}

std::vector<JournalEntry> ForwarderTestBed::plantedAppletJournal() const {
    return readJournal(workFolder(folder_) / standins::kTMainJournalFile);
}

std::vector<std::string> ForwarderTestBed::waitForSetupProgramStarts(std::size_t count) const {
    const fs::path trace = folder_ / kSetupProgramTraceFile;
    waitUntil([&] { return readLines(trace).size() >= count; });
    return readLines(trace);
}

std::vector<SeenMessageBox> ForwarderTestBed::forwarderMessageBoxes() const {
    std::vector<SeenMessageBox> boxes = messageBoxes_->seen();
    boxes.erase(std::remove_if(boxes.begin(), boxes.end(),
                               [](const SeenMessageBox& box) {
                                   return std::find(std::begin(kForwarderCaptions),
                                                    std::end(kForwarderCaptions),
                                                    box.caption) == std::end(kForwarderCaptions);
                               }),
                boxes.end());
    return boxes;
}

std::vector<JournalEntry> onlyMessages(const std::vector<JournalEntry>& journal,
                                       std::initializer_list<UINT> messages) {
    std::vector<JournalEntry> kept;
    std::copy_if(
        journal.begin(), journal.end(), std::back_inserter(kept), [&](const JournalEntry& entry) {
            return std::find(messages.begin(), messages.end(), entry.message) != messages.end();
        });
    return kept;
}

}  // namespace test
}  // namespace cpl
