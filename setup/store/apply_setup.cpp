// The three ways an edited setup reaches the registry and the driver: the live
// update, Apply, and revert.
#include "setup/busy_cursor.h"
#include "setup/store/device_key.h"
#include "setup/store/setup_store.h"
#include "setup/tarvex_form.h"

namespace setup {

void TfrmTarvex::bindStoreHandlers() {
    btnApply->onClick = handler(&TfrmTarvex::btnApplyClick);
}

void TfrmTarvex::writeLiveSetup(ActionTable& actions, const std::wstring& application,
                                MouseInfo device, PropertyInfo setup) {
    recordText = buildPropertyRecord(setup);
    actionText = buildActionString(actions, macroReporter_);
    storeDeviceRecord(services_.registry, makeDeviceKey(device.deviceCode, device.portNumber),
                      application, recordText, actionText);
    driverLink.notifyDriver();
}

void TfrmTarvex::btnApplyClick(ui::Control&) {
    BusyCursor busy(application());
    commitPointerScheme();
    editedSetup.schemeName = currentSchemeName;
    editedSetup.schemeNameLength = static_cast<int>(currentSchemeName.size());
    recordText = buildPropertyRecord(editedSetup);
    actionText = buildActionString(editedActions, macroReporter_);
    storeDeviceRecord(services_.registry,
                      makeDeviceKey(chosenDevice.deviceCode, chosenDevice.portNumber),
                      editedSetup.applicationName, recordText, actionText);
    savedSetup = editedSetup;
    currentSetup = editedSetup;
    savedActions = editedActions;
    currentActions = editedActions;
    btnApply->setEnabled(false);
    driverLink.notifyDriver();
    settingsChanged = false;
}

void TfrmTarvex::updateApplyButton() {
    // The stored name length is written from the name itself, so it is not
    // compared on its own.
    auto edited = editedSetup;
    edited.applicationNameLength = savedSetup.applicationNameLength;
    if (edited != savedSetup || schemeChanged || editedActions != savedActions) {
        btnApply->setEnabled(true);
    }
}

void TfrmTarvex::revertSetup(const std::wstring& application) {
    if (savedSetup.buttonPosition[0] == kNothingLoaded) {
        return;
    }
    currentSetup = savedSetup;
    editedSetup = savedSetup;
    editedActions = savedActions;
    currentActions = savedActions;
    writeLiveSetup(savedActions, application, chosenDevice, savedSetup);
    settingsChanged = false;
    schemeChanged = false;
    btnApply->setEnabled(false);
}

}  // namespace setup
