// The application pages: the list of the device's applications (Page10) with
// adding and deleting, the dialog that names a new one, and the program-file
// browser (Page14).
#include "platform/text.h"
#include "setup/busy_cursor.h"
#include "setup/messages.h"
#include "setup/store/application_store.h"
#include "setup/store/device_key.h"
#include "setup/store/file_box.h"
#include "setup/store/property_record.h"
#include "setup/store/record_store.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

constexpr wchar_t kEnterKey = 13;
const std::wstring kGeneralEntry = L"{general applications}";
constexpr int kGeneralRow = 0;
// "{general applications}" and ten named applications.
constexpr int kMostListEntries = 11;
// The pause after a deletion's registry work, before the list is read again;
// clicks made meanwhile wait for it.
constexpr int kPauseAfterDeletion = 300;

// Counts a deletion for as long as it runs, however it ends.
class DeletionCount {
public:
    explicit DeletionCount(int& counter) : counter_(counter) { ++counter_; }
    ~DeletionCount() { --counter_; }
    DeletionCount(const DeletionCount&) = delete;
    DeletionCount& operator=(const DeletionCount&) = delete;
    bool another() const { return counter_ > 1; }

private:
    int& counter_;
};

}  // namespace

void TfrmTarvex::bindApplicationHandlers() {
    Page10->onShow = handler(&TfrmTarvex::Page10Show);
    lstbSpecialApplications->onClick = handler(&TfrmTarvex::lstbSpecialApplicationsClick);
    lstbSpecialApplications->onDblClick = handler(&TfrmTarvex::lstbSpecialApplicationsDblClick);
    lstbSpecialApplications->onKeyPress = handler(&TfrmTarvex::lstbSpecialApplicationsKeyPress);
    btnPage10Browse->onClick = handler(&TfrmTarvex::btnPage10BrowseClick);
    btnPage10Delete->onClick = handler(&TfrmTarvex::btnPage10DeleteClick);
    Page14->onShow = handler(&TfrmTarvex::Page14Show);
    flbSpecialApplication->onClick = handler(&TfrmTarvex::flbSpecialApplicationClick);
    flbSpecialApplication->onDblClick = handler(&TfrmTarvex::flbSpecialApplicationDblClick);
    flbSpecialApplication->onKeyPress = handler(&TfrmTarvex::flbSpecialApplicationKeyPress);
}

void TfrmTarvex::Page10Show(ui::Control&) {
    BusyCursor busy(application());
    lstbSpecialApplications->clearItems();
    lstbSpecialApplications->addItem(kGeneralEntry);
    Label66->setCaption(L"Choose an application to set up for the pointing device \"" +
                        platform::trim(chosenDevice.deviceTypeName) + L"\"");
    auto key = openPropertiesKey(services_.registry);
    for (const auto& name :
         listApplications(*key, makeDeviceKey(chosenDevice.deviceCode, chosenDevice.portNumber))) {
        lstbSpecialApplications->addItem(name);
    }
    key->close();
}

void TfrmTarvex::lstbSpecialApplicationsClick(ui::Control&) {
    const int row = lstbSpecialApplications->itemIndex();
    if (row < 0) {
        return;
    }
    applicationName = row == kGeneralRow ? kGeneral : lstbSpecialApplications->item(row);
    btnNext->setEnabled(true);
    btnPage10Delete->setEnabled(true);
}

void TfrmTarvex::lstbSpecialApplicationsDblClick(ui::Control& sender) {
    lstbSpecialApplicationsClick(sender);
    btnNextClick(sender);
}

void TfrmTarvex::lstbSpecialApplicationsKeyPress(ui::Control& sender, wchar_t& key) {
    if (key == kEnterKey) {
        lstbSpecialApplicationsDblClick(sender);
    }
}

void TfrmTarvex::btnPage10BrowseClick(ui::Control&) {
    TFileBox box(application());
    switch (box.showModal()) {
        case ui::kModalOk:
            applicationName = applicationNameFrom(box.txtSpecialApp->text());
            btnBack->show();
            btnNext->setEnabled(false);
            addApplication(applicationName);
            break;
        case TFileBox::kBrowseResult:
            showPage(Page14, kApplicationFileStep);
            btnNext->setEnabled(false);
            btnBack->setEnabled(true);
            break;
        default:
            break;
    }
}

