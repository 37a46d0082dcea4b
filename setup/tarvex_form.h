#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/cursor_handle.h"
#include "setup/device_list.h"
#include "setup/driver/driver_link.h"
#include "setup/messages.h"
#include "setup/pointer/default_cursors.h"
#include "setup/services.h"
#include "setup/store/action_string.h"
#include "setup/store/known_record_slot.h"
#include "setup/store/loaded_setup.h"
#include "setup/store/property_record.h"
#include "setup/store/record_store.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "ui/file_controls.h"
#include "ui/form.h"
#include "ui/list_controls.h"
#include "ui/page_control.h"
#include "ui/standard_controls.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace setup {

class TActEdit;

// The setup program's main window: a wizard of hidden-tab pages over a button bar.
// Its controls and handlers keep the names the window layout gives them; its
// state lives in its fields; its methods are defined in the files of the
// subsystem they belong to (wizard flow, devices, store, actions, pointer,
// driver). The controls are made by the window layout (setup/resources/) before
// the constructor's body runs.
class TfrmTarvex : public ui::Form {
public:
    TfrmTarvex(ui::Application& application, Services& services);
    ~TfrmTarvex() override;

    // ---- Window and button bar (start-up) ----
    ui::PageControl* PageControl1 = nullptr;
    ui::Panel* panButton = nullptr;
    ui::Button* btnBack = nullptr;
    ui::Button* btnNext = nullptr;
    ui::Button* btnHelp = nullptr;
    ui::Timer* Timer1 = nullptr;
    ui::Timer* Timer2 = nullptr;

    // ---- Pages of PageControl1, by wizard step ----
    ui::TabSheet* Page18 = nullptr;  // 15 welcome
    ui::TabSheet* Page1 = nullptr;   // 0 devices found
    ui::TabSheet* Page6 = nullptr;   // 3 device type
    ui::TabSheet* Page7 = nullptr;   // 4 properties
    ui::TabSheet* Page8 = nullptr;   // 5 new action
    ui::TabSheet* Page9 = nullptr;   // 6 customize applications
    ui::TabSheet* Page10 = nullptr;  // 7 application list
    ui::TabSheet* Page11 = nullptr;  // 8 several devices
    ui::TabSheet* Page12 = nullptr;  // 9 finish
    ui::TabSheet* Page2 = nullptr;   // 1 about the driver
    ui::TabSheet* Page4 = nullptr;   // 2 adding devices
    ui::TabSheet* Page13 = nullptr;  // 10 keystroke macro
    ui::TabSheet* Page14 = nullptr;  // 11 application file
    ui::TabSheet* Page15 = nullptr;  // 12 cursor file
    ui::TabSheet* Page16 = nullptr;  // 13 save scheme

    // ---- Devices (Page1, Page6) ----
    ui::ListBox* lstDevicesFound = nullptr;
    ui::Label* lblPort = nullptr;
    ui::ListBox* ListBox1 = nullptr;
    ui::Image* imgPage6Mouse = nullptr;
    ui::Label* Label26 = nullptr;
    ui::Label* lblTypeSelected = nullptr;
    ui::Label* Label27 = nullptr;

    // ---- Properties page (Page7) ----
    ui::PageControl* PageControl2 = nullptr;
    ui::TabSheet* TabSheet1 = nullptr;  // Motion
    ui::TabSheet* TabSheet2 = nullptr;  // Buttons
    ui::TabSheet* TabSheet3 = nullptr;  // Pointers
    ui::TabSheet* TabSheet4 = nullptr;  // Actions
    ui::TabSheet* TabSheet5 = nullptr;  // Scrolling
    ui::Button* btnApply = nullptr;
    ui::Button* btnCancel = nullptr;
    ui::Label* lblDeviceSelected1 = nullptr;
    ui::Label* lblAppPage7 = nullptr;

    // Motion tab
    ui::GroupBox* gpbCursorSpeed = nullptr;
    ui::Label* Label76 = nullptr;
    ui::TrackBar* trbHorizontalSpeed = nullptr;
    ui::Button* btnMouseSpeedDown = nullptr;
    ui::Button* btnMouseSpeedUp = nullptr;
    ui::RadioGroup* rgbAccel = nullptr;
    ui::GroupBox* gpbShowTrails = nullptr;
    ui::Image* imgShowTrails = nullptr;
    ui::CheckBox* chkShowTrails = nullptr;
    ui::Label* Label80 = nullptr;
    ui::Label* Label81 = nullptr;
    ui::TrackBar* trbTrailLength = nullptr;

