// Start-up of tarvex.exe against a program that only opens an empty window,
// measured alternately in the same run: time from starting the process until
// its window is shown and painted (the process waits for input), and the peak
// working set it reached by then. A third program, the empty window with the
// common controls 6 manifest, shows what that manifest alone costs. Any
// further programs (the platform's own, such as its text editor) are started
// in turn with the rest and set against tarvex.
//   startup_bench <tarvex.exe> <empty_window.exe> [rounds] [empty_window_v6.exe [program...]]
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/figures.h"

namespace {

// Start-up targets: tarvex against the empty window, against the empty window
// with the common controls 6 manifest, and against the fastest of the
// platform's own programs; peak working set against the empty window.
constexpr double kEmptyWindowTarget = 1.30;
constexpr double kManifestWindowTarget = 1.25;
constexpr double kPlatformProgramTarget = 1.00;
constexpr double kEmptyWindowMemoryTarget = 2.00;

struct Sample {
    double milliseconds = 0;
    double peakMegabytes = 0;
};

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND waitForWindow(DWORD processId) {
    for (int attempt = 0; attempt < 30000; ++attempt) {
        WindowSearch search{processId, nullptr};
        EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) {
            return search.found;
        }
        Sleep(1);
    }
    return nullptr;
}

Sample measure(const std::wstring& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    const auto started = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fwprintf(stderr, L"cannot start %ls\n", program.c_str());
        std::exit(1);
    }
    HWND window = waitForWindow(process.dwProcessId);
    WaitForInputIdle(process.hProcess, 30000);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW);
    SendMessageW(window, WM_NULL, 0, 0);
    const auto shown = std::chrono::steady_clock::now();

    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 30000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {std::chrono::duration<double, std::milli>(shown - started).count(),
            static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Medians {
    double milliseconds = 0;
    double peakMegabytes = 0;
};

// The programs are started in turn, round after round, so that a change of the
// machine's load touches them alike.
std::vector<Medians> measureInTurn(const std::vector<std::wstring>& programs, int rounds) {
    for (const auto& program : programs) {
        measure(program);  // warms the file cache and the wineserver
    }
    std::vector<std::vector<Sample>> samples(programs.size());
    for (int round = 0; round < rounds; ++round) {
        for (size_t i = 0; i < programs.size(); ++i) {
            samples[i].push_back(measure(programs[i]));
        }
    }
    std::vector<Medians> medians;
    for (const auto& taken : samples) {
        std::vector<double> times, peaks;
        for (const auto& sample : taken) {
            times.push_back(sample.milliseconds);
            peaks.push_back(sample.peakMegabytes);
        }
        medians.push_back({median(times), median(peaks)});
    }
    return medians;
}

// The program's file name without folder and extension: "notepad".
std::wstring shortName(const std::wstring& path) {
    const auto start = path.find_last_of(L"\\/:") + 1;
    const auto dot = path.rfind(L'.');
    return path.substr(start,
                       dot == std::wstring::npos || dot < start ? std::wstring::npos : dot - start);
}

std::wstring ratioText(double ratio) {
    return bench::formatted(ratio, 2, L"x");
}

std::wstring below(double ratio) {
    return L"< " + bench::formatted(ratio, 2, L"x");
}

std::wstring atMost(double ratio) {
    return L"<= " + bench::formatted(ratio, 2, L"x");
}

void printStartupFigures(const std::vector<std::wstring>& programs,
                         const std::vector<Medians>& medians) {
    const auto& tarvex = medians[0];
    for (size_t i = 0; i < programs.size(); ++i) {
        const auto name = i == 0 ? L"tarvex" : shortName(programs[i]);
        bench::printFigure(L"start to painted window: " + name,
                           bench::formatted(medians[i].milliseconds, 1, L" ms"));
        bench::printFigure(L"peak working set: " + name,
                           bench::formatted(medians[i].peakMegabytes, 1, L" MB"));
    }
    const double againstEmpty = tarvex.milliseconds / medians[1].milliseconds;
    bench::printFigure(L"start-up, tarvex / empty window", ratioText(againstEmpty),
                       atMost(kEmptyWindowTarget), againstEmpty <= kEmptyWindowTarget);
    const double memory = tarvex.peakMegabytes / medians[1].peakMegabytes;
    bench::printFigure(L"peak working set, tarvex / empty window", ratioText(memory),
                       atMost(kEmptyWindowMemoryTarget), memory <= kEmptyWindowMemoryTarget);
    if (programs.size() > 2) {
        const double againstManifest = tarvex.milliseconds / medians[2].milliseconds;
        bench::printFigure(L"start-up, tarvex / " + shortName(programs[2]),
                           ratioText(againstManifest), atMost(kManifestWindowTarget),
                           againstManifest <= kManifestWindowTarget);
    }
    for (size_t i = 3; i < programs.size(); ++i) {
        const auto name = shortName(programs[i]);
        const double time = tarvex.milliseconds / medians[i].milliseconds;
        bench::printFigure(L"start-up, tarvex / " + name, ratioText(time),
                           below(kPlatformProgramTarget), time < kPlatformProgramTarget);
        const double peak = tarvex.peakMegabytes / medians[i].peakMegabytes;
        bench::printFigure(L"peak working set, tarvex / " + name, ratioText(peak),
                           below(kPlatformProgramTarget), peak < kPlatformProgramTarget);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr,
                      L"usage: startup_bench <tarvex.exe> <empty_window.exe> [rounds] "
                      L"[empty_window_v6.exe [program...]]\n");
        return 2;
    }
    const int rounds = argc > 3 ? _wtoi(argv[3]) : 15;
    std::vector<std::wstring> programs{argv[1], argv[2]};
    for (int i = 4; i < argc; ++i) {
        programs.emplace_back(argv[i]);
    }
    bench::printFigure(L"start-up rounds (medians of)", std::to_wstring(rounds));
    printStartupFigures(programs, measureInTurn(programs, rounds));
    return 0;
}
