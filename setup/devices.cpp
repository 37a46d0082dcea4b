// The device list (Page1) and the device type (Page6).
#include "platform/errors.h"
#include "setup/busy_cursor.h"
#include "setup/messages.h"
#include "setup/store/registry_layout.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

constexpr wchar_t kEnterKey = 13;
const std::wstring kDevicePicture = L"MOUSE";

}  // namespace

void TfrmTarvex::bindDeviceHandlers() {
    Page1->onShow = handler(&TfrmTarvex::FormShow);
    lstDevicesFound->onClick = handler(&TfrmTarvex::lstDevicesFoundClick);
    lstDevicesFound->onDblClick = handler(&TfrmTarvex::lstDevicesFoundDblClick);
    lstDevicesFound->onKeyPress = handler(&TfrmTarvex::lstDevicesFoundKeyPress);
    Page6->onShow = handler(&TfrmTarvex::Page6Show);
    ListBox1->onClick = handler(&TfrmTarvex::ListBox1Click);
    ListBox1->onDblClick = handler(&TfrmTarvex::ListBox1DblClick);
    ListBox1->onKeyPress = handler(&TfrmTarvex::ListBox1KeyPress);
}

std::wstring TfrmTarvex::portName(int portNumber) {
    return services_.resources.loadString(portNameNumber(portNumber)).value_or(L"");
}

void TfrmTarvex::FormShow(ui::Control&) {
    BusyCursor busy(application(), platform::CursorKind::AppStarting);
    deviceRecords.clear();
    auto key = services_.registry.create(kDriverRoot, kMiceFoundKey);
    std::wstring found;
    std::wstring typed;
    // The driver owns MiceFound: a value of the wrong kind counts as absent.
    try {
        found = key->readString(kMiceFoundValue);
    } catch (const platform::RegistryError&) {
    }
    userDefinedReadError_.clear();
    try {
        typed = key->readString(kUserDefinedValue);
    } catch (const platform::RegistryError& error) {
        userDefinedReadError_ = error.message();
    }

    auto devices = parseMiceFound(found);
    for (size_t j = 0; j < devices.size() && j < foundDevices.size(); ++j) {
        devices[j].deviceType = foundDevices[j].deviceType;
    }
    userDefinedTypes = parseUserDefined(typed);
    userDefinedCount = static_cast<int>(userDefinedTypes.size());
    applyUserDefinedTypes(devices, userDefinedTypes);
    foundDevices = devices;

    lstDevicesFound->clearItems();
    devicePictures.clear();
    for (const auto& device : foundDevices) {
        const auto name =
            splitDeviceName(services_.resources.loadString(deviceNameNumber(device)).value_or(L""));
        devicePictures.push_back(name.picture);
        lstDevicesFound->addItem(name.name + L" on the " + portName(device.portNumber));
    }
    if (lstDevicesFound->itemCount() == 1) {
        lstDevicesFound->setItemIndex(0);
    }
    key->close();
    deviceCount = lstDevicesFound->itemCount();
}

void TfrmTarvex::lstDevicesFoundClick(ui::Control&) {
    const int index = lstDevicesFound->itemIndex();
    if (index < 0) {
        platform::MessageBoxRequest box;
        box.text = L"Please Select a Listed Device";
        box.caption = L"Select Device";
        services_.messageBoxes.show(box);
        return;
    }
    selectedDevice = index;
    const auto& device = foundDevices[static_cast<size_t>(index)];
    chosenDevice.deviceType = device.deviceType;
    chosenDevice.deviceCode = device.deviceCode;
    chosenDevice.portNumber = device.portNumber;
    typeUnknown = chosenDevice.deviceType == 0;
    setButtonCount();
    btnNext->setEnabled(true);
}

void TfrmTarvex::lstDevicesFoundDblClick(ui::Control& sender) {
    btnNextClick(sender);
}

void TfrmTarvex::lstDevicesFoundKeyPress(ui::Control& sender, wchar_t& key) {
    if (key == kEnterKey) {
        lstDevicesFoundDblClick(sender);
    }
}

void TfrmTarvex::Page6Show(ui::Control& sender) {
    if (typeUnknown) {
        for (ui::Control* shownWithType :
             {static_cast<ui::Control*>(imgPage6Mouse), static_cast<ui::Control*>(Label26),
              static_cast<ui::Control*>(lblTypeSelected), static_cast<ui::Control*>(Label27)}) {
            shownWithType->hide();
        }
        ListBox1->setItemIndex(-1);
    } else if (const int row = deviceKindRow(chosenDevice.deviceType); row >= 0) {
        ListBox1->setItemIndex(row);
    }
    lblPort->setCaption(portName(chosenDevice.portNumber));
    if (ListBox1->itemIndex() >= 0) {
        ListBox1Click(sender);
    }
}

void TfrmTarvex::ListBox1Click(ui::Control&) {
    const int row = ListBox1->itemIndex();
    if (row < 0) {
        return;
    }
    BusyCursor busy(application());
    const auto& kind = kDeviceKinds[static_cast<size_t>(row)];
    imgPage6Mouse->setPicture(kDevicePicture + std::to_wstring(kind.picture));
    imgPage6Mouse->show();
    Label26->show();
    Label27->show();
    lblTypeSelected->setCaption(ListBox1->item(row));
    lblTypeSelected->show();
    selectedTypeIndex = row;
    btnNext->setEnabled(true);
}

void TfrmTarvex::ListBox1DblClick(ui::Control& sender) {
    ListBox1Click(sender);
    btnNextClick(sender);
}

void TfrmTarvex::ListBox1KeyPress(ui::Control& sender, wchar_t& key) {
    if (key == kEnterKey && ListBox1->itemIndex() >= 0) {
        ListBox1DblClick(sender);
    }
}

void TfrmTarvex::assignDeviceType() {
    BusyCursor busy(application());
    const int typeCode = kDeviceKinds[static_cast<size_t>(selectedTypeIndex)].typeCode;
    // Every device found is walked, so that one stored with port 0 hides none
    // after it.
    for (int j = 0; j < deviceCount; ++j) {
        auto& device = foundDevices[static_cast<size_t>(j)];
        if (device.portNumber == chosenDevice.portNumber &&
            device.deviceCode == chosenDevice.deviceCode) {
            device.deviceType = typeCode;
            chosenDevice.deviceType = typeCode;
        }
    }
    storeUserDefinedTypes();

    btnNext->setEnabled(true);
    typeUnknown = false;
    setButtonCount();
    chosenDevice.deviceTypeName = ListBox1->item(selectedTypeIndex);
}

// Rewriting a value that could not be read would lose the types of every
// device not attached now: the type chosen then holds for this run only.
void TfrmTarvex::storeUserDefinedTypes() {
    if (!userDefinedReadError_.empty()) {
        application().handleException(
            platform::RegistryError(userDefinedReadError_ +
                                    L"\nThe stored device types could not be read, so the type "
                                    L"chosen is used now but not stored."));
        return;
    }
    const std::vector<MouseInfo> listed(foundDevices.begin(), foundDevices.begin() + deviceCount);
    const auto text = buildUserDefined(listed, userDefinedTypes);
    auto key = services_.registry.open(kDriverRoot, kMiceFoundKey);
    if (!key) {
        throw platform::RegistryError(L"Failed to set data for '" + kUserDefinedValue +
                                      L"': the key " + kMiceFoundKey + L" is missing");
    }
    key->writeString(kUserDefinedValue, text);
    key->close();
}

void TfrmTarvex::setButtonCount() {
    chosenDevice.buttonCount = buttonCountForType(chosenDevice.deviceType);
}

}  // namespace setup
