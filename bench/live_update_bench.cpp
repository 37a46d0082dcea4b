// One live update (build the record and actions, find the slot, write P and A,
// close with flush, tell the driver) with 1, 11 and 275 records in the store,
// against the floor of the same run: two value writes and a close with flush
// on the same key. Also loading the property page. The driver library is the
// stand-in in count-only mode, so that its own reading is not measured.
//   live_update_bench [iterations]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "platform/memory/memory_system_info.h"
#include "platform/win32/win32_cursors.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_keyboard.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_modules.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_resources.h"
#include "setup/resources/program_resources.h"
#include "setup/store/device_key.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"
#include "setup/tarvex_form.h"
#include "ui/headless_backend.h"

namespace {

using Clock = std::chrono::steady_clock;

const setup::MouseInfo kDevice{0x014, 3, 0x014, 3, L"Orvane Right Hand Mouse"};

double medianMilliseconds(int iterations, const std::function<void()>& step) {
    std::vector<double> times;
    for (int i = 0; i < iterations; ++i) {
        const auto start = Clock::now();
        step();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The store holds records of other devices first and the measured device's
// GENERAL record last, so that every scan reads them all.
void fillStore(platform::Registry& registry, int records) {
    registry.deleteKey(setup::kDriverRoot, setup::kPropertiesKey);
    auto key = registry.create(setup::kDriverRoot, setup::kPropertiesKey);
    for (int n = 1; n < records; ++n) {
        key->writeString(setup::recordValueName(n),
                         setup::makeDeviceKey(0x3F8, n % 999 + 1) + setup::kDefaultRecord);
        key->writeString(setup::actionValueName(n), L"020004");
    }
    key->writeString(
        setup::recordValueName(records),
        setup::makeDeviceKey(kDevice.deviceCode, kDevice.portNumber) + setup::kDefaultRecord);
    key->writeString(setup::actionValueName(records), L"020004");
    key->close();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int iterations = argc > 1 ? _wtoi(argv[1]) : 200;
    SetEnvironmentVariableW(L"ORVDLL_COUNT_ONLY", L"1");

    platform::Win32Registry registry;
    registry.create(setup::kDriverRoot, setup::kOrvaneKey)
        ->writeString(setup::kInstallDirectoryValue, L"C:\\");
    platform::Win32MessageBoxes messageBoxes;
    platform::Win32Cursors cursors;
    platform::Win32Keyboard keyboard;
    platform::Win32Modules modules;
    platform::Win32FileSystem files;
    auto resources = setup::programResources();
    platform::MemorySystemInfo system;
    setup::Services services{registry, messageBoxes, cursors,   keyboard,
                             modules,  files,        resources, system};
    ui::HeadlessBackend backend;
    ui::Application application(backend, messageBoxes);
    setup::TfrmTarvex window(application, services);
    if (application.terminated()) {
        std::fwprintf(stderr,
                      L"the program could not start (is Orvdll.dll beside the benchmark?)\n");
        return 1;
    }
    window.chosenDevice = kDevice;

    for (const int records : {1, 11, 275}) {
        fillStore(registry, records);
        const double load = medianMilliseconds(iterations / 10 + 1, [&] {
            window.reloadNeeded = true;
            window.applicationName.clear();
            window.loadPropertyInfo();
        });
        const double update = medianMilliseconds(iterations, [&] {
            window.writeLiveSetup(window.currentActions, window.applicationName,
                                  window.chosenDevice, window.currentSetup);
        });
        const auto value =
            setup::makeDeviceKey(kDevice.deviceCode, kDevice.portNumber) + window.recordText;
        const double floor = medianMilliseconds(iterations, [&] {
            auto key = registry.open(setup::kDriverRoot, setup::kPropertiesKey);
            key->writeString(setup::recordValueName(records), value);
            key->writeString(setup::actionValueName(records), window.actionText);
            key->close();
        });
        std::wprintf(
            L"%3d records: live update %.2f ms (target <= 16), floor %.2f ms, ratio %.2f (aim <= "
            L"2); "
            L"loading the property page %.2f ms (target <= 50 at 275)\n",
            records, update, floor, update / floor, load);
    }
    registry.deleteKey(setup::kDriverRoot, setup::kOrvaneKey);
    return 0;
}
