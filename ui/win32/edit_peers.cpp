#include <windows.h>

#include <commctrl.h>

#include "ui/input.h"
#include "ui/win32/peers.h"

namespace ui::win32 {
namespace {

std::wstring textOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

DWORD tickStyle(TickMarks marks) {
    switch (marks) {
        case TickMarks::BottomRight:
            return TBS_BOTTOM;
        case TickMarks::TopLeft:
            return TBS_TOP;
        case TickMarks::Both:
            return TBS_BOTH;
    }
    return TBS_BOTTOM;
}

}  // namespace

WindowKind EditPeer::kind() const {
    return {L"EDIT", static_cast<DWORD>(ES_AUTOHSCROLL | WS_TABSTOP), WS_EX_CLIENTEDGE};
}

void EditPeer::mirror(Property property) {
    switch (property) {
        case Property::Text: {
            Writing guard(*this);
            SetWindowTextW(window(), edit_.text().c_str());
            break;
        }
        case Property::Selection: {
            // While writing, the model's selection is read as it is, not pulled.
            Writing guard(*this);
            const int start = edit_.selStart();
            SendMessageW(window(), EM_SETSEL, start, start + edit_.selLength());
            break;
        }
        case Property::ReadOnly:
            write(EM_SETREADONLY, edit_.readOnly());
            break;
        case Property::MaxLength:
            write(EM_LIMITTEXT, static_cast<WPARAM>(edit_.maxLength()));
            break;
        default:
            NativePeer::mirror(property);
    }
}

void EditPeer::pull(Property property) {
    if (property != Property::Selection || writing()) {
        return;
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(window(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    edit_.storeSelection(static_cast<int>(start), static_cast<int>(end - start));
}

void EditPeer::command(WORD code) {
    if (code == EN_CHANGE) {
        input::editChanged(edit_, textOf(window()));
    }
}

WindowKind TrackBarPeer::kind() const {
    return {TRACKBAR_CLASSW, static_cast<DWORD>(TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP)};
}

void TrackBarPeer::mirror(Property property) {
    switch (property) {
        case Property::Range:
            write(TBM_SETRANGEMIN, FALSE, bar_.min());
            write(TBM_SETRANGEMAX, TRUE, bar_.max());
            write(TBM_SETLINESIZE, 0, bar_.lineSize());
            write(TBM_SETPAGESIZE, 0, bar_.pageSize());
            break;
        case Property::Position:
            write(TBM_SETPOS, TRUE, bar_.position());
            break;
        case Property::Ticks:
            setStyle(TBS_TOP | TBS_BOTH, tickStyle(bar_.tickMarks()));
            write(TBM_SETTICFREQ, static_cast<WPARAM>(bar_.frequency()));
            break;
        default:
            NativePeer::mirror(property);
    }
}

void TrackBarPeer::scrolled() {
    input::trackBarMoved(bar_, static_cast<int>(SendMessageW(window(), TBM_GETPOS, 0, 0)));
}

}  // namespace ui::win32
