// The Pointers tab: the pointer scheme of the setup being edited, a cursor per
// role, the cursor-file page (Page15) and the save-scheme page (Page16).
//
// The window owns every cursor in cursorHandles (and defaultCursors its own): a
// cursor leaves a slot only through putCursor, which destroys it, so none is lost and
// none is destroyed twice. The program's own windows get copies, which the
// cursor service then owns.
#include <algorithm>

#include "platform/errors.h"
#include "platform/text.h"
#include "setup/busy_cursor.h"
#include "setup/messages.h"
#include "setup/pointer/scheme_value.h"
#include "setup/store/registry_layout.h"
#include "setup/tarvex_form.h"

namespace setup {
namespace {

// Owner-drawn rows: the text this far from the left edge, the cursor this far
// from the right edge and from the top, and rows this much higher than an icon.
constexpr int kRowTextIndent = 4;
constexpr int kRowIconMargin = 2;
constexpr int kRowExtraHeight = 4;

const std::wstring kUnsavedPointersText =
    L"The pointers you chose are kept only in a pointer scheme.\nSave them as a scheme, "
    L"then click Apply.";
const std::wstring kUnsavedPointersCaption = L"Pointers";
const std::wstring kLongSchemeNameText =
    L"A scheme name can be at most " + std::to_wstring(kLongestSchemeName) + L" characters long.";

bool isExpandable(const std::optional<platform::RegistryValue>& value) {
    return value && value->type == platform::kRegExpandString;
}

}  // namespace

void TfrmTarvex::bindPointerHandlers() {
    PageControl2->onChange = handler(&TfrmTarvex::PageControl2Change);
    cmbScheme->onChange = handler(&TfrmTarvex::cmbSchemeChange);
    lstPointers->onMeasureItem = handler(&TfrmTarvex::lstPointersMeasureItem);
    lstPointers->onDrawItem = handler(&TfrmTarvex::lstPointersDrawItem);
    lstPointers->onClick = handler(&TfrmTarvex::lstPointersClick);
    lstPointers->onDblClick = handler(&TfrmTarvex::lstPointersDblClick);
    lstPointers->onKeyDown = handler(&TfrmTarvex::lstPointersKeyDown);
    btnBrowsePointers->onClick = handler(&TfrmTarvex::btnBrowsePointersClick);
    btnUseDefaultPoint->onClick = handler(&TfrmTarvex::btnUseDefaultPointClick);
    btnSaveScheme->onClick = handler(&TfrmTarvex::btnSaveSchemeClick);
    Page15->onShow = handler(&TfrmTarvex::Page15Show);
    FilterComboBox2->onChange = handler(&TfrmTarvex::FilterComboBox2Change);
    flbMouseCursors->onClick = handler(&TfrmTarvex::flbMouseCursorsClick);
    flbMouseCursors->onDblClick = handler(&TfrmTarvex::flbMouseCursorsDblClick);
    flbMouseCursors->onKeyDown = handler(&TfrmTarvex::flbMouseCursorsKeyDown);
    Page16->onShow = handler(&TfrmTarvex::Page16Show);
    btnSavePointerScheme->onClick = handler(&TfrmTarvex::btnSavePointerSchemeClick);
}

// ---- Cursor ownership ----

void TfrmTarvex::putCursor(int slot, platform::CursorHandle cursor) {
    auto& held = cursorHandles[static_cast<size_t>(slot)];
    const platform::CursorHandle replaced = held;
    held = cursor;
    if (replaced != cursor) {
        services_.cursors.destroy(replaced);
    }
}

platform::CursorHandle TfrmTarvex::copyOfDefaultCursor(int slot) {
    if (slot >= kPointerRoles) {
        return platform::kNoCursor;
    }
    return services_.cursors.copy(defaultCursors[slot]);
}

void TfrmTarvex::forgetSchemeView() {
    schemeViewLoaded_ = false;
    cursorFiles[0].clear();
    putCursor(0, platform::kNoCursor);
}

void TfrmTarvex::releaseCursors() {
    for (int slot = 0; slot < kCursorSlots; ++slot) {
        putCursor(slot, platform::kNoCursor);
    }
    defaultCursors.release();
}

// ---- Reading and showing a scheme ----

// The fields keep the text as stored, so that a save writes back what it did
// not change; only the cursors are loaded from the expanded paths.
int TfrmTarvex::readScheme(const std::wstring& name) {
    std::optional<platform::RegistryValue> value;
    if (auto key = services_.registry.open(kSchemeRoot, kSchemesKey)) {
        value = key->readStringValue(name);
        key->close();
    }
    schemeFilesExpandable_ = isExpandable(value);
    const auto fields = splitSchemeValue(value ? value->text() : std::wstring());
    const int listed = static_cast<int>(fields.size());
    for (int slot = 0; slot < kCursorSlots; ++slot) {
        auto& file = cursorFiles[static_cast<size_t>(slot)];
        file = slot < listed ? fields[static_cast<size_t>(slot)] : std::wstring();
        // A slot beyond the roles has no default: with no file it shows nothing.
        putCursor(slot, platform::trim(file).empty()
                            ? copyOfDefaultCursor(slot)
                            : services_.cursors.loadFromFile(cursorFilePath(file)));
    }
    return listed;
}

std::wstring TfrmTarvex::cursorFilePath(const std::wstring& field) {
    return schemeFilesExpandable_ ? services_.system.expandEnvironment(field) : field;
}

void TfrmTarvex::refreshSchemeView() {
    BusyCursor busy(application());
    if (!schemeViewLoaded_) {
        std::vector<std::wstring> names;
        if (auto key = services_.registry.open(kSchemeRoot, kSchemesKey)) {
            names = key->valueNames();
            key->close();
        }
        sortSchemeNames(names);
        cmbScheme->setItems(names);
        for (int item = 0; item < cmbScheme->itemCount(); ++item) {
            if (platform::trim(cmbScheme->item(item)) == currentSchemeName) {
                cmbScheme->setItemIndex(item);
            }
        }
        const int listed = readScheme(currentSchemeName);
        // The role rows stay; a longer scheme adds unnamed rows for its extra fields.
        const int rows = std::max(listed, kPointerRoles);
        while (lstPointers->itemCount() > rows) {
            lstPointers->deleteItem(lstPointers->itemCount() - 1);
        }
        while (lstPointers->itemCount() < listed) {
            lstPointers->addItem(L"");
        }
        schemeViewLoaded_ = true;
    }
    lstPointers->setItemIndex(-1);
}

void TfrmTarvex::PageControl2Change(ui::Control&) {
    if (PageControl2->activePage() == TabSheet3) {
        refreshSchemeView();
        lstPointers->repaint();
    }
}

void TfrmTarvex::cmbSchemeChange(ui::Control&) {
    currentSchemeName = cmbScheme->text();
    forgetSchemeView();
    refreshSchemeView();
    lstPointers->setItemIndex(-1);
    lstPointers->repaint();
    Panel2->repaint();
    schemeChanged = true;
    updateApplyButton();
}

void TfrmTarvex::lstPointersMeasureItem(ui::Control&, int, int& height) {
    height = services_.cursors.metrics().iconHeight + kRowExtraHeight;
}

void TfrmTarvex::lstPointersDrawItem(ui::Control& control, int index, ui::Rect rect,
                                     ui::OwnerDrawState) {
    auto& canvas = control.canvas();
    canvas.fillRect(rect);
    const auto& text = lstPointers->item(index);
    canvas.textOut(rect.left + kRowTextIndent,
                   rect.top + (rect.height() - canvas.textHeight(text)) / 2, text);
    if (index >= kCursorSlots || cursorHandles[static_cast<size_t>(index)] == platform::kNoCursor) {
        return;
    }
    const auto metrics = services_.cursors.metrics();
    canvas.drawIcon(
        lstPointers->width() - metrics.iconWidth - metrics.verticalScrollBarWidth - kRowIconMargin,
        rect.top + kRowIconMargin, cursorHandles[static_cast<size_t>(index)], metrics.iconWidth,
        metrics.iconHeight);
}

void TfrmTarvex::previewCursor(ui::Panel& panel, platform::CursorHandle cursor) {
    panel.repaint();
    if (cursor == platform::kNoCursor) {
        return;
    }
    const auto metrics = services_.cursors.metrics();
    panel.canvas().drawIcon((panel.width() - metrics.cursorWidth) / 2,
                            (panel.height() - metrics.cursorHeight) / 2, cursor, metrics.iconWidth,
                            metrics.iconHeight);
}

void TfrmTarvex::lstPointersClick(ui::Control&) {
    const int row = lstPointers->itemIndex();
    if (row >= 0 && row < kCursorSlots) {
        previewCursor(*Panel2, cursorHandles[static_cast<size_t>(row)]);
    }
}

// ---- Changing one role's cursor ----

void TfrmTarvex::browseForCursor() {
    const int row = lstPointers->itemIndex();
    if (row < 0 || row >= kCursorSlots) {
        services_.keyboard.beepAsterisk();
        return;
    }
    browseRole = row;
    showPage(Page15, kCursorFileStep);
    btnBack->show();
    btnBack->setEnabled(true);
    btnNext->setEnabled(false);
}

void TfrmTarvex::btnBrowsePointersClick(ui::Control&) {
    browseForCursor();
}
void TfrmTarvex::lstPointersDblClick(ui::Control&) {
    browseForCursor();
}

void TfrmTarvex::lstPointersKeyDown(ui::Control&, int& key, ui::ShiftState) {
    if (key == platform::vk::kEnter) {
        key = 0;
        browseForCursor();
    }
}

void TfrmTarvex::btnUseDefaultPointClick(ui::Control&) {
    const int row = lstPointers->itemIndex();
    if (row < 0 || row >= kCursorSlots) {
        services_.keyboard.beepAsterisk();
        return;
    }
    putCursor(row, copyOfDefaultCursor(row));
    cursorFiles[static_cast<size_t>(row)].clear();
    PageControl2->setActivePage(*TabSheet3);
    loadPropertyInfo();
    lstPointers->repaint();
    lstPointersClick(*lstPointers);
    schemeChanged = true;
    updateApplyButton();
}

// A directory that has gone since leaves the list where it was.
void TfrmTarvex::Page15Show(ui::Control&) {
    if (services_.files.directoryExists(cursorBrowseDirectory)) {
        dlbMouseCursors->setDirectory(cursorBrowseDirectory);
    }
}

void TfrmTarvex::FilterComboBox2Change(ui::Control&) {
    flbMouseCursors->setMask(FilterComboBox2->mask());
}

void TfrmTarvex::flbMouseCursorsClick(ui::Control&) {
    const auto file = flbMouseCursors->fileName();
    if (file.empty()) {
        return;
    }
    BusyCursor busy(application());
    const auto cursor = services_.cursors.loadFromFile(file);
    previewCursor(*Panel3, cursor);
    services_.cursors.destroy(cursor);
}

void TfrmTarvex::chooseCursorFile() {
    const auto file = flbMouseCursors->fileName();
    if (file.empty()) {
        return;
    }
    BusyCursor busy(application());
    schemeChanged = true;
    updateApplyButton();
    const auto loaded = services_.cursors.loadFromFile(file);
    putCursor(browseRole, services_.cursors.copy(loaded));
    services_.cursors.destroy(loaded);
    cursorFiles[static_cast<size_t>(browseRole)] = file;
    cursorBrowseDirectory = dlbMouseCursors->directory();
    btnBackClick(*btnBack);
}

void TfrmTarvex::flbMouseCursorsDblClick(ui::Control&) {
    chooseCursorFile();
}

void TfrmTarvex::flbMouseCursorsKeyDown(ui::Control&, int& key, ui::ShiftState) {
    if (key == platform::vk::kEnter) {
        key = 0;
        chooseCursorFile();
    }
}

// ---- Saving and committing ----

void TfrmTarvex::btnSaveSchemeClick(ui::Control&) {
    showPage(Page16, kSaveSchemeStep);
    btnNext->setEnabled(false);
    btnBack->setEnabled(true);
}

void TfrmTarvex::Page16Show(ui::Control&) {
    editPointerSchemeSave->setText(cmbScheme->text());
}

void TfrmTarvex::btnSavePointerSchemeClick(ui::Control&) {
    const auto name = editPointerSchemeSave->text();
    if (name.empty()) {
        showStopMessage(services_.messageBoxes, L"You need to enter a name to save the scheme as",
                        L"Error");
        return;
    }
    // The setup's record holds the name's length in three digits.
    if (name.size() > kLongestSchemeName) {
        showStopMessage(services_.messageBoxes, kLongSchemeNameText, L"Error");
        return;
    }
    // The scheme just saved becomes the setup's once applied, so that Apply and
    // the changes question cover it.
    if (saveScheme(name)) {
        schemeChanged = true;
        updateApplyButton();
    }
    btnBackClick(*btnBack);
    refreshSchemeView();
}

// The scheme is written before anything else changes, so that a refused write
// leaves the window as it was. A new user's profile may have no scheme key yet:
// it is created, as the system's own mouse settings do. A scheme read from an
// expandable string, or saved over one, stays one.
bool TfrmTarvex::saveScheme(const std::wstring& name) {
    if (platform::trim(name).empty()) {
        return false;
    }
    BusyCursor busy(application());
    auto key = services_.registry.create(kSchemeRoot, kSchemesKey);
    // A value of another type is reported rather than written over unread.
    const bool replacesExpandable = isExpandable(key->readStringValue(name));
    const bool expandable = schemeFilesExpandable_ || replacesExpandable;
    key->writeValue(name, platform::RegistryValue::ofString(
                              joinSchemeValue({cursorFiles.begin(), cursorFiles.end()}),
                              expandable ? platform::kRegExpandString : platform::kRegString));
    key->close();
    currentSetup.schemeName = name;
    currentSetup.schemeNameLength = static_cast<int>(name.size());
    currentSchemeName = name;
    forgetSchemeView();
    return true;
}

bool TfrmTarvex::pointersChosen() const {
    return std::any_of(cursorFiles.begin(), cursorFiles.begin() + kPointerRoles,
                       [](const std::wstring& file) { return !file.empty(); });
}

bool TfrmTarvex::commitPointerScheme() {
    if (!schemeChanged) {
        return true;
    }
    // Cursors chosen with no scheme selected have nowhere to be stored: rather
    // than drop them, Apply waits until the user saves them as a scheme.
    if (cmbScheme->itemIndex() < 0 && pointersChosen()) {
        showStopMessage(services_.messageBoxes, kUnsavedPointersText, kUnsavedPointersCaption);
        btnSaveSchemeClick(*btnSaveScheme);
        return false;
    }
    const auto name = platform::trim(cmbScheme->text());
    if (cmbScheme->itemIndex() >= 0) {
        if (!name.empty()) {
            saveScheme(name);
            schemeChanged = false;
            refreshSchemeView();
            lstPointers->repaint();
        } else {
            for (int role = 0; role < kPointerRoles; ++role) {
                const auto own = cursorFiles[static_cast<size_t>(role)].empty()
                                     ? defaultCursors[role]
                                     : cursorHandles[static_cast<size_t>(role)];
                services_.cursors.setProgramCursor(
                    kPointerRoleTable[static_cast<size_t>(role)].kind, services_.cursors.copy(own));
            }
        }
    }
    schemeChanged = false;
    return true;
}

}  // namespace setup
