// Every operation that writes the registry, run once for each of its writes
// with that write refused. Afterwards the user has seen the standard error box,
// the driver has heard nothing since the failure, every stored value holds
// either its old text or the text the operation meant to write, the other
// devices' and applications' records are still there and readable, no record
// lies out of the driver's sight behind a gap, and what the user does next
// ends where it ends without a fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/text.h"
#include "setup/store/action_string.h"
#include "setup/store/device_key.h"
#include "setup/store/file_box.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"
#include "tests/setup/scenario/tarvex_scenario.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

using platform::MessageAnswer;
using platform::MessageBoxRequest;
using platform::MessageIcon;
using platform::RegistryRoot;
using platform::RegistryValue;

const std::string kFixture = "fault_injection.reg";
const std::wstring kInstallDirectory = L"C:\\Orvane";
const std::wstring kTitle = L"Orvane Mouse Control Panel";

// Rows of the device list and of the type list, and the property page's tabs.
constexpr int kTwoButtonDevice = 0;
constexpr int kUntypedDevice = 1;
constexpr int kRightHandDevice = 2;
constexpr int kRightHandRow = 0;
constexpr int kThreeButtonRow = 3;
enum PropertyTab { kMotionTab = 0, kButtonsTab = 1, kPointersTab = 2, kActionsTab = 3 };

// Items of the boxes the operations use.
constexpr int kAux2Position = 3;
constexpr int kPrimaryAndSecondaryChord = 4;
constexpr int kNoModifier = 0;
constexpr int kMinimizeAction = 4;

// The right-hand mouse's setup for all programs, as the fixture stores it.
const std::wstring kRightHandKey = L"014003";
const std::wstring kUntypedKey = L"b05001";
constexpr int kStoredGeneralActions = 2;
// A stored scheme other than the one the setup names.
const std::wstring kOtherScheme = L"Pointer Test";

// The fixture's records end at P007; a deletion may have left an A value at
// the next number.
constexpr int kFirstFreeNumber = 8;
const std::wstring kLeftoverActions = L"080004";

constexpr int kEditedSpeed = 12;
constexpr int kOtherSpeed = 11;
constexpr int kEditedDoubleClickBar = 8;
constexpr int kOtherDoubleClickBar = 7;

// ---- One run of the program ----

// The program started afresh on the fixture. Every refused write needs a run
// of its own, so the test makes its runs one after the other.
class ProgramRun : public TarvexScenario {
public:
    ProgramRun() { application.setTitle(kTitle); }

    using TarvexScenario::application;
    using TarvexScenario::back;
    using TarvexScenario::backend;
    using TarvexScenario::driverNotifications;
    using TarvexScenario::installDriverFiles;
    using TarvexScenario::loadRegistry;
    using TarvexScenario::messageBoxes;
    using TarvexScenario::next;
    using TarvexScenario::registry;
    using TarvexScenario::start;

    TfrmTarvex& w() { return window(); }

    void startOnFixture() { startWith(kFixture); }
    // From the welcome page to the type page, the device and its type chosen.
    void toTypePage(int deviceRow, int typeRow) {
        next();
        ui::user::select(*w().lstDevicesFound, deviceRow);
        next();
        ui::user::select(*w().ListBox1, typeRow);
    }
    // The right-hand mouse's setup for all programs, on the Buttons tab.
    void openRightHandSetup() {
        startOnFixture();
        walkToProperties(kRightHandDevice, kRightHandRow);
    }
    void selectTab(PropertyTab tab) { ui::user::selectTab(*w().PageControl2, tab); }
    void openApplicationList() {
        openRightHandSetup();
        next();
        ui::user::click(*w().btnPage9Yes);
    }
    bool listsApplication(const std::wstring& name) {
        const auto& items = w().lstbSpecialApplications->items();
        return std::find(items.begin(), items.end(), name) != items.end();
    }
    void chooseApplication(const std::wstring& name) {
        const auto& items = w().lstbSpecialApplications->items();
        const auto row = std::find(items.begin(), items.end(), name) - items.begin();
        ui::user::select(*w().lstbSpecialApplications, static_cast<int>(row));
    }
    // "&Add New" with the name typed in the dialog.
    void addApplication(const std::wstring& name) {
        backend.onNextModal([name](ui::Form& dialog) {
            auto& box = dynamic_cast<TFileBox&>(dialog);
            ui::user::type(*box.txtSpecialApp, name);
            ui::user::click(*box.btnOK);
        });
        ui::user::click(*w().btnPage10Browse);
    }
    void chooseScheme(const std::wstring& name) {
        const auto& items = w().cmbScheme->items();
        ui::user::choose(
            *w().cmbScheme,
            static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin()));
    }
    // What a deletion leaves when the registry refuses its very last write: the
    // A value of the number that went out of use.
    void leaveActionsBehind(int number, const std::wstring& actions) {
        registry.open(kDriverRoot, kPropertiesKey)->writeString(actionValueName(number), actions);
    }
    // What another program does meanwhile: the record numbered last disappears.
    void removeLastRecord(int number) {
        auto key = registry.open(kDriverRoot, kPropertiesKey);
        key->deleteValue(recordValueName(number));
        key->deleteValue(actionValueName(number));
        key->close();
    }

