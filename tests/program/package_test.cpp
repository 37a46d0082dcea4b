// The installer package under Wine's msiexec: installed silently beside a
// driver, opened from the control panel, upgraded and removed, and the
// driver's settings compared byte for byte before and after.

#include <windows.h>

#include <winver.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/text.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "setup/driver/version_stamp.h"
#include "setup/store/registry_layout.h"
#include "tests/program/tarvex_program.h"

namespace program_test {
namespace {

using platform::RegistryRoot;

const std::wstring kPackage = platform::fromUtf8(TARVEX_PACKAGE);
const std::wstring kNextPackage = platform::fromUtf8(TARVEX_NEXT_PACKAGE);
const std::wstring kNextVersion = platform::fromUtf8(TARVEX_NEXT_VERSION);
const std::wstring kControlPanelItems =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Control Panel\\Cpls";
const std::wstring kAppPath =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\tarvex.exe";
const std::wstring kInstalledPrograms = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const std::wstring kPointerSchemes = L"Control Panel\\Cursors\\Schemes";
constexpr uidriver::Deadline kInstallerDeadline{60000};

struct ShippedFile {
    const wchar_t* name;
    int stampNumbers;
};
constexpr ShippedFile kShippedFiles[] = {
    {L"tarvex.exe", 4}, {L"sornel.dll", 2}, {L"orvctl.exe", 4}};

std::wstring systemDirectory() {
    wchar_t directory[MAX_PATH] = {};
    GetSystemDirectoryW(directory, MAX_PATH);
    return directory;
}

// Runs a system program and waits for its exit code.
std::optional<DWORD> runAndWait(const std::wstring& program, const std::wstring& parameters,
                                const std::map<std::wstring, std::wstring>& environment = {}) {
    uidriver::Program started(systemDirectory() + L"\\" + program, environment, {}, parameters);
    return started.waitForExit(kInstallerDeadline);
}

std::optional<DWORD> msiexec(const std::wstring& action, const std::wstring& package,
                             const std::wstring& properties = {}) {
    return runAndWait(L"msiexec.exe", action + L" \"" + package + L"\" /qn " + properties);
}

bool fileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Every key at or below a key (by its path and a backslash, holding nothing)
// and every value (by key path and name, holding its type and bytes in hex).
using RegistryTree = std::map<std::wstring, std::string>;

std::string typeAndBytes(const platform::RegistryValue& value) {
    std::string text = std::to_string(value.type) + ":";
    constexpr char kDigits[] = "0123456789abcdef";
    for (const auto byte : value.data) {
        text += {kDigits[byte >> 4], kDigits[byte & 0xf]};
    }
    return text;
}

void collectValues(platform::Registry& registry, RegistryRoot root, const std::wstring& path,
                   RegistryTree& tree) {
    auto key = registry.open(root, path);
    if (!key) {
        return;
    }
    tree[path + L"\\"] = "";
    for (const auto& name : key->valueNames()) {
        tree[path + L"\\" + name] = typeAndBytes(*key->readValue(name));
    }
    for (const auto& subkey : key->subkeyNames()) {
        collectValues(registry, root, path + L"\\" + subkey, tree);
    }
}

// What the package must never change: the driver's settings and the user's
// pointer schemes.
RegistryTree settingsOutsideThePackage() {
    platform::Win32Registry registry;
    RegistryTree tree;
    collectValues(registry, setup::kDriverRoot, setup::kOrvaneKey, tree);
    collectValues(registry, RegistryRoot::CurrentUser, kPointerSchemes, tree);
    return tree;
}

std::optional<std::wstring> readString(RegistryRoot root, const std::wstring& path,
                                       const std::wstring& name) {
    platform::Win32Registry registry;
    auto key = registry.open(root, path);
    if (!key || !key->hasValue(name)) {
        return std::nullopt;
    }
    return key->readString(name);
}

// The version resource as the file's properties show it.
struct VersionResource {
    std::wstring fileVersion;
    std::wstring productName;
    std::wstring companyName;
};

VersionResource versionResource(const std::wstring& path) {
    DWORD ignored = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(path.c_str(), &ignored));
    VersionResource resource;
    if (block.empty() ||
        !GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data())) {
        return resource;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size)) {
        resource.fileVersion = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                               std::to_wstring(HIWORD(fixed->dwFileVersionLS)) + L"." +
                               std::to_wstring(LOWORD(fixed->dwFileVersionLS));
    }
    const auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
        return VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value),
                              &size) &&
                       size > 0
                   ? std::wstring(value)
                   : std::wstring();
    };
    resource.productName = text(L"ProductName");
    resource.companyName = text(L"CompanyName");
    return resource;
}

