#pragma once

#include <windows.h>

#include <chrono>

namespace cpl {
namespace test {

// Long enough for a cold Wine to start a program; reached only when something is wrong.
constexpr std::chrono::milliseconds kDeadline{30000};
constexpr DWORD kPollIntervalMs = 20;

inline void pause() {
    Sleep(kPollIntervalMs);
}

// Polls until the condition holds or the deadline passes; says which.
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds deadline = kDeadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        pause();
    }
    return true;
}

}  // namespace test
}  // namespace cpl
