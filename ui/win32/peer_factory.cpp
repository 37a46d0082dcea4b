#include <stdexcept>

#include "platform/text.h"
#include "ui/win32/peers.h"

namespace ui::win32 {
namespace {

template <typename Model, typename PeerType>
std::unique_ptr<NativePeer> peerIf(Win32Backend& backend, Control& control) {
    if (auto* model = dynamic_cast<Model*>(&control)) {
        return std::make_unique<PeerType>(backend, *model);
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<NativePeer> makePeer(Win32Backend& backend, Control& control) {
    using Maker = std::unique_ptr<NativePeer> (*)(Win32Backend&, Control&);
    // Derived kinds come before their bases (a file list is a list box).
    static const Maker makers[] = {
        peerIf<Form, FormPeer>,         peerIf<Button, ButtonPeer>,
        peerIf<CheckBox, CheckBoxPeer>, peerIf<RadioGroup, RadioGroupPeer>,
        peerIf<Label, LabelPeer>,       peerIf<GroupBox, GroupBoxPeer>,
        peerIf<Panel, PanelPeer>,       peerIf<Shape, ShapePeer>,
        peerIf<Image, ImagePeer>,       peerIf<Edit, EditPeer>,
        peerIf<TrackBar, TrackBarPeer>, peerIf<ListBox, ListBoxPeer>,
        peerIf<ComboBox, ComboBoxPeer>, peerIf<PageControl, PageControlPeer>,
        peerIf<TabSheet, TabSheetPeer>,
    };
    for (const Maker make : makers) {
        if (auto peer = make(backend, control)) {
            return peer;
        }
    }
    throw std::logic_error("no native window for the control " + platform::toUtf8(control.name()));
}

}  // namespace ui::win32
