#include "tests/setup/scenario/tarvex_scenario.h"

#include <fstream>
#include <sstream>

#include "platform/reg_file.h"
#include "platform/text.h"
#include "setup/driver/driver_link.h"
#include "setup/resources/program_resources.h"
#include "setup/store/registry_layout.h"
#include "tests/test_paths.h"
#include "ui/user.h"

namespace setup::scenario {
namespace {

constexpr int kDefaultCursorFiles = 14;

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The driver library's entry is a plain function: it reaches the registry of
// the scenario running now through this pointer.
platform::MemoryRegistry* currentRegistry = nullptr;
std::vector<DriverNotification> notifications;

int sendUtilMessage(int first, int second) {
    DriverNotification call{first, second, {}};
    call.writesBefore = currentRegistry->writeCount();
    if (first == 1 && second == 137) {
        call.settings = standins::rereadDriverSettings(*currentRegistry);
    }
    notifications.push_back(std::move(call));
    return 0;
}

}  // namespace

std::wstring DriverNotification::value(const std::wstring& name) const {
    return standins::journalValue(settings, name);
}

TarvexScenario::TarvexScenario()
    : resources(programResources()), services{registry,  application.messageBoxes(),
                                              cursors,   keyboard,
                                              modules,   files,
                                              resources, system} {
    currentRegistry = &registry;
    notifications.clear();
}

TarvexScenario::~TarvexScenario() {
    window_.reset();
    currentRegistry = nullptr;
}

void TarvexScenario::loadRegistry(const std::string& fixture) {
    const auto problems = platform::importRegText(
        registry, platform::decodeRegFile(fileBytes(testFixturePath(fixture))));
    ASSERT_TRUE(problems.empty()) << fixture << " line " << problems.front().line << ": "
                                  << platform::toUtf8(problems.front().message);
}

void TarvexScenario::installDriverFiles(const std::wstring& installDirectory) {
    for (int role = 1; role <= kDefaultCursorFiles; ++role) {
        const auto name = "P" + std::to_string(role) + ".cur";
        files.addFile(installDirectory + L"\\p\\" + platform::fromUtf8(name),
                      fileBytes(sourceTreePath("standins/cursors/" + name)));
    }
    modules.addLibrary(L"Orvdll.dll").addEntry(kSendUtilMessage, &sendUtilMessage);
}

TfrmTarvex& TarvexScenario::start() {
    window_ = std::make_unique<TfrmTarvex>(application, services);
    if (!application.terminated()) {
        window_->show();
    }
    return *window_;
}

TfrmTarvex& TarvexScenario::startWith(const std::string& fixture) {
    loadRegistry(fixture);
    installDriverFiles(L"C:\\Orvane");
    return start();
}

void TarvexScenario::walkToProperties(int deviceRow, int typeRow) {
    next();
    ui::user::select(*window_->lstDevicesFound, deviceRow);
    next();
    ui::user::select(*window_->ListBox1, typeRow);
    next();
}

void TarvexScenario::next() {
    ui::user::click(*window_->btnNext);
}

void TarvexScenario::back() {
    ui::user::click(*window_->btnBack);
}

std::optional<std::wstring> TarvexScenario::property(const std::wstring& name) {
    return registry.value(kDriverRoot, kPropertiesKey, name);
}

const std::vector<DriverNotification>& TarvexScenario::driverNotifications() const {
    return notifications;
}

const DriverNotification& TarvexScenario::notification(size_t index) const {
    static const DriverNotification none;
    if (index >= notifications.size()) {
        ADD_FAILURE() << "the driver was told " << notifications.size() << " times; notification "
                      << index + 1 << " expected";
        return none;
    }
    return notifications[index];
}

const DriverNotification& TarvexScenario::lastNotification() const {
    return notification(notifications.empty() ? 0 : notifications.size() - 1);
}

std::vector<std::wstring> TarvexScenario::boxTexts() const {
    std::vector<std::wstring> texts;
    for (const auto& box : messageBoxes.shown()) {
        texts.push_back(box.text);
    }
    return texts;
}

}  // namespace setup::scenario
