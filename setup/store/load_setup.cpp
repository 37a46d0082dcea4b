// Loading the chosen device's setup for the chosen application into the editor.
#include "platform/text.h"
#include "setup/busy_cursor.h"
#include "setup/store/setup_store.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

constexpr int kDoubleClickBarEnd = 11;

const std::wstring kEntriesLeftOutText =
    L"This setup stores more than 11 actions. Only the first 11 are kept when the setup is "
    L"next written.";

std::wstring macroCutText(int row, const std::wstring& kept) {
    return L"The keystroke macro of action " + std::to_wstring(row + 1) +
           L" is too long to be stored again. When the setup is next written it is cut to:\n" +
           kept;
}

}  // namespace

void TfrmTarvex::loadPropertyInfo() {
    if (!reloadNeeded) {
        return;
    }
    const auto name = applicationName.empty() ? kGeneral : applicationName;
    if (btnApply->enabled() && loadedSetup_.isAt(chosenDevice, name)) {
        // The user comes back to the setup whose edits are pending: they stay
        // pending against what was stored before them.
        if (auto scheme = loadedSetup_.takeUpAgain(chosenDevice)) {
            currentSchemeName = *scheme;
        }
        applicationName = name;
        showLoadedSetup();
        reloadNeeded = false;
        return;
    }
    BusyCursor busy(application());
    auto loaded = loadDeviceRecord(services_.registry, chosenDevice, name, knownRecordSlot_);
    const auto setup = parsePropertyRecord(loaded.recordText);
    ActionTable storedActions;
    const bool everyEntry = parseActionString(loaded.actionText, storedActions, macroReporter_);
    const auto actions = storableActions(storedActions, macroReporter_);

    // Everything read: only now does the editor take the setup.
    applicationName = name;
    deviceRecords = std::move(loaded.deviceRecords);
    recordText = std::move(loaded.recordText);
    actionText = std::move(loaded.actionText);
    currentSetup = setup;
    editedSetup = setup;
    savedSetup = setup;
    currentActions = actions;
    editedActions = actions;
    savedActions = actions;
    settingsChanged = false;
    schemeChanged = false;
    loadedSetup_.loaded(chosenDevice, name);
    currentSchemeName = setup.schemeName;
    // Another setup may name another scheme: the Pointers tab reads it afresh.
    forgetSchemeView();
    showLoadedSetup();
    reloadNeeded = false;
    btnApply->setEnabled(false);
    reportWhatTheNextWriteCuts(storedActions, actions, !everyEntry);
}

void TfrmTarvex::reportWhatTheNextWriteCuts(const ActionTable& stored, const ActionTable& kept,
                                            bool entriesLeftOut) {
    std::wstring cuts;
    if (entriesLeftOut) {
        cuts = kEntriesLeftOutText;
    }
    for (int row = 0; row < actionCount(kept); ++row) {
        if (kept[row].macroText != stored[row].macroText && !kept[row].macroText.empty()) {
            cuts += (cuts.empty() ? L"" : L"\n\n") + macroCutText(row, kept[row].macroText);
        }
    }
    if (!cuts.empty()) {
        macroReporter_.report(cuts);
    }
}

void TfrmTarvex::showLoadedSetup() {
    LoadInProgress::Scope loading(loadInProgress_);
    lblDeviceSelected1->setCaption(chosenDevice.deviceTypeName + L" on the " +
                                   portName(chosenDevice.portNumber));
    lblAppPage7->setCaption(L"In the " + platform::trim(editedSetup.applicationName) +
                            L" Application");
    imgCurrentMouse->setPicture(imgPage6Mouse->picture());
    fillButtonsTab();
}

// The edited setup: returning to a setup with pending edits shows them.
void TfrmTarvex::fillButtonsTab() {
    const auto& positions = editedSetup.buttonPosition;
    cmbPos1->setItemIndex(positions[0]);
    if (chosenDevice.buttonCount == 2) {
        cmbPos3->setItemIndex(positions[1]);
    } else {
        cmbPos2->setItemIndex(positions[2]);
        cmbPos3->setItemIndex(positions[1]);
        cmbPos4->setItemIndex(positions[3]);
    }
    trbDblClickSpeed->setPosition(kDoubleClickBarEnd - editedSetup.doubleClickSpeed);

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