    // Buttons tab
    ui::GroupBox* gpbButtonPosition = nullptr;
    ui::Label* Label31 = nullptr;
    ui::Label* Label32 = nullptr;
    ui::Label* Label33 = nullptr;
    ui::Label* Label34 = nullptr;
    ui::Label* Label4 = nullptr;
    ui::ComboBox* cmbPos1 = nullptr;
    ui::ComboBox* cmbPos2 = nullptr;
    ui::ComboBox* cmbPos3 = nullptr;
    ui::ComboBox* cmbPos4 = nullptr;
    ui::Image* imgCurrentMouse = nullptr;
    ui::GroupBox* gpbDblClickSpeed = nullptr;
    ui::TrackBar* trbDblClickSpeed = nullptr;
    ui::Label* Label35 = nullptr;
    ui::Label* Label36 = nullptr;
    ui::Image* imgDblClk1 = nullptr;
    ui::Label* Label37 = nullptr;

    // Pointers tab
    ui::GroupBox* gpbScheme = nullptr;
    ui::ComboBox* cmbScheme = nullptr;
    ui::Button* btnSaveScheme = nullptr;
    ui::ListBox* lstPointers = nullptr;
    ui::Button* btnUseDefaultPoint = nullptr;
    ui::Button* btnBrowsePointers = nullptr;
    ui::Label* Label48 = nullptr;
    ui::Panel* Panel2 = nullptr;

    // Actions tab
    ui::ListBox* lstbAssignedActionsMB = nullptr;
    ui::Button* btnAssignNew = nullptr;
    ui::Button* btnReplaceAction = nullptr;
    ui::Button* btnDeleteShort = nullptr;

    // Scrolling tab
    ui::GroupBox* gpbSwiftScroll = nullptr;
    ui::GroupBox* gpbRockScroll = nullptr;
    ui::TrackBar* trbRockScroll = nullptr;
    ui::GroupBox* gpbScrollTest = nullptr;
    ui::ListBox* lstbScrollTest = nullptr;

    // ---- New action (Page8) and keystrokes (Page13) ----
    ui::ComboBox* cmbMouseButtons = nullptr;
    ui::ComboBox* cmbKeyboardKey = nullptr;
    ui::ComboBox* cmbAction = nullptr;
    ui::Label* lblCurrentDesc = nullptr;
    ui::Button* btnAssignAction = nullptr;
    // The plain edit of the layout until the page is first shown, then the
    // capture edit that takes its place.
    ui::Edit* txtActionString = nullptr;
    ui::Button* btnPage13Assign = nullptr;
    ui::Button* btnBackspace = nullptr;
    ui::Button* btnHidden1 = nullptr;
    ui::Button* btnHidden2 = nullptr;

    // ---- Applications (Page9, Page10, Page14) ----
    ui::Button* btnPage9Yes = nullptr;
    ui::Label* Label66 = nullptr;
    ui::ListBox* lstbSpecialApplications = nullptr;
    ui::Button* btnPage10Browse = nullptr;
    ui::Button* btnPage10Delete = nullptr;
    ui::DriveComboBox* dcbSpecialApplication = nullptr;
    ui::DirectoryListBox* dlbSpecialApplication = nullptr;
    ui::FileListBox* flbSpecialApplication = nullptr;
    ui::FilterComboBox* fcbSpecialApplication = nullptr;

    // ---- Finish and information pages (Page11, Page12, Page2, Page4) ----
    ui::Button* btnPage11Yes = nullptr;
    ui::CheckBox* NoIconInTray = nullptr;
    ui::Button* Button1 = nullptr;
    ui::Button* Button2 = nullptr;
    ui::Shape* shpDoor = nullptr;
    ui::Image* imgHedge = nullptr;
    ui::Panel* panLogo = nullptr;
    ui::Label* lblDriver = nullptr;
    ui::Label* lblDLLname = nullptr;
    ui::Label* lblControlPanel = nullptr;
    ui::Label* lblOS = nullptr;

