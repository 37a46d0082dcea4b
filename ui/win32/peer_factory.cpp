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

std::unique_ptr<NativePeer> pagesPeer(Win32Backend& backend, Control& control) {
    auto* pages = dynamic_cast<PageControl*>(&control);
    if (pages == nullptr) {
        return nullptr;
    }
    if (pages->tabsVisible()) {
        return std::make_unique<PageControlPeer>(backend, *pages);
    }
    return std::make_unique<TablessPagesPeer>(backend, *pages);
}

}  // namespace

std::unique_ptr<NativePeer> makePeer(Win32Backend& backend, Control& control) {
    using Maker = std::unique_ptr<NativePeer> (*)(Win32Backend&, Control&);
    // Derived kinds come before their bases (a file list is a list box).
    static const Maker makers[] = {
        peerIf<Form, FormPeer>,         peerIf<Button, ButtonPeer>,
        peerIf<CheckBox, CheckBoxPeer>, peerIf<RadioGroup, RadioGroupPeer>,
        peerIf<Label, LabelPeer>,       peerIf<GroupBox, GroupBoxPeer>,
        peerIf<Panel, PanelPeer>,       peerIf<Edit, EditPeer>,
        peerIf<TrackBar, TrackBarPeer>, peerIf<ListBox, ListBoxPeer>,
        peerIf<ComboBox, ComboBoxPeer>, pagesPeer,
        peerIf<TabSheet, TabSheetPeer>,
    };
    for (const Maker make : makers) {
        if (auto peer = make(backend, control)) {
            return peer;
        }
    }
    throw std::logic_error("no native window for the control " + platform::toUtf8(control.name()));
}

std::unique_ptr<GraphicPeer> makeGraphicPeer(Win32Backend& backend, Control& control) {
    auto* shape = dynamic_cast<Shape*>(&control);
    auto* image = dynamic_cast<Image*>(&control);
    if (shape == nullptr && image == nullptr) {
        return nullptr;
    }
    auto* host = dynamic_cast<NativePeer*>(control.parent()->peer());
    if (host == nullptr || !host->hostsGraphics()) {
        throw std::logic_error("a picture or shape lies on a page, panel or group box (" +
                               platform::toUtf8(control.name()) + ")");
    }
    if (shape != nullptr) {
        return std::make_unique<ShapePeer>(backend, *shape, *host);
    }
    return std::make_unique<ImagePeer>(backend, *image, *host);
}

}  // namespace ui::win32
