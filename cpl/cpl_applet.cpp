// The control panel's entry into this library. Every applet message goes on to
// the applet library TMain.dll, except that opening the "Mouse" applet starts the
// setup program instead of TMain.dll's own dialog.

#include <windows.h>

#include <cpl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <type_traits>

#include "cpl/applet_library.h"
#include "cpl/fixed_text_field.h"
#include "cpl/setup_program.h"

namespace cpl {
namespace {

// The records as the control panel lays them out (byte-packed): the applet name
// lies 20 bytes in on 32-bit Windows, 28 on 64-bit, in both forms of the record.
constexpr bool kIs64Bit = sizeof(void*) == 8;
static_assert(offsetof(NEWCPLINFOA, szName) == (kIs64Bit ? 28 : 20));
static_assert(offsetof(NEWCPLINFOW, szName) == offsetof(NEWCPLINFOA, szName));
static_assert(sizeof(NEWCPLINFOA) == (kIs64Bit ? 252 : 244));
static_assert(sizeof(NEWCPLINFOW) == (kIs64Bit ? 476 : 468));
static_assert(sizeof(SHELLEXECUTEINFOW) == (kIs64Bit ? 112 : 60));
// The old record: three resource numbers, then the applet's pointer-sized data.
static_assert(offsetof(CPLINFO, lData) == 12 && sizeof(CPLINFO) == (kIs64Bit ? 20 : 16));

struct ForwarderState {
    HMODULE appletLibrary = nullptr;  // loaded on every CPL_INIT and never released
    APPLET_PROC appletEntry = nullptr;
    LPARAM mouseAppletIndex = 0;
};

// One set per loaded instance of this library.
ForwarderState state;

constexpr wchar_t kAppletLibraryFile[] = L"TMain.dll";
constexpr char kAppletEntryName[] = "CPlApplet";
constexpr std::string_view kMouseAppletName = "Mouse";
constexpr std::wstring_view kMouseAppletNameWide = L"Mouse";

constexpr wchar_t kForwarderCaption[] = L"In Sornel";
constexpr wchar_t kExitCaption[] = L"Error in Sornel";
constexpr wchar_t kLaunchCaption[] = L"Omouse";
constexpr wchar_t kLibraryMissingText[] = L"Couldn't find TMain.dll";
constexpr wchar_t kEntryMissingText[] = L"Couldn't Reference CPlApplet";
// Worded as the failure it reports, like the other messages of this library.
constexpr wchar_t kLaunchFailedText[] = L"Couldn't run tarvex.exe";

// Without the applet library the control panel reads 0 as: CPL_INIT failed (it
// then unloads this library), CPL_GETCOUNT has no applets, anything else handled.
constexpr LONG kUnsentResult = 0;
constexpr LONG kDoubleClickResult = 0;
// A start-with-parameters answered here must not be followed by the host's
// double-click, which would start the setup program a second time.
constexpr LONG kStartHandled = TRUE;

struct UnsentMessage {
    UINT message;
    const wchar_t* text;
    const wchar_t* caption;
};

constexpr UnsentMessage kUnsentMessages[] = {
    {CPL_INIT, L"Couldn't send CPL_INIT", kForwarderCaption},
    {CPL_GETCOUNT, L"Couldn't send CPL_GETCOUNT", kForwarderCaption},
    {CPL_SELECT, L"Couldn't send CPL_SELECT", kForwarderCaption},
    {CPL_DBLCLK, L"Couldn't send CPL_DBLCLK", kForwarderCaption},
    {CPL_STOP, L"Couldn't send CPL_STOP", kForwarderCaption},
    {CPL_EXIT, L"Couldn't send CPL_EXIT", kExitCaption},
    {CPL_NEWINQUIRE, L"Couldn't send CPL_NEWINQUIRE", kForwarderCaption},
};
constexpr UnsentMessage kUnsentOtherMessage = {0, L"Couldn't send Default", kForwarderCaption};

void report(HWND owner, const wchar_t* text, const wchar_t* caption) {
    MessageBoxW(owner, text, caption, MB_OK);
}

const UnsentMessage& unsentMessage(UINT message) {
    const auto found =
        std::find_if(std::begin(kUnsentMessages), std::end(kUnsentMessages),
                     [message](const UnsentMessage& unsent) { return unsent.message == message; });
    return found == std::end(kUnsentMessages) ? kUnsentOtherMessage : *found;
}

LONG forward(HWND controlPanel, UINT message, LPARAM lParam1, LPARAM lParam2) {
    if (state.appletEntry == nullptr) {
        const UnsentMessage& unsent = unsentMessage(message);
        report(nullptr, unsent.text, unsent.caption);
        return kUnsentResult;
    }
    return state.appletEntry(controlPanel, message, lParam1, lParam2);
}

// GetProcAddress returns an untyped function address; retyping it through
// void (*)() says so to the compiler.
APPLET_PROC appletEntryOf(HMODULE library) {
    return reinterpret_cast<APPLET_PROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, kAppletEntryName)));
}

