// The three ways an edited setup reaches the registry and the driver: the live
// update, Apply, and revert.
#include "setup/busy_cursor.h"
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
    storeDeviceRecord(services_.registry, device, application, recordText, actionText,
                      knownRecordSlot_);
    driverLink.notifyDriver();
}

void TfrmTarvex::writeLoadedSetup(ActionTable& actions, const PropertyInfo& setup) {
    // Before a setup is loaded there is no record to write: nothing is stored
    // for a device nobody chose (showing a tab fills its controls all the same).
    if (!loadedSetup_.any()) {
        return;
    }
    writeLiveSetup(actions, loadedSetup_.application(), loadedSetup_.device(), setup);
}

void TfrmTarvex::btnApplyClick(ui::Control&) {
    BusyCursor busy(application());
    if (!loadedSetup_.any() || !commitPointerScheme()) {
        return;
    }
    // On the property page the scheme shown is the setup's, the unnamed one
    // included. Leaving the page backwards empties it; changes applied after
    // that keep the scheme the setup has.
    if (!loadedSetup_.leftByBack()) {
        editedSetup.schemeName = currentSchemeName;
        editedSetup.schemeNameLength = static_cast<int>(currentSchemeName.size());
    }
    recordText = buildPropertyRecord(editedSetup);
    actionText = buildActionString(editedActions, macroReporter_);
    storeDeviceRecord(services_.registry, loadedSetup_.device(), loadedSetup_.application(),
                      recordText, actionText, knownRecordSlot_);
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

void TfrmTarvex::revertSetup() {
    if (savedSetup.buttonPosition[0] == kNothingLoaded) {
        return;
    }
    currentSetup = savedSetup;
    editedSetup = savedSetup;
    editedActions = savedActions;
    currentActions = savedActions;
    writeLoadedSetup(savedActions, savedSetup);
    settingsChanged = false;
    schemeChanged = false;
    btnApply->setEnabled(false);
}

}  // namespace setup
