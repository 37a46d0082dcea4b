// Loading the chosen device's setup for the chosen application into the editor.
#include "platform/text.h"
#include "setup/busy_cursor.h"
#include "setup/store/setup_store.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

constexpr int kDoubleClickBarEnd = 11;

}  // namespace

void TfrmTarvex::loadPropertyInfo() {
    if (!reloadNeeded) {
        return;
    }
    BusyCursor busy(application());
    clearActions(currentActions);
    if (applicationName.empty()) {
        applicationName = kGeneral;
    }
    auto loaded = loadDeviceRecord(services_.registry, chosenDevice, applicationName);
    deviceRecords = std::move(loaded.deviceRecords);
    recordText = loaded.recordText;
    actionText = loaded.actionText;

    parsePropertyRecord(recordText, currentSetup);
    parseActionString(actionText, currentActions, macroReporter_);
    editedSetup = currentSetup;
    savedSetup = currentSetup;
    setupDevice = chosenDevice;
    editedActions = currentActions;
    savedActions = currentActions;
    settingsChanged = false;
    schemeChanged = false;

    lblDeviceSelected1->setCaption(chosenDevice.deviceTypeName + L" on the " +
                                   portName(chosenDevice.portNumber));
    lblAppPage7->setCaption(L"In the " + platform::trim(currentSetup.applicationName) +
                            L" Application");
    imgCurrentMouse->setPicture(imgPage6Mouse->picture());
    fillButtonsTab();
    currentSchemeName = currentSetup.schemeName;
    // Another setup may name another scheme: the Pointers tab reads it afresh.
    forgetSchemeView();

    reloadNeeded = false;
    btnApply->setEnabled(false);
}

void TfrmTarvex::fillButtonsTab() {
    const auto& positions = currentSetup.buttonPosition;
    cmbPos1->setItemIndex(positions[0]);
    if (chosenDevice.buttonCount == 2) {
        cmbPos3->setItemIndex(positions[1]);
    } else {
        cmbPos2->setItemIndex(positions[2]);
        cmbPos3->setItemIndex(positions[1]);
        cmbPos4->setItemIndex(positions[3]);
    }
    trbDblClickSpeed->setPosition(kDoubleClickBarEnd - currentSetup.doubleClickSpeed);

    cmbPos1->show();
    cmbPos2->show();
    const int buttons = chosenDevice.buttonCount;
    if (buttons < 2 || buttons > 4) {
        return;
    }
    cmbPos2->setVisible(buttons > 2);
    cmbPos3->show();
    cmbPos4->setVisible(buttons == 4);
    Label4->setVisible(buttons == 2);
    Label32->setVisible(buttons > 2);
    Label33->setVisible(buttons > 2);
    Label34->setVisible(buttons == 4);
}

}  // namespace setup