// A stamp's numbers as four, as a version resource holds them.
std::wstring asFourNumbers(std::wstring version) {
    for (auto dots = std::count(version.begin(), version.end(), L'.'); dots < 3; ++dots) {
        version += L".0";
    }
    return version;
}

struct InstalledProgram {
    std::wstring version;
    std::wstring publisher;
};

// The installed-programs list's entries of that name.
std::vector<InstalledProgram> installedPrograms(const std::wstring& name) {
    platform::Win32Registry registry;
    std::vector<InstalledProgram> found;
    auto list = registry.open(RegistryRoot::LocalMachine, kInstalledPrograms);
    for (const auto& entry : list ? list->subkeyNames() : std::vector<std::wstring>{}) {
        auto key = registry.open(RegistryRoot::LocalMachine, kInstalledPrograms + L"\\" + entry);
        if (key && key->readValue(L"DisplayName") && key->readString(L"DisplayName") == name) {
            found.push_back({key->readString(L"DisplayVersion"), key->readString(L"Publisher")});
        }
    }
    return found;
}

class PackageTest : public TarvexProgram {
protected:
    void TearDown() override {
        endSetupProgram();
        msiexec(L"/x", kNextPackage);
        msiexec(L"/x", kPackage);
        TarvexProgram::TearDown();
    }

    std::wstring productName() {
        return versionResource(installDirectory_ + L"tarvex.exe").productName;
    }

    // Opens the Mouse applet of the installed control-panel entry with the
    // system's control.exe. The system's applet library lies on the search
    // path; the setup program does not, so the forwarder must find it by the
    // App Paths entry the package registers.
    void openMouseApplet() {
        const std::wstring system = scratchDirectory(L"System");
        ASSERT_TRUE(CopyFileW(platform::fromUtf8(TARVEX_APPLET_LIBRARY).c_str(),
                              (system + L"\\TMain.dll").c_str(), FALSE));
        wchar_t path[32768] = {};
        GetEnvironmentVariableW(L"PATH", path, static_cast<DWORD>(std::size(path)));
        runAndWait(L"control.exe", L"\"" + installDirectory_ + L"sornel.dll\",Mouse",
                   {{L"PATH", system + L";" + path}});
    }