    // ---- Cursor file and scheme pages (Page15, Page16) ----
    ui::DriveComboBox* dcbMouseCursors = nullptr;
    ui::DirectoryListBox* dlbMouseCursors = nullptr;
    ui::FileListBox* flbMouseCursors = nullptr;
    ui::FilterComboBox* FilterComboBox2 = nullptr;
    ui::Panel* Panel3 = nullptr;
    ui::Edit* editPointerSchemeSave = nullptr;
    ui::Button* btnSavePointerScheme = nullptr;

    // ================= State =================

    // The wizard step of each page: wizardStep while the page is shown.
    static constexpr int kDevicesStep = 0;
    static constexpr int kAboutStep = 1;
    static constexpr int kAddingDevicesStep = 2;
    static constexpr int kDeviceTypeStep = 3;
    static constexpr int kPropertiesStep = 4;
    static constexpr int kNewActionStep = 5;
    static constexpr int kCustomizeStep = 6;
    static constexpr int kApplicationsStep = 7;
    static constexpr int kSeveralDevicesStep = 8;
    static constexpr int kFinishStep = 9;
    static constexpr int kKeystrokeStep = 10;
    static constexpr int kApplicationFileStep = 11;
    static constexpr int kCursorFileStep = 12;
    static constexpr int kSaveSchemeStep = 13;
    static constexpr int kWelcomeStep = 15;

    // Wizard
    int wizardStep = kWelcomeStep;
    bool reloadNeeded = true;
    std::wstring applicationName;
    std::wstring previousApplication;
    bool closingByCancel = false;

    // Devices
    std::vector<MouseInfo> foundDevices;
    int deviceCount = 0;
    std::vector<UserDefinedType> userDefinedTypes;
    int userDefinedCount = 0;
    std::vector<int> devicePictures;
    int selectedDevice = -1;
    int selectedTypeIndex = -1;
    bool typeUnknown = false;
    MouseInfo chosenDevice;

    // Store
    PropertyInfo currentSetup;
    PropertyInfo editedSetup;
    PropertyInfo savedSetup;
    ActionTable currentActions;
    ActionTable editedActions;
    ActionTable savedActions;
    std::wstring recordText;
    std::wstring actionText;
    std::vector<StoredRecord> deviceRecords;
    bool settingsChanged = false;
    bool schemeChanged = false;
    int deletionsInProgress = 0;
    std::wstring applicationBrowseDirectory;

    // Actions
    std::array<std::array<std::wstring, 4>, kUsableActions> actionRowText;
    std::wstring pendingMacro;
    bool actionBoxEntered = false;
    int lastCapturedKey = 0;

    // Pointer
    static constexpr int kCursorSlots = 20;
    static constexpr int kPointerRoles = 14;
    int dblClickFrame = 1;
    std::wstring currentSchemeName;
    std::array<std::wstring, kCursorSlots> cursorFiles;
    std::array<platform::CursorHandle, kCursorSlots> cursorHandles{};
    DefaultCursors defaultCursors;
    int browseRole = 0;
    std::wstring cursorBrowseDirectory;

    // Finish animation
    int animationStep = 1;
    int animationFrame = 1;

    // Driver
    std::wstring installDirectory;
    DriverLink driverLink;

    // ================= Handlers and methods =================

    // Start-up and window (tarvex_form.cpp)
    void FormCreate(ui::Control& sender);
    void FormDeactivate(ui::Control& sender);
    void readInstallDirectory();

    // Wizard flow (wizard.cpp)
    void btnNextClick(ui::Control& sender);
    void btnBackClick(ui::Control& sender);
    void btnCancelClick(ui::Control& sender);
    void FormClose(ui::Form& sender, ui::CloseAction& action);
    void btnPage9YesClick(ui::Control& sender);
    void clearLoadedSetup();
    // Makes page the wizard's current page, with its step.
    void showPage(ui::TabSheet* page, int step);
    // The properties page on one of its tabs.
    void showPropertyTab(ui::TabSheet* tab);

    // Devices (devices.cpp)
    void FormShow(ui::Control& sender);
    void lstDevicesFoundClick(ui::Control& sender);
    void lstDevicesFoundDblClick(ui::Control& sender);
    void lstDevicesFoundKeyPress(ui::Control& sender, wchar_t& key);
    void Page6Show(ui::Control& sender);
    void ListBox1Click(ui::Control& sender);
    void ListBox1DblClick(ui::Control& sender);
    void ListBox1KeyPress(ui::Control& sender, wchar_t& key);
    void assignDeviceType();
    void setButtonCount();
    // Writes UserDefined from the devices listed and the entries read.
    void storeUserDefinedTypes();