int TfrmTarvex::listedApplicationRow(const std::wstring& name) const {
    if (name == kGeneral) {
        return kGeneralRow;
    }
    const auto& items = lstbSpecialApplications->items();
    for (size_t row = 0; row < items.size(); ++row) {
        if (items[row] == name) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

void TfrmTarvex::chooseApplicationRow(int row) {
    lstbSpecialApplications->setItemIndex(row);
    btnNext->setEnabled(true);
    if (row != kGeneralRow) {
        btnPage10Delete->setEnabled(true);
    }
}

void TfrmTarvex::addApplication(const std::wstring& name) {
    const auto program = applicationNameFrom(name);
    if (program.empty()) {
        return;
    }
    // A name already listed is only chosen, so it needs no room below the limit.
    if (const int row = listedApplicationRow(program); row >= 0) {
        chooseApplicationRow(row);
        return;
    }
    if (lstbSpecialApplications->itemCount() >= kMostListEntries) {
        showStopMessage(
            services_.messageBoxes,
            L"There is an 11 application maximum for setting mouse preferences.\n"
            L"Delete one or more applications in order to add any new program references",
            L"Application limit reached");
        return;
    }
    BusyCursor busy(application());
    // Listed only once stored: a name listed without its record would be chosen
    // rather than added when the user tries again, and its setup would start
    // from the defaults instead of the GENERAL settings and actions.
    auto key = openPropertiesKey(services_.registry);
    addApplicationRecord(*key, makeDeviceKey(chosenDevice.deviceCode, chosenDevice.portNumber),
                         program);
    key->close();
    chooseApplicationRow(lstbSpecialApplications->addItem(program));
    driverLink.notifyDriver();
    if (btnNext->canFocus()) {
        btnNext->setFocus();
    }
}

void TfrmTarvex::btnPage10DeleteClick(ui::Control& sender) {
    DeletionCount deletion(deletionsInProgress);
    if (deletion.another()) {
        platform::MessageBoxRequest box;
        box.text = L"Please wait for previous deletion to complete....";
        box.caption = L"Tarvex";
        services_.messageBoxes.show(box);
        return;
    }
    const int row = lstbSpecialApplications->itemIndex();
    if (row == kGeneralRow) {
        showStopMessage(services_.messageBoxes, L"Cannot Delete Standard Windows Mouse Properties",
                        L"Error");
        return;
    }
    BusyCursor busy(application());
    if (row > kGeneralRow) {
        const auto name = lstbSpecialApplications->item(row);
        lstbSpecialApplications->deleteItem(row);
        auto key = openPropertiesKey(services_.registry);
        const auto number = findApplicationRecord(*key, chosenDevice, name);
        if (!number) {
            key->close();
            showStopMessage(services_.messageBoxes,
                            L"The Orvane Registry Keys may be corrupt.\n"
                            L"Exit this program and reboot Windows immediately",
                            L"Error Reading Registry");
            return;
        }
        applicationName.clear();
        lstbSpecialApplications->setItemIndex(-1);
        btnNext->setEnabled(false);
        removeRecord(*key, *number);
        key->close();
        // Clicks that came meanwhile are handled now: a second Delete among them
        // is told to wait.
        application().backend().sleep(kPauseAfterDeletion);
        application().processMessages();
        Page10Show(sender);
    }
    if (lstbSpecialApplications->itemIndex() < 0) {
        btnPage10Delete->setEnabled(false);
    }
    driverLink.notifyDriver();
}

void TfrmTarvex::Page14Show(ui::Control&) {
    // A directory removed since it was last used leaves the list where it is.
    if (services_.files.directoryExists(applicationBrowseDirectory)) {
        dlbSpecialApplication->setDirectory(applicationBrowseDirectory);
    }
    if (dlbSpecialApplication->canFocus()) {
        dlbSpecialApplication->setFocus();
    }
}

void TfrmTarvex::flbSpecialApplicationClick(ui::Control&) {
    const auto path = flbSpecialApplication->fileName();
    if (path.empty()) {
        return;
    }
    applicationName = applicationNameFrom(path);
    btnNext->setEnabled(true);
}

void TfrmTarvex::flbSpecialApplicationDblClick(ui::Control& sender) {
    flbSpecialApplicationClick(sender);
    if (flbSpecialApplication->fileName().empty()) {
        return;
    }
    applicationBrowseDirectory = dlbSpecialApplication->directory();
    btnNextClick(sender);
}

void TfrmTarvex::flbSpecialApplicationKeyPress(ui::Control& sender, wchar_t& key) {
    if (key == kEnterKey) {
        flbSpecialApplicationDblClick(sender);
    }
}

}  // namespace setup
