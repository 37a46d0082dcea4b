// `orvctl import --live` of a profile of 50 setups (five devices, GENERAL and
// nine applications each, all new) into a store of 275 records, against Wine's
// registry; the store is put back before each run. The driver library is the
// stand-in in count-only mode, so that its own reading is not measured.
//   orvctl_import_bench [iterations]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/text.h"
#include "platform/win32/win32_modules.h"
#include "platform/win32/win32_registry.h"
#include "setup/store/device_key.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"
#include "setup/store/setup_store.h"
#include "tools/orvctl/file_reader.h"
#include "tools/orvctl/orvctl.h"

namespace {

constexpr int kStoredRecords = 275;
constexpr int kProfileDevices = 5;
constexpr int kApplicationsPerDevice = 9;
constexpr int kProfileDeviceCode = 0xB05;

void fillStore(platform::Registry& registry) {
    registry.deleteKey(setup::kDriverRoot, setup::kPropertiesKey);
    auto key = registry.create(setup::kDriverRoot, setup::kPropertiesKey);
    for (int n = 1; n <= kStoredRecords; ++n) {
        key->writeString(setup::recordValueName(n),
                         setup::makeDeviceKey(0x3F8, n % 999 + 1) + setup::kDefaultRecord);
        key->writeString(setup::actionValueName(n), L"020004");
    }
    key->close();
}

std::string setupJson(int port, const std::wstring& record) {
    return "{\"deviceCode\": \"b05\", \"port\": " + std::to_string(port) + ", \"application\": \"" +
           platform::toUtf8(setup::storedApplicationName(L"000000" + record)) +
           "\", \"actions\": \"020004080007\", \"record\": \"" + platform::toUtf8(record) + "\"}";
}

std::string profileJson() {
    std::string json = "[";
    for (int port = 1; port <= kProfileDevices; ++port) {
        json += (port == 1 ? "" : ",\n") + setupJson(port, setup::kDefaultRecord);
        for (int a = 1; a <= kApplicationsPerDevice; ++a) {
            json += ",\n" + setupJson(port, setup::namedDefaultRecord(
                                                L"PROGRAM" + std::to_wstring(a) + L".EXE"));
        }
    }
    return json + "]";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int iterations = argc > 1 ? _wtoi(argv[1]) : 10;
    SetEnvironmentVariableW(L"ORVDLL_COUNT_ONLY", L"1");
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    const std::wstring profile = std::wstring(directory) + L"orvctl-bench-profile.json";
    orvctl::writeLocalFile(profile, profileJson());

    platform::Win32Registry registry;
    platform::Win32Modules modules;
    const orvctl::Environment environment{orvctl::openLocalFile, orvctl::writeLocalFile, &registry,
                                          &modules};
    std::vector<double> times;
    for (int i = 0; i < iterations; ++i) {
        fillStore(registry);
        orvctl::Console console;
        const auto start = std::chrono::steady_clock::now();
        const int status = orvctl::run({L"import", profile, L"--live"}, console, environment);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        if (status != orvctl::kSuccess || !console.err.empty()) {
            std::fwprintf(stderr, L"import failed (%d): %ls\n", status, console.err.c_str());
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::wprintf(
        L"orvctl import --live, %d setups into %d records: median %.1f ms, fastest %.1f ms\n",
        kProfileDevices * (kApplicationsPerDevice + 1), kStoredRecords, times[times.size() / 2],
        times.front());
    registry.deleteKey(setup::kDriverRoot, setup::kOrvaneKey);
    DeleteFileW(profile.c_str());
    return 0;
}