    // Finish pages (finish_pages.cpp)
    void Page18Show(ui::Control& sender);
    void Page12Show(ui::Control& sender);
    void NoIconInTrayClick(ui::Control& sender);
    void Timer2Timer(ui::Timer& sender);
    void Button1Click(ui::Control& sender);
    void btnMultipleDevicesClick(ui::Control& sender);
    void btnPage11YesClick(ui::Control& sender);

    // Store: load, live update, Apply, revert (store/load_setup.cpp, store/apply_setup.cpp)
    void loadPropertyInfo();
    void writeLiveSetup(ActionTable& actions, const std::wstring& application, MouseInfo device,
                        PropertyInfo setup);
    void btnApplyClick(ui::Control& sender);
    void updateApplyButton();
    // Restores the saved setup and writes it back where it was loaded from.
    void revertSetup();

    // Applications (store/application_pages.cpp)
    void Page10Show(ui::Control& sender);
    void lstbSpecialApplicationsClick(ui::Control& sender);
    void lstbSpecialApplicationsDblClick(ui::Control& sender);
    void lstbSpecialApplicationsKeyPress(ui::Control& sender, wchar_t& key);
    void btnPage10BrowseClick(ui::Control& sender);
    void addApplication(const std::wstring& name);
    void btnPage10DeleteClick(ui::Control& sender);
    void Page14Show(ui::Control& sender);
    void flbSpecialApplicationClick(ui::Control& sender);
    void flbSpecialApplicationDblClick(ui::Control& sender);
    void flbSpecialApplicationKeyPress(ui::Control& sender, wchar_t& key);

    // Actions tab, new action, keystrokes (actions/*.cpp)
    void TabSheet4Show(ui::Control& sender);
    void lstbAssignedActionsMBDrawItem(ui::Control& control, int index, ui::Rect rect,
                                       ui::OwnerDrawState state);
    void lstbAssignedActionsMBClick(ui::Control& sender);
    void btnAssignNewMouseDown(ui::Control& sender, ui::MouseButton button, ui::ShiftState shift,
                               int x, int y);
    void btnAssignNewClick(ui::Control& sender);
    void btnReplaceActionClick(ui::Control& sender);
    void btnDeleteShortClick(ui::Control& sender);
    void cmbActionChange(ui::Control& sender);
    void cmbActionSelect(ui::Control& sender);
    void cmbActionEnter(ui::Control& sender);
    void cmbActionDrawItem(ui::Control& control, int index, ui::Rect rect,
                           ui::OwnerDrawState state);
    void btnAssignActionClick(ui::Control& sender);
    void btnPage13AssignClick(ui::Control& sender);
    void Page13Show(ui::Control& sender);
    void txtActionStringKeyDown(ui::Control& sender, int& key, ui::ShiftState shift);
    void txtActionStringKeyPress(ui::Control& sender, wchar_t& key);
    void txtActionStringKeyUp(ui::Control& sender, int& key, ui::ShiftState shift);
    void txtActionStringMouseUp(ui::Control& sender, ui::MouseButton button, ui::ShiftState shift,
                                int x, int y);
    void txtActionStringExit(ui::Control& sender);
    void btnHidden2Exit(ui::Control& sender);
    void btnBackspaceClick(ui::Control& sender);
    void CaptureKeyDown(int key, ui::ShiftState shift);
    void DeletePreviousSymbol();

    // Motion and Buttons tabs (pointer/motion_tab.cpp, pointer/buttons_tab.cpp)
    void TabSheet1Show(ui::Control& sender);
    void trbHorizontalSpeedChange(ui::Control& sender);
    void btnMouseSpeedDownClick(ui::Control& sender);
    void btnMouseSpeedUpClick(ui::Control& sender);
    void rgbAccelClick(ui::Control& sender);
    void chkShowTrailsClick(ui::Control& sender);
    void trbTrailLengthChange(ui::Control& sender);
    void cmbPos1Change(ui::Control& sender);
    void cmbPos2Change(ui::Control& sender);
    void cmbPos3Change(ui::Control& sender);
    void cmbPos4Change(ui::Control& sender);
    bool confirmPositionChange(int slot);
    void trbDblClickSpeedChange(ui::Control& sender);
    void imgDblClk1DblClick(ui::Control& sender);
    void Timer1Timer(ui::Timer& sender);

