// Start-up of tarvex.exe against a program that only opens an empty window,
// measured alternately in the same run: time from starting the process until
// its window is shown and painted (the process waits for input), and the peak
// working set it reached by then. A third program, the empty window with the
// common controls 6 manifest, shows what that manifest alone costs.
//   startup_bench <tarvex.exe> <empty_window.exe> [rounds] [empty_window_v6.exe]
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

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

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr,
                      L"usage: startup_bench <tarvex.exe> <empty_window.exe> [rounds] "
                      L"[empty_window_v6.exe]\n");
        return 2;
    }
    const int rounds = argc > 3 ? _wtoi(argv[3]) : 15;
    std::vector<std::wstring> programs{argv[1], argv[2]};
    if (argc > 4) {
        programs.emplace_back(argv[4]);
    }
    const auto medians = measureInTurn(programs, rounds);
    const auto& program = medians[0];
    const auto& empty = medians[1];
    std::wprintf(
        L"start to painted window (median of %d): tarvex %.1f ms, empty window %.1f ms, ratio %.2f "
        L"(target <= 1.30)\n",
        rounds, program.milliseconds, empty.milliseconds,
        program.milliseconds / empty.milliseconds);
    std::wprintf(
        L"peak working set: tarvex %.1f MB, empty window %.1f MB, ratio %.2f (target <= 2.00)\n",
        program.peakMegabytes, empty.peakMegabytes, program.peakMegabytes / empty.peakMegabytes);
    if (medians.size() > 2) {
        const auto& v6 = medians[2];
        std::wprintf(
            L"the empty window with the common controls 6 manifest: %.1f ms (ratio %.2f to the "
            L"empty window); tarvex against it: ratio %.2f\n",
            v6.milliseconds, v6.milliseconds / empty.milliseconds,
            program.milliseconds / v6.milliseconds);
    }
    return 0;
}
