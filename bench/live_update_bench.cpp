// One live update (build the record and actions, find the slot, write P and A,
// close with flush, tell the driver) with 1, 11, 275 and 999 records in the
// store, against the floor of the same run: two value writes and a close with
// flush on a key holding the same records. Also loading the property page,
// against reading every record once and the setup's actions. Each pair is
// measured in turn, step after step, so that a change of the machine's load
// touches both alike; the floor has a twin key of its own because its writes
// would otherwise tell the program that another writer changed the store. The
// driver library is the stand-in in count-only mode, so that its own reading
// is not measured.
//   live_update_bench [iterations]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/figures.h"
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

// A live step may cost at most this many times the floor.
constexpr double kLiveUpdateTarget = 1.5;
// Loading may cost at most this many times reading every record once and
// the setup's actions.
constexpr double kLoadTarget = 1.5;

const setup::MouseInfo kDevice{0x014, 3, 0x014, 3, L"Orvane Right Hand Mouse"};
const std::wstring kFloorKey = setup::kOrvaneKey + L"\\Floor";

double median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double millisecondsOf(const std::function<void()>& step) {
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The medians of two steps taken in turn.
std::pair<double, double> medianMillisecondsInTurn(int iterations,
                                                   const std::function<void()>& first,
                                                   const std::function<void()>& second) {
    std::vector<double> firstTimes, secondTimes;
    for (int i = 0; i < iterations; ++i) {
        firstTimes.push_back(millisecondsOf(first));
        secondTimes.push_back(millisecondsOf(second));
    }
    return {median(firstTimes), median(secondTimes)};
}

// The store holds records of other devices first and the measured device's
// GENERAL record last, so that every scan reads them all.
void fillStore(platform::Registry& registry, const std::wstring& path, int records) {
    registry.deleteKey(setup::kDriverRoot, path);
    auto key = registry.create(setup::kDriverRoot, path);
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

// The least any load does: every record read once, up to the first free
// number, and the measured record's actions.
void readEveryRecord(platform::Registry& registry, int records) {
    auto key = registry.open(setup::kDriverRoot, setup::kPropertiesKey);
    for (int n = 1; !key->readString(setup::recordValueName(n)).empty(); ++n) {
    }
    key->readString(setup::actionValueName(records));
    key->close();
}

std::wstring ratioText(double ratio, double milliseconds) {
    return bench::formatted(ratio, 2, L"x (") + bench::formatted(milliseconds, 3, L" ms)");
}

std::wstring atMost(double ratio, const wchar_t* yardstick) {
    return L"<= " + bench::formatted(ratio, 2, L"x ") + yardstick;
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

    for (const int records : {1, 11, 275, setup::kLastRecordNumber}) {
        fillStore(registry, setup::kPropertiesKey, records);
        fillStore(registry, kFloorKey, records);
        const auto [load, reading] = medianMillisecondsInTurn(
            iterations / 10 + 1,
            [&] {
                window.reloadNeeded = true;
                window.applicationName.clear();
                window.loadPropertyInfo();
            },
            [&] { readEveryRecord(registry, records); });
        const auto value = setup::makeDeviceKey(kDevice.deviceCode, kDevice.portNumber) +
                           setup::buildPropertyRecord(window.currentSetup);
        const auto [update, floor] = medianMillisecondsInTurn(
            iterations,
            [&] {
                window.writeLiveSetup(window.currentActions, window.applicationName,
                                      window.chosenDevice, window.currentSetup);
            },
            [&] {
                auto key = registry.open(setup::kDriverRoot, kFloorKey);
                key->writeString(setup::recordValueName(records), value);
                key->writeString(setup::actionValueName(records), window.actionText);
                key->close();
            });
        const auto size = std::to_wstring(records) + L" records";
        bench::printFigure(L"live update, " + size, ratioText(update / floor, update),
                           atMost(kLiveUpdateTarget, L"the floor"),
                           update / floor <= kLiveUpdateTarget);
        bench::printFigure(L"floor (two writes and a close), " + size,
                           bench::formatted(floor, 3, L" ms"));
        bench::printFigure(L"loading the property page, " + size, ratioText(load / reading, load),
                           atMost(kLoadTarget, L"reading every record and the actions"),
                           load / reading <= kLoadTarget);
    }
    registry.deleteKey(setup::kDriverRoot, setup::kOrvaneKey);
    return 0;
}