    // Pointer schemes (pointer/pointer_schemes.cpp)
    void PageControl2Change(ui::Control& sender);
    void cmbSchemeChange(ui::Control& sender);
    void lstPointersMeasureItem(ui::Control& control, int index, int& height);
    void lstPointersDrawItem(ui::Control& control, int index, ui::Rect rect,
                             ui::OwnerDrawState state);
    void lstPointersClick(ui::Control& sender);
    void lstPointersDblClick(ui::Control& sender);
    void lstPointersKeyDown(ui::Control& sender, int& key, ui::ShiftState shift);
    void btnBrowsePointersClick(ui::Control& sender);
    void btnUseDefaultPointClick(ui::Control& sender);
    void btnSaveSchemeClick(ui::Control& sender);
    void Page15Show(ui::Control& sender);
    void FilterComboBox2Change(ui::Control& sender);
    void flbMouseCursorsClick(ui::Control& sender);
    void flbMouseCursorsDblClick(ui::Control& sender);
    void flbMouseCursorsKeyDown(ui::Control& sender, int& key, ui::ShiftState shift);
    void Page16Show(ui::Control& sender);
    void btnSavePointerSchemeClick(ui::Control& sender);
    int readScheme(const std::wstring& name);
    void refreshSchemeView();
    // False when the name is blank and nothing was saved.
    bool saveScheme(const std::wstring& name);
    // Apply's first step; false when Apply must wait for the cursors chosen to
    // be saved as a scheme (the save page is then open).
    bool commitPointerScheme();

    // Driver information (driver/about_page.cpp)
    void btnAboutDriverClick(ui::Control& sender);
    void Page2Show(ui::Control& sender);

private:
    // Builds every page's controls (setup/resources/window_layout*.cpp).
    void buildWindowLayout();

    // ---- Window layout: one builder per page or group of pages ----
    void layOutButtonBar();
    void layOutWelcomePage();       // Page18
    void layOutDevicePages();       // Page1, Page6
    void layOutPropertyPage();      // Page7 and the tabs of PageControl2
    void layOutMotionTab();         // TabSheet1
    void layOutButtonsTab();        // TabSheet2
    void layOutScrollingTab();      // TabSheet5
    void layOutActionsTab();        // TabSheet4
    void layOutNewActionPage();     // Page8
    void layOutKeystrokePage();     // Page13
    void layOutApplicationPages();  // Page9, Page10, Page14
    void layOutFinishPages();       // Page11, Page12, Page4
    void layOutAboutPage();         // Page2
    void layOutPointersTab();       // TabSheet3
    void layOutCursorFilePages();   // Page15, Page16

    // Each subsystem ties its handlers to the controls' events, in its own file.
    void bindStartupHandlers();
    void bindWizardHandlers();
    void bindDeviceHandlers();
    void bindFinishHandlers();
    void bindStoreHandlers();
    void bindApplicationHandlers();
    void bindActionHandlers();
    void bindMotionHandlers();
    void bindButtonsHandlers();
    void bindPointerHandlers();
    void bindDriverHandlers();

    // A method of this window as an event handler.
    template <typename... Args>
    std::function<void(Args...)> handler(void (TfrmTarvex::*method)(Args...)) {
        return [this, method](Args... args) { (this->*method)(std::forward<Args>(args)...); };
    }

    // While Apply is enabled, asks question about the pending changes: Yes
    // applies them, No reverts them, both for the setup they were made on.
    // False when the user cancels.
    bool settleChanges(const std::wstring& question);
    // The properties page on tab, with the setup loaded afresh.
    void enterProperties(ui::TabSheet* tab);
    void showFinishPage();

    // The name of a port, as the device pages and the property page show it.
    std::wstring portName(int portNumber);
    // Why the stored device types could not be read when the list was built;
    // empty when they could. A value that could not be read is never rewritten.
    std::wstring userDefinedReadError_;
    // Shows the edited button positions and double-click speed on the Buttons tab.
    void fillButtonsTab();