void bindAppletLibrary() {
    state.appletLibrary = loadLibraryWithoutCurrentDirectory(kAppletLibraryFile);
    if (state.appletLibrary == nullptr) {
        report(nullptr, kLibraryMissingText, kForwarderCaption);
    }
    state.appletEntry =
        state.appletLibrary == nullptr ? nullptr : appletEntryOf(state.appletLibrary);
    if (state.appletEntry == nullptr) {
        report(nullptr, kEntryMissingText, kForwarderCaption);
    }
}

// The applet fills either form of the record and says which by its size; both
// forms start alike, so the size field can be read before knowing the form.
bool namesMouseApplet(LPARAM recordAddress) {
    if (recordAddress == 0) {
        return false;
    }
    const auto* wide = reinterpret_cast<const NEWCPLINFOW*>(recordAddress);
    if (wide->dwSize == sizeof(NEWCPLINFOW)) {
        return fixedFieldHolds(wide->szName, kMouseAppletNameWide);
    }
    const auto* ansi = reinterpret_cast<const NEWCPLINFOA*>(recordAddress);
    return fixedFieldHolds(ansi->szName, kMouseAppletName);
}

// The shell would look for the bare name in the current directory first: the
// program is started by the full path found without it.
void startSetupProgram(HWND controlPanel) {
    const std::wstring program = findSetupProgram();
    SHELLEXECUTEINFOW execution{};
    execution.cbSize = sizeof(execution);
    execution.fMask = SEE_MASK_NOCLOSEPROCESS;
    execution.lpVerb = L"open";
    execution.lpFile = program.c_str();
    execution.lpParameters = L"";
    execution.nShow = SW_SHOWDEFAULT;
    if (program.empty() || !ShellExecuteExW(&execution)) {
        report(controlPanel, kLaunchFailedText, kLaunchCaption);
        return;
    }
    if (execution.hProcess != nullptr) {
        CloseHandle(execution.hProcess);
    }
}

LONG handle(HWND controlPanel, UINT message, LPARAM lParam1, LPARAM lParam2) {
    switch (message) {
        case CPL_INIT:
            bindAppletLibrary();
            break;
        case CPL_INQUIRE:
            // Answered here and never forwarded: the control panel then asks for
            // the new record, which is where the mouse applet is recognised.
            return 0;
        case CPL_DBLCLK:
            if (lParam1 == state.mouseAppletIndex) {
                startSetupProgram(controlPanel);
                return kDoubleClickResult;
            }
            break;
        case CPL_STARTWPARMSA:
        case CPL_STARTWPARMSW:
            if (lParam1 == state.mouseAppletIndex) {
                startSetupProgram(controlPanel);
                return kStartHandled;
            }
            break;
        case CPL_NEWINQUIRE: {
            const LONG result = forward(controlPanel, message, lParam1, lParam2);
            if (namesMouseApplet(lParam2)) {
                state.mouseAppletIndex = lParam1;
            }
            return result;
        }
    }
    return forward(controlPanel, message, lParam1, lParam2);
}

}  // namespace
}  // namespace cpl

extern "C" LONG WINAPI CPlApplet(HWND controlPanel, UINT message, LPARAM lParam1, LPARAM lParam2) {
    // Nothing may unwind into the control panel.
    try {
        return cpl::handle(controlPanel, message, lParam1, lParam2);
    } catch (...) {
        return 0;
    }
}

// The control panel calls the entry through its own type: the Windows calling
// convention (stdcall on 32-bit Windows), four arguments, a 32-bit result.
static_assert(std::is_same_v<decltype(&CPlApplet), APPLET_PROC>);
static_assert(sizeof(LONG) == 4 && sizeof(UINT) == 4);

// The library holds nothing that needs setting up or releasing per process or
// thread (TMain.dll is deliberately kept loaded).
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
