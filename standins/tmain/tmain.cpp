// Stand-in for the system's applet library TMain.dll: a few applets that do
// nothing but tell what reached them. Opening an applet shows nothing, so a
// control panel driving it never waits for a person.

#include <windows.h>

#include <cpl.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "standins/standin_io.h"
#include "standins/tmain/tmain_standin.h"

namespace {

HMODULE thisLibrary = nullptr;
std::vector<std::wstring> appletNames;
bool answersInAnsi = false;

// Unknown messages are answered with their first parameter, so a caller can see
// that the result came back from here unchanged.
LONG echo(LPARAM lParam1) {
    return static_cast<LONG>(lParam1);
}

std::vector<std::wstring> splitAtCommas(const std::wstring& list) {
    std::vector<std::wstring> items;
    std::wstringstream stream(list);
    for (std::wstring item; std::getline(stream, item, L',');) {
        items.push_back(item);
    }
    return items;
}

void configure() {
    appletNames = splitAtCommas(standins::environmentVariable(standins::kTMainAppletsVariable)
                                    .value_or(standins::kTMainDefaultApplets));
    answersInAnsi = standins::environmentVariable(standins::kTMainRecordVariable) ==
                    std::wstring(standins::kTMainAnsiRecord);
}

std::wstring journalPath() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(thisLibrary, path.data(), MAX_PATH));
    return path.substr(0, path.find_last_of(L'\\') + 1) + standins::kTMainJournalFile;
}

void journal(HWND window, UINT message, LPARAM lParam1, LPARAM lParam2) {
    std::ostringstream line;
    line << message << std::hex << std::showbase << ' ' << reinterpret_cast<UINT_PTR>(window) << ' '
         << static_cast<ULONG_PTR>(lParam1) << ' ' << static_cast<ULONG_PTR>(lParam2);
    standins::appendLine(journalPath(), line.str());
}

bool isApplet(LPARAM index) {
    return index >= 0 && static_cast<std::size_t>(index) < appletNames.size();
}

// Names and descriptions come from CPL_NEWINQUIRE only.
void describeOld(LPARAM index, CPLINFO& info) {
    info.idIcon = CPL_DYNAMIC_RES;
    info.idName = CPL_DYNAMIC_RES;
    info.idInfo = CPL_DYNAMIC_RES;
    info.lData = index;
}

template <typename Record, typename Char>
void copyName(Record& record, const std::basic_string<Char>& name) {
    const std::size_t length = std::min(name.size(), std::size(record.szName) - 1);
    std::copy_n(name.begin(), length, record.szName);
}

std::string toAnsi(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), ansi.data(), size,
                        nullptr, nullptr);
    return ansi;
}

template <typename Record>
void describeCommon(LPARAM index, Record& record) {
    record = Record{};
    record.dwSize = sizeof(Record);
    record.lData = index;
    record.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
}

void describeNew(LPARAM index, LPARAM recordAddress) {
    const std::wstring& name = appletNames[static_cast<std::size_t>(index)];
    if (answersInAnsi) {
        auto& record = *reinterpret_cast<NEWCPLINFOA*>(recordAddress);
        describeCommon(index, record);
        copyName(record, toAnsi(name));
    } else {
        auto& record = *reinterpret_cast<NEWCPLINFOW*>(recordAddress);
        describeCommon(index, record);
        copyName(record, name);
    }
}

LONG answer(UINT message, LPARAM lParam1, LPARAM lParam2) {
    switch (message) {
        case CPL_INIT:
            configure();
            return TRUE;
        case CPL_GETCOUNT:
            return static_cast<LONG>(appletNames.size());
        case CPL_INQUIRE:
            if (isApplet(lParam1)) {
                describeOld(lParam1, *reinterpret_cast<CPLINFO*>(lParam2));
            }
            return 0;
        case CPL_NEWINQUIRE:
            if (isApplet(lParam1)) {
                describeNew(lParam1, lParam2);
            }
            return 0;
        case CPL_SELECT:
        case CPL_DBLCLK:
        case CPL_STOP:
        case CPL_EXIT:
        case CPL_STARTWPARMSA:
        case CPL_STARTWPARMSW:
            // Not taking parameters: a host double-clicks after a start with them.
            return 0;
        default:
            return echo(lParam1);
    }
}

}  // namespace

extern "C" LONG WINAPI CPlApplet(HWND window, UINT message, LPARAM lParam1, LPARAM lParam2) {
    journal(window, message, lParam1, lParam2);
    return answer(message, lParam1, lParam2);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        thisLibrary = instance;
    }
    return TRUE;
}