    // ---- Pointer motion, buttons and cursors (setup/pointer/) ----
    // Sets settingsChanged, writes the current setup live and updates Apply.
    void commitLiveChange();
    // The tail of the four position boxes: box edits slot of the positions.
    void changeButtonPosition(ui::ComboBox& box, int slot);
    // Puts cursor into a cursorHandles slot, destroying the cursor it held.
    void putCursor(int slot, platform::CursorHandle cursor);
    // A copy of the role's default cursor; no cursor for the extra slots.
    platform::CursorHandle copyOfDefaultCursor(int slot);
    // Forgets the loaded scheme, so that the next refresh reads it again.
    void forgetSchemeView();
    // Destroys every cursor the window holds (slots and defaults).
    void releaseCursors();
    void browseForCursor();
    void chooseCursorFile();
    // Clears panel and draws cursor in its middle.
    void previewCursor(ui::Panel& panel, platform::CursorHandle cursor);
    bool schemeViewLoaded_ = false;
    // The scheme's fields were read from an expandable string: they hold
    // %NAME% references, expanded only to load the cursors.
    bool schemeFilesExpandable_ = false;
    // The path of a scheme field's cursor file.
    std::wstring cursorFilePath(const std::wstring& field);
    // Whether any role has a cursor file of its own rather than its default.
    bool pointersChosen() const;

    // Where Back leads from an information page: the page it was opened from,
    // with the button bar as it was there. Returning anywhere else (the finish
    // page) would lead on to pages that edit a device nobody has chosen yet.
    struct SidePageOrigin {
        ui::TabSheet* page = nullptr;
        int step = kWelcomeStep;
        bool backVisible = true;
        bool backEnabled = true;
        bool nextEnabled = true;
    };
    SidePageOrigin sidePageOrigin_;

    // ---- Applications, finish and information pages (store/application_pages.cpp,
    // finish_pages.cpp, driver/about_page.cpp) ----
    // The application list's row holding name ("GENERAL" is row 0); -1 when none.
    int listedApplicationRow(const std::wstring& name) const;
    // Selects a row of the application list as a click does: Next, and Delete
    // for any row but GENERAL's.
    void chooseApplicationRow(int row);
    // An information page (the finish page's two, or the button bar's), left
    // by Back for the page it was opened from.
    void showSidePage(ui::TabSheet* page, int step);
    void returnFromSidePage();
    // Whether ShowIconInTray holds "false"; unreadable counts as missing.
    bool trayIconHiddenInRegistry();
    // Set while the tray box is put back to the stored choice after a refused write.
    bool showingStoredTrayOption_ = false;
    // The last step of the closing animation: the window closes, and the driver
    // library is released once nothing can notify the driver any more.
    void finishAnimation();

    // ---- Actions tab, new action, keystrokes (actions/*.cpp) ----
    // Replace and Delete act on the selected row; Replace is the default button.
    void enableActionRowButtons();
    // Sets the new-action page's boxes to what action holds.
    void preselectAction(const ActionInfo& action);
    void openNewActionPage();
    // Puts the capture edit in the place of the layout's plain edit.
    void createCaptureEdit();
    void focusCaptureEdit();
    // Replaces the capture edit's selection (or inserts at its caret).
    void insertIntoCapture(const std::wstring& text);
    void recordTab(const std::wstring& symbol);
    // Removes symbols before the caret until the stored macro fits its length field.
    void keepCaptureWithinStoredLimit();
    // A character typed with AltGr is recorded as typed: the Ctrl and Alt
    // presses AltGr made just before it are taken out, and their releases are
    // not recorded.
    void recordAltGrCharacter(const std::wstring& character);
    std::vector<int> unrecordedReleases_;

    // ---- Store (store/*.cpp) ----
    // Yes applies, No reverts the pending edits of the loaded setup, Cancel
    // (false) keeps them and stops the caller, before another setup is loaded.
    // Returning to the loaded setup itself asks nothing: its edits stay pending.
    bool settleEditsBeforeLoading();
    // The live update of the loaded setup.
    void writeLoadedSetup(ActionTable& actions, const PropertyInfo& setup);
    // The property page shows the edited setup: its device and application,
    // its buttons and double-click speed.
    void showLoadedSetup();
    // Tells the user once what the next write of a just loaded setup cuts.
    void reportWhatTheNextWriteCuts(const ActionTable& stored, const ActionTable& kept,
                                    bool entriesLeftOut);

    Services& services_;
    LoadedSetup loadedSetup_;
    // Where the live writes, Apply and revert found or put the record last.
    KnownRecordSlot knownRecordSlot_;
    LoadInProgress loadInProgress_;
    MessageBoxMacroReporter macroReporter_;
    TActEdit* captureEdit_ = nullptr;
};

}  // namespace setup