private:
    void TestBody() override {}
};

// ---- What the registry holds ----

// Every key and value an operation may write, the driver's settings and the
// pointer schemes, by full name; a key stands under its name and a backslash.
using Snapshot = std::map<std::wstring, RegistryValue>;

void addKey(platform::Registry& registry, RegistryRoot root, const std::wstring& path,
            Snapshot& snapshot) {
    const auto key = registry.open(root, path);
    if (!key) {
        return;
    }
    const auto prefix = platform::rootName(root) + L"\\" + path + L"\\";
    snapshot[prefix] = RegistryValue{};
    for (const auto& name : key->valueNames()) {
        snapshot[prefix + name] = key->readValue(name).value();
    }
    for (const auto& subkey : key->subkeyNames()) {
        addKey(registry, root, path + L"\\" + subkey, snapshot);
    }
}

Snapshot takeSnapshot(platform::Registry& registry) {
    Snapshot snapshot;
    addKey(registry, kDriverRoot, kOrvaneKey, snapshot);
    addKey(registry, kSchemeRoot, kSchemesKey, snapshot);
    return snapshot;
}

std::optional<RegistryValue> entry(const Snapshot& snapshot, const std::wstring& name) {
    const auto it = snapshot.find(name);
    if (it == snapshot.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::string describe(const std::optional<RegistryValue>& value) {
    return value ? "\"" + platform::toUtf8(value->text()) + "\"" : "(missing)";
}

// The names whose entries differ, each with both texts.
std::string differences(const Snapshot& expected, const Snapshot& actual) {
    std::set<std::wstring> names;
    for (const auto* snapshot : {&expected, &actual}) {
        for (const auto& [name, value] : *snapshot) {
            names.insert(name);
        }
    }
    std::string text;
    for (const auto& name : names) {
        const auto want = entry(expected, name);
        const auto got = entry(actual, name);
        if (!(want == got)) {
            text += "\n  " + platform::toUtf8(name) + ": " + describe(got) + " instead of " +
                    describe(want);
        }
    }
    return text;
}

const std::wstring kPropertiesPrefix =
    platform::rootName(kDriverRoot) + L"\\" + kPropertiesKey + L"\\";

bool isPropertiesValue(const std::wstring& name) {
    return name.size() > kPropertiesPrefix.size() && name.rfind(kPropertiesPrefix, 0) == 0;
}

// The number of a value named letter and three digits ("P007", "A012").
std::optional<int> numberOf(const std::wstring& valueName, wchar_t letter) {
    if (valueName.size() != 1 + kRecordNumberDigits ||
        platform::toUpper(valueName).front() != letter) {
        return std::nullopt;
    }
    return platform::parseDecimal(valueName.substr(1));
}

// One record as a scan meets it: its P value and its A value (none when missing).
struct Record {
    std::wstring settings;
    std::optional<std::wstring> actions;
    bool operator==(const Record& other) const {
        return settings == other.settings && actions == other.actions;
    }
};

void PrintTo(const Record& record, std::ostream* out) {
    *out << platform::toUtf8(record.settings) << " / "
         << (record.actions ? platform::toUtf8(*record.actions) : "(no actions value)");
}

std::optional<std::wstring> storedText(const Snapshot& snapshot, const std::wstring& valueName) {
    const auto value = entry(snapshot, kPropertiesPrefix + valueName);
    if (!value) {
        return std::nullopt;
    }
    return value->text();
}

// P001 upward to the first missing or empty P value: all the driver and the
// program ever read.
std::vector<Record> visibleRecords(const Snapshot& snapshot) {
    std::vector<Record> records;
    for (int number = 1; number <= kLastRecordNumber; ++number) {
        const auto settings = storedText(snapshot, recordValueName(number)).value_or(L"");
        if (settings.empty()) {
            break;
        }
        records.push_back({settings, storedText(snapshot, actionValueName(number))});
    }
    return records;
}

// ---- The properties every run must keep ----

// The record an operation works on: a device's record for one application.
struct Subject {
    std::wstring deviceKey;
    std::wstring application;
};

bool isAbout(const Record& record, const std::optional<Subject>& subject) {
    return subject && record.settings.rfind(subject->deviceKey, 0) == 0 &&
           storedApplicationName(record.settings) == subject->application;
}

// No third text and nothing half-written: each value as it was, or as the
// operation writes it when nothing fails.
void expectEachValueOldOrIntended(const Snapshot& before, const Snapshot& intended,
                                  const Snapshot& after) {
    std::set<std::wstring> names;
    for (const auto* snapshot : {&before, &intended, &after}) {
        for (const auto& [name, value] : *snapshot) {
            names.insert(name);
        }
    }
    for (const auto& name : names) {
        const auto now = entry(after, name);
        EXPECT_TRUE(now == entry(before, name) || now == entry(intended, name))
            << platform::toUtf8(name) << " holds " << describe(now) << ", neither its old "
            << describe(entry(before, name)) << " nor its intended "
            << describe(entry(intended, name));
    }
}

// Every record of another device or application is still met, and wherever a
// scan meets it (twice, after a deletion stopped half-way, until the next load
// removes the repeat) it has its own actions.
void expectOtherRecordsKept(const Snapshot& before, const Snapshot& after,
                            const std::optional<Subject>& subject) {
    const auto records = visibleRecords(after);
    for (const auto& record : visibleRecords(before)) {
        if (isAbout(record, subject)) {
            continue;
        }
        size_t met = 0;
        for (const auto& found : records) {
            if (found.settings == record.settings) {
                ++met;
                EXPECT_EQ(found, record) << "a record met with other actions";
            }
        }
        EXPECT_GE(met, 1u) << "record lost: " << ::testing::PrintToString(record);
    }
}

class CollectedReports : public MacroReporter {
public:
    void report(const std::wstring& message) override { messages.push_back(message); }
    std::vector<std::wstring> messages;
};

// Every P and A value of the key parses, not only those a scan meets.
void expectEveryRecordReadable(const Snapshot& snapshot) {
    for (const auto& [name, value] : snapshot) {
        if (!isPropertiesValue(name)) {
            continue;
        }
        const auto valueName = name.substr(kPropertiesPrefix.size());
        const auto text = value.text();
        if (numberOf(valueName, L'P')) {
            ASSERT_GE(text.size(), kDeviceKeyLength) << platform::toUtf8(valueName);
            EXPECT_NO_THROW(parsePropertyRecord(text.substr(kDeviceKeyLength)))
                << platform::toUtf8(valueName) << " = " << platform::toUtf8(text);
        } else if (numberOf(valueName, L'A')) {
            ActionTable table;
            CollectedReports reports;
            EXPECT_NO_THROW(parseActionString(text, table, reports))
                << platform::toUtf8(valueName) << " = " << platform::toUtf8(text);
            EXPECT_TRUE(reports.messages.empty()) << platform::toUtf8(valueName);
        }
    }
}

// A scan stops at the first missing P value: no P or A value may lie beyond it,
// where neither the driver nor the program would ever find it. An A value at
// that number itself is as unseen, and the next record stored there writes its
// A value before its P value.
void expectNoRecordBeyondAGap(const Snapshot& snapshot) {
    const int firstFree = static_cast<int>(visibleRecords(snapshot).size()) + 1;
    for (const auto& [name, value] : snapshot) {
        if (!isPropertiesValue(name)) {
            continue;
        }
        const auto valueName = name.substr(kPropertiesPrefix.size());
        for (const wchar_t letter : {L'P', L'A'}) {
            if (const auto number = numberOf(valueName, letter)) {
                EXPECT_LE(*number, firstFree) << platform::toUtf8(valueName) << " lies beyond "
                                              << platform::toUtf8(recordValueName(firstFree));
            }
        }
    }
}

void expectStoreIntact(const Snapshot& snapshot) {
    expectEveryRecordReadable(snapshot);
    expectNoRecordBeyondAGap(snapshot);
}

size_t errorBoxesSince(const std::vector<MessageBoxRequest>& shown, size_t first) {
    return static_cast<size_t>(
        std::count_if(shown.begin() + static_cast<std::ptrdiff_t>(first), shown.end(),
                      [](const MessageBoxRequest& box) { return box.icon == MessageIcon::Error; }));
}

// The standard error box, once, as the last box of the operation.
void expectTheErrorBox(const std::vector<MessageBoxRequest>& shown, size_t first) {
    ASSERT_EQ(errorBoxesSince(shown, first), 1u);
    const auto& box = shown.back();
    EXPECT_EQ(box.icon, MessageIcon::Error);
    EXPECT_EQ(box.caption, kTitle);
    EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
    EXPECT_FALSE(box.text.empty());
}

void expectDriverNotToldAfter(const std::vector<DriverNotification>& told, size_t first,
                              size_t refusedWrite) {
    for (size_t call = first; call < told.size(); ++call) {
        EXPECT_LE(told[call].writesBefore, refusedWrite)
            << "the driver was told to reread after the refused write";
    }
}

Snapshot withoutProperties(Snapshot snapshot) {
    for (auto it = snapshot.begin(); it != snapshot.end();) {
        it = isPropertiesValue(it->first) ? snapshot.erase(it) : std::next(it);
    }
    return snapshot;
}

// ---- The operations ----

struct Operation {
    std::string name;
    // A fresh program brought to the state before the operation.
    std::function<void(ProgramRun&)> arrange;
    // The answers to the operation's own questions, in order.
    std::vector<MessageAnswer> answers;
    // The operation, as the user does it.
    std::function<void(ProgramRun&)> perform;
    // What the user does next: tries again where the operation did not go
    // through, then goes on; the same steps after a success.
    std::function<void(ProgramRun&)> goOn;
    // The record the operation is about; others must stay as they were.
    std::optional<Subject> subject;
    // The writes of a run without faults.
    size_t writes = 0;
    // Deleting renumbers the later records: a refused write between moving a
    // record down and moving the next one leaves that record twice in a row.
    bool renumbers = false;
};

void PrintTo(const Operation& operation, std::ostream* out) {
    *out << operation.name;
}

void click(ui::Control& control) {
    ui::user::click(control);
}

void changeSpeed(ProgramRun& run, int speed) {
    ui::user::slide(*run.w().trbHorizontalSpeed, speed);
}

// After a live edit that did not reach the registry, the user moves the bar
// away and back.
void setSpeedAgain(ProgramRun& run) {
    changeSpeed(run, kOtherSpeed);
    changeSpeed(run, kEditedSpeed);
}

// A load that failed is tried again from the page it was started on; then the
// user edits the loaded setup.
std::function<void(ProgramRun&)> loadAgainFrom(int step) {
    return [step](ProgramRun& run) {
        if (run.w().wizardStep == step) {
            run.next();
        }
        ASSERT_EQ(run.w().wizardStep, TfrmTarvex::kPropertiesStep);
        run.selectTab(kMotionTab);
        changeSpeed(run, kEditedSpeed);
    };
}

void editSpeedLive(ProgramRun& run) {
    run.openRightHandSetup();
    run.selectTab(kMotionTab);
    changeSpeed(run, kEditedSpeed);
}

const Subject kRightHandGeneral{kRightHandKey, kGeneral};

std::vector<Operation> writingOperations() {
    return {
        {"LiveSpeedChange",
         [](ProgramRun& run) {
             run.openRightHandSetup();
             run.selectTab(kMotionTab);
         },
         {},
         [](ProgramRun& run) { changeSpeed(run, kEditedSpeed); },
         setSpeedAgain,
         kRightHandGeneral,
         2},
        {"LiveDoubleClickSpeed",
         [](ProgramRun& run) { run.openRightHandSetup(); },
         {},
         [](ProgramRun& run) { ui::user::slide(*run.w().trbDblClickSpeed, kEditedDoubleClickBar); },
         [](ProgramRun& run) {
             ui::user::slide(*run.w().trbDblClickSpeed, kOtherDoubleClickBar);
             ui::user::slide(*run.w().trbDblClickSpeed, kEditedDoubleClickBar);
         },
         kRightHandGeneral,
         2},
        {"LiveActionAssigned",
         [](ProgramRun& run) {
             run.openRightHandSetup();
             run.selectTab(kActionsTab);
             click(*run.w().btnAssignNew);
             ui::user::choose(*run.w().cmbMouseButtons, kPrimaryAndSecondaryChord);
             ui::user::choose(*run.w().cmbKeyboardKey, kNoModifier);
             ui::user::choose(*run.w().cmbAction, kMinimizeAction);
         },
         {},
         [](ProgramRun& run) { click(*run.w().btnAssignAction); },
         [](ProgramRun& run) {
             if (run.w().wizardStep == TfrmTarvex::kNewActionStep) {
                 click(*run.w().btnAssignAction);
             }
         },
         kRightHandGeneral,
         2},
        {"LiveActionDeleted",
         [](ProgramRun& run) {
             run.openRightHandSetup();
             run.selectTab(kActionsTab);
             ui::user::select(*run.w().lstbAssignedActionsMB, 0);
         },
         {},
         [](ProgramRun& run) { click(*run.w().btnDeleteShort); },
         [](ProgramRun& run) {
             // The action is still listed: the user deletes it again.
             if (run.w().lstbAssignedActionsMB->itemCount() == kStoredGeneralActions) {
                 click(*run.w().btnDeleteShort);
             }
         },
         kRightHandGeneral,
         2},
        {"ApplyWithPointerScheme",
         [](ProgramRun& run) {
             run.openRightHandSetup();
             ui::user::choose(*run.w().cmbPos2, kAux2Position);
             run.selectTab(kPointersTab);
             run.chooseScheme(kOtherScheme);
             ui::user::select(*run.w().lstPointers, 0);
             click(*run.w().btnUseDefaultPoint);
         },
         {},
         [](ProgramRun& run) { click(*run.w().btnApply); },
         [](ProgramRun& run) {
             if (run.w().btnApply->enabled()) {
                 click(*run.w().btnApply);
             }
         },
         kRightHandGeneral,
         3},
        {"RevertByCancel",
         editSpeedLive,
         {},
         [](ProgramRun& run) { click(*run.w().btnCancel); },
         [](ProgramRun& run) {
             if (!run.application.terminated()) {
                 click(*run.w().btnCancel);
             }
         },
         kRightHandGeneral,
         2},
        {"RevertByAnsweringNo",
         editSpeedLive,
         {MessageAnswer::No},
         [](ProgramRun& run) { run.next(); },
         [](ProgramRun& run) {
             if (run.w().wizardStep == TfrmTarvex::kPropertiesStep) {
                 run.messageBoxes.answerNext(MessageAnswer::No);
                 run.next();
             }
         },
         kRightHandGeneral,
         2},
        {"AssignDeviceType",
         [](ProgramRun& run) {
             run.startOnFixture();
             run.toTypePage(kTwoButtonDevice, kThreeButtonRow);
         },
         {},
         [](ProgramRun& run) { run.next(); },
         [](ProgramRun& run) {
             if (run.w().wizardStep == TfrmTarvex::kDeviceTypeStep) {
                 run.next();
             }
         },
         std::nullopt,
         1},
        {"LoadIntoEmptyStore",
         [](ProgramRun& run) {
             run.loadRegistry(kFixture);
             run.registry.deleteKey(kDriverRoot, kPropertiesKey);
             run.registry.create(kDriverRoot, kPropertiesKey)->close();
             run.leaveActionsBehind(1, kLeftoverActions);
             run.installDriverFiles(kInstallDirectory);
             run.start();
             run.toTypePage(kRightHandDevice, kRightHandRow);
         },
         {},
         [](ProgramRun& run) { run.next(); },
         loadAgainFrom(TfrmTarvex::kDeviceTypeStep),
         kRightHandGeneral,
         3},
        {"LoadCreatesGeneralRecord",
         [](ProgramRun& run) {
             run.loadRegistry(kFixture);
             run.leaveActionsBehind(kFirstFreeNumber, kLeftoverActions);
             run.installDriverFiles(kInstallDirectory);
             run.start();
             run.toTypePage(kUntypedDevice, kThreeButtonRow);
         },
         {},
         [](ProgramRun& run) { run.next(); },
         loadAgainFrom(TfrmTarvex::kDeviceTypeStep),
         Subject{kUntypedKey, kGeneral},
         3},
        {"LoadCreatesApplicationRecord",
         [](ProgramRun& run) {
             run.openApplicationList();
             run.removeLastRecord(kFirstFreeNumber - 1);
             run.chooseApplication(L"CALC.EXE");
         },
         {},
         [](ProgramRun& run) { run.next(); },
         loadAgainFrom(TfrmTarvex::kApplicationsStep),
         Subject{kRightHandKey, L"CALC.EXE"},
         2},
        {"AddApplication",
         [](ProgramRun& run) { run.openApplicationList(); },
         {},
         [](ProgramRun& run) { run.addApplication(L"PAINT.EXE"); },
         [](ProgramRun& run) {
             if (!run.listsApplication(L"PAINT.EXE")) {
                 run.addApplication(L"PAINT.EXE");
             }
             run.chooseApplication(L"PAINT.EXE");
             run.next();
             EXPECT_EQ(run.w().wizardStep, TfrmTarvex::kPropertiesStep);
         },
         Subject{kRightHandKey, L"PAINT.EXE"},
         2},
        {"DeleteApplicationInTheMiddle",
         [](ProgramRun& run) {
             run.openApplicationList();
             run.chooseApplication(L"WORD.EXE");
         },
         {},
         [](ProgramRun& run) { click(*run.w().btnPage10Delete); },
         [](ProgramRun& run) {
             // Back and in again lists what is stored; a name still there is
             // deleted again. Then a setup is loaded, which removes a record
             // the stopped deletion left twice.
             run.back();
             click(*run.w().btnPage9Yes);
             if (run.listsApplication(L"WORD.EXE")) {
                 run.chooseApplication(L"WORD.EXE");
                 click(*run.w().btnPage10Delete);
             }
             run.chooseApplication(L"NOTEPAD.EXE");
             run.next();
             EXPECT_EQ(run.w().wizardStep, TfrmTarvex::kPropertiesStep);
         },
         Subject{kRightHandKey, L"WORD.EXE"},
         10,
         true},
        {"TrayOption",
         [](ProgramRun& run) {
             run.openRightHandSetup();
             run.next();
             run.next();
             run.next();
         },
         {},
         [](ProgramRun& run) { click(*run.w().NoIconInTray); },
         [](ProgramRun& run) {
             // After a refused write the box shows the stored choice again: the
             // user ticks it once more.
             if (!run.w().NoIconInTray->checked()) {
                 click(*run.w().NoIconInTray);
             }
         },
         std::nullopt,
         1},
        {"SaveScheme",
         [](ProgramRun& run) {
             run.openRightHandSetup();
             run.selectTab(kPointersTab);
             click(*run.w().btnSaveScheme);
             run.w().editPointerSchemeSave->setText(L"My Pointers");
         },
         {},
         [](ProgramRun& run) { click(*run.w().btnSavePointerScheme); },
         [](ProgramRun& run) {
             if (run.w().wizardStep == TfrmTarvex::kSaveSchemeStep) {
                 click(*run.w().btnSavePointerScheme);
             }
         },
         std::nullopt,
         1},
    };
}

// ---- The harness ----

// What a run without faults stores: before, after the operation, and after
// the user's next steps.
struct CleanOutcome {
    Snapshot before;
    Snapshot intended;
    Snapshot afterGoingOn;
    size_t writes = 0;
};

class FaultInjection : public ::testing::TestWithParam<Operation> {
protected:
    void runCleanly(const Operation& operation, CleanOutcome& outcome) {
        ProgramRun run;
        operation.arrange(run);
        ASSERT_TRUE(run.messageBoxes.shown().empty()) << "the state before is reached quietly";
        outcome.before = takeSnapshot(run.registry);
        const size_t writesBefore = run.registry.writeCount();
        for (const auto answer : operation.answers) {
            run.messageBoxes.answerNext(answer);
        }
        ASSERT_NO_THROW(operation.perform(run));
        outcome.writes = run.registry.writeCount() - writesBefore;
        outcome.intended = takeSnapshot(run.registry);
        ASSERT_NO_THROW(operation.goOn(run));
        outcome.afterGoingOn = takeSnapshot(run.registry);

        EXPECT_EQ(errorBoxesSince(run.messageBoxes.shown(), 0), 0u);
        EXPECT_EQ(run.messageBoxes.unusedAnswers(), 0u);
        EXPECT_NE(outcome.intended, outcome.before) << "the operation stores something";
        expectOtherRecordsKept(outcome.before, outcome.intended, operation.subject);
        expectStoreIntact(outcome.intended);
    }

    void runRefusing(const Operation& operation, size_t refused, const CleanOutcome& clean) {
        ProgramRun run;
        operation.arrange(run);
        ASSERT_EQ(takeSnapshot(run.registry), clean.before) << "the same state before";
        const size_t boxesBefore = run.messageBoxes.shown().size();
        const size_t toldBefore = run.driverNotifications().size();
        const size_t refusedWrite = run.registry.writeCount() + refused;
        run.registry.refuseWrite(refused);
        for (const auto answer : operation.answers) {
            run.messageBoxes.answerNext(answer);
        }
        run.messageBoxes.answerNext(MessageAnswer::Ok);
        // An unexpected question surfaces as an exception of the scripted boxes.
        ASSERT_NO_THROW(operation.perform(run));

        EXPECT_GT(run.registry.writeCount(), refusedWrite) << "the refused write was tried";
        expectTheErrorBox(run.messageBoxes.shown(), boxesBefore);
        EXPECT_EQ(run.messageBoxes.unusedAnswers(), 0u);
        expectDriverNotToldAfter(run.driverNotifications(), toldBefore, refusedWrite);
        const auto after = takeSnapshot(run.registry);
        expectEachValueOldOrIntended(clean.before, clean.intended, after);
        expectOtherRecordsKept(clean.before, after, operation.subject);
        expectStoreIntact(after);

        const size_t boxesAfterFailure = run.messageBoxes.shown().size();
        ASSERT_NO_THROW(operation.goOn(run));
        EXPECT_EQ(errorBoxesSince(run.messageBoxes.shown(), boxesAfterFailure), 0u)
            << "the next steps work";
        EXPECT_EQ(run.messageBoxes.unusedAnswers(), 0u);
        const auto afterGoingOn = takeSnapshot(run.registry);
        expectStoreIntact(afterGoingOn);
        if (operation.renumbers) {
            EXPECT_EQ(visibleRecords(afterGoingOn), visibleRecords(clean.afterGoingOn))
                << "no record left twice after the next load";
            const auto outside =
                differences(withoutProperties(clean.afterGoingOn), withoutProperties(afterGoingOn));
            EXPECT_TRUE(outside.empty()) << outside;
        } else {
            const auto changed = differences(clean.afterGoingOn, afterGoingOn);
            EXPECT_TRUE(changed.empty()) << "the next steps end elsewhere:" << changed;
        }
    }
};

TEST_P(FaultInjection, EachRefusedWriteIsReportedAndLosesNothing) {
    const auto& operation = GetParam();
    CleanOutcome clean;
    {
        SCOPED_TRACE(operation.name + " without faults");
        runCleanly(operation, clean);
    }
    if (HasFatalFailure()) {
        return;
    }
    ASSERT_EQ(clean.writes, operation.writes) << "writes of " << operation.name;
    for (size_t refused = 0; refused < clean.writes; ++refused) {
        SCOPED_TRACE(operation.name + ", write " + std::to_string(refused + 1) + " of " +
                     std::to_string(clean.writes) + " refused");
        runRefusing(operation, refused, clean);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWritingOperation, FaultInjection,
                         ::testing::ValuesIn(writingOperations()),
                         [](const ::testing::TestParamInfo<Operation>& info) {
                             return info.param.name;
                         });

}  // namespace
}  // namespace setup::scenario