    // The setup program's window, and the file its process runs.
    std::wstring waitForSetupProgram() {
        HWND window = nullptr;
        if (!uidriver::waitFor(
                [&] { return (window = FindWindowW(kWindowClass.c_str(), nullptr)); })) {
            return L"";
        }
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        setupProgram_ = OpenProcess(
            PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
        wchar_t image[MAX_PATH] = {};
        DWORD length = MAX_PATH;
        QueryFullProcessImageNameW(setupProgram_, 0, image, &length);
        return std::wstring(image, length);
    }

    void endSetupProgram() {
        if (setupProgram_ != nullptr) {
            TerminateProcess(setupProgram_, 0);
            WaitForSingleObject(setupProgram_, static_cast<DWORD>(kInstallerDeadline.count()));
            CloseHandle(setupProgram_);
            setupProgram_ = nullptr;
        }
    }

    HANDLE setupProgram_ = nullptr;
};

TEST_F(PackageTest, InstallsBesideTheDriverOpensTheMouseAppletAndRemovalLeavesTheDriverAsItWas) {
    loadRegistry("installed_driver.reg");
    const RegistryTree before = settingsOutsideThePackage();

    ASSERT_EQ(msiexec(L"/i", kPackage), 0u);
    const std::wstring name = productName();
    ASSERT_FALSE(name.empty()) << "tarvex.exe has no version resource";

    platform::Win32FileSystem files;
    for (const auto& file : kShippedFiles) {
        SCOPED_TRACE(platform::toUtf8(file.name));
        const std::wstring path = installDirectory_ + file.name;
        ASSERT_TRUE(fileExists(path));
        const std::wstring stamp = setup::readVersionStamp(files, path, file.stampNumbers);
        EXPECT_EQ(versionResource(path).fileVersion, asFourNumbers(stamp));
        EXPECT_EQ(versionResource(path).productName, name);
    }
    EXPECT_EQ(readString(RegistryRoot::LocalMachine, kControlPanelItems, L"sornel"),
              installDirectory_ + L"sornel.dll");
    EXPECT_EQ(readString(RegistryRoot::LocalMachine, kAppPath, L""),
              installDirectory_ + L"tarvex.exe");
    const auto listed = installedPrograms(name);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].version,
              setup::readVersionStamp(files, installDirectory_ + L"tarvex.exe", 4));
    EXPECT_EQ(listed[0].publisher, versionResource(installDirectory_ + L"tarvex.exe").companyName);

    ASSERT_NO_FATAL_FAILURE(openMouseApplet());
    EXPECT_EQ(platform::toUpper(waitForSetupProgram()),
              platform::toUpper(installDirectory_ + L"tarvex.exe"));
    endSetupProgram();

    ASSERT_EQ(msiexec(L"/x", kPackage), 0u);

    for (const auto& file : kShippedFiles) {
        EXPECT_FALSE(fileExists(installDirectory_ + file.name)) << platform::toUtf8(file.name);
    }
    EXPECT_TRUE(fileExists(installDirectory_ + L"Orvdll.dll")) << "the driver's own file";
    EXPECT_EQ(readString(RegistryRoot::LocalMachine, kControlPanelItems, L"sornel"), std::nullopt);
    EXPECT_EQ(platform::Win32Registry().open(RegistryRoot::LocalMachine, kAppPath), nullptr);
    EXPECT_TRUE(installedPrograms(name).empty());
    EXPECT_EQ(settingsOutsideThePackage(), before);
}

TEST_F(PackageTest, InstallFolderIsTheCommandLinesThenTheDriversThenUnderProgramFiles) {
    wchar_t programFiles[MAX_PATH] = {};
    GetEnvironmentVariableW(L"ProgramFiles", programFiles, MAX_PATH);
    const std::wstring chosen = scratchDirectory(L"Chosen") + L"\\";
    struct Case {
        const char* what;
        const char* fixture;  // nullptr: no driver installed
        std::wstring properties;
        std::wstring folder;
    };
    const Case cases[] = {
        {"the command line's over the driver's", "installed_driver.reg",
         L"INSTALLDIR=\"" + chosen + L"\"", chosen},
        {"the driver's", "installed_driver.reg", L"", installDirectory_},
        {"no driver", nullptr, L"", std::wstring(programFiles) + L"\\Orvane Mouse Control Panel\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.fixture != nullptr) {
            loadRegistry(c.fixture);
        } else {
            platform::Win32Registry().deleteKey(setup::kDriverRoot, setup::kOrvaneKey);
        }

        ASSERT_EQ(msiexec(L"/i", kPackage, c.properties), 0u);
        EXPECT_TRUE(fileExists(c.folder + L"tarvex.exe"));
        // Removal finds the folder even when the driver has gone meanwhile.
        platform::Win32Registry().deleteKey(setup::kDriverRoot, setup::kOrvaneKey);
        ASSERT_EQ(msiexec(L"/x", kPackage), 0u);
        EXPECT_FALSE(fileExists(c.folder + L"tarvex.exe"));
    }
}

TEST_F(PackageTest, NewerPackageReplacesTheInstalledOne) {
    loadRegistry("installed_driver.reg");
    ASSERT_EQ(msiexec(L"/i", kPackage), 0u);
    const std::wstring name = productName();

    ASSERT_EQ(msiexec(L"/i", kNextPackage), 0u);

    const auto listed = installedPrograms(name);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].version, kNextVersion);
    for (const auto& file : kShippedFiles) {
        EXPECT_TRUE(fileExists(installDirectory_ + file.name)) << platform::toUtf8(file.name);
    }

    ASSERT_EQ(msiexec(L"/x", kNextPackage), 0u);
    EXPECT_TRUE(installedPrograms(name).empty());
    EXPECT_FALSE(fileExists(installDirectory_ + L"tarvex.exe"));
}

}  // namespace
}  // namespace program_test
