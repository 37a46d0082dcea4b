#include "tools/orvctl/store_commands.h"

#include <algorithm>
#include <optional>

#include "platform/errors.h"
#include "setup/driver/driver_link.h"
#include "tools/orvctl/dump.h"
#include "tools/orvctl/profile.h"
#include "tools/orvctl/store_check.h"
#include "tools/orvctl/store_edit.h"
#include "tools/orvctl/store_file.h"
#include "tools/orvctl/store_repair.h"

namespace orvctl {
namespace {

const wchar_t kLive[] = L"--live";
const wchar_t kOutput[] = L"-o";
const wchar_t kDevice[] = L"--device";
const wchar_t kApplication[] = L"--application";

struct StoreArguments {
    std::wstring command;
    std::vector<std::wstring> positional;
    bool live = false;
    std::optional<std::wstring> output;
    std::optional<std::wstring> device;
    std::vector<std::wstring> applications;
};

std::wstring lines(const std::vector<std::wstring>& items) {
    std::wstring text;
    for (const auto& item : items) {
        text += item + L"\n";
    }
    return text;
}

StoreArguments parseArguments(const std::vector<std::wstring>& args) {
    StoreArguments parsed;
    parsed.command = args[0];
    const auto prefix = L"orvctl " + parsed.command + L": ";
    for (size_t i = 1; i < args.size(); ++i) {
        const auto& arg = args[i];
        const bool takesValue = arg == kOutput || arg == kDevice || arg == kApplication;
        if (takesValue && i + 1 == args.size()) {
            usage(prefix + arg + L" expects a value");
        }
        if (arg == kLive) {
            parsed.live = true;
        } else if (arg == kApplication) {
            parsed.applications.push_back(args[++i]);
        } else if (takesValue) {
            auto& slot = arg == kOutput ? parsed.output : parsed.device;
            if (slot) {
                usage(prefix + arg + L" given twice");
            }
            slot = args[++i];
        } else if (arg.size() > 1 && arg[0] == L'-') {
            usage(prefix + L"unknown option '" + arg + L"'");
        } else {
            parsed.positional.push_back(arg);
        }
    }
    return parsed;
}

class StoreCommand {
public:
    StoreCommand(const std::vector<std::wstring>& args, const Environment& environment)
        : args_(parseArguments(args)), environment_(environment) {}

    Outcome run() {
        const auto& command = args_.command;
        try {
            if (command == L"dump") {
                return dump();
            }
            if (command == L"check") {
                return check();
            }
            if (command == L"repair") {
                return repair();
            }
            if (command == L"export") {
                return exportProfile();
            }
            if (command == L"import") {
                return importProfile();
            }
            return reset();
        } catch (const platform::RegistryError& error) {
            badInput(prefix() + error.message() + L"; the store is as it was");
        } catch (const platform::Error& error) {
            badInput(prefix() + error.message());
        }
    }

private:
    std::wstring prefix() const { return L"orvctl " + args_.command + L": "; }

    // The store is FILE.reg (after `leading` other arguments) or --live.
    void expectSource(size_t leading, const wchar_t* form) {
        if (args_.positional.size() != leading + (args_.live ? 0 : 1)) {
            usage(prefix() + L"expects " + form);
        }
        if (args_.live && environment_.liveRegistry == nullptr) {
            usage(prefix() + L"--live reads this machine's registry and works only on Windows");
        }
    }

    void expectOptions(bool output, bool device, size_t applications) {
        if ((args_.output && !output) || (args_.device && !device) ||
            args_.applications.size() > applications) {
            usage(prefix() + L"an option that this command does not take was given");
        }
    }

    // A changed store goes to -o OUT.reg, or it is the live registry itself.
    void expectDestination() {
        if (args_.live == args_.output.has_value()) {
            usage(prefix() + (args_.live ? L"-o does not go with --live"
                                         : L"expects -o OUT.reg for the changed store"));
        }
    }

    DeviceId device() const {
        if (!args_.device) {
            usage(prefix() + L"expects --device KEY");
        }
        const auto id = parseDeviceKey(*args_.device);
        if (!id) {
            usage(prefix() + L"'" + *args_.device +
                  L"' is not a device key (three hex digits of device code, three decimal "
                  L"digits of port)");
        }
        return *id;
    }

    platform::Registry& store() {
        if (args_.live) {
            return *environment_.liveRegistry;
        }
        const auto path = args_.positional.back();
        if (!environment_.openFile(path)) {
            badInput(prefix() + L"cannot read '" + path + L"'");
        }
        loaded_ = loadExport([&] { return environment_.openFile(path); });
        return *loaded_.registry;
    }

    // Passes a change on: to the output file, or to the driver for the live store.
    void deliver(Outcome& outcome, bool changed) {
        if (args_.output &&
            !environment_.writeFile(*args_.output, exportStore(*loaded_.registry))) {
            badInput(prefix() + L"cannot write '" + *args_.output + L"'");
        }
        if (args_.live && changed) {
            notifyDriver(outcome);
        }
    }

    void notifyDriver(Outcome& outcome) {
        setup::DriverLink link(*environment_.modules);
        if (link.bind()) {
            link.notifyDriver();
        } else {
            outcome.err += L"orvctl: warning: the driver library " +
                           std::wstring(setup::kDriverLibrary) +
                           L" was not found: the driver reads the changed settings when it next "
                           L"starts\n";
        }
        link.release();
    }

    Outcome dump() {
        if (args_.positional.size() != 1 || args_.live) {
            usage(L"orvctl dump: expects FILE.reg");
        }
        expectOptions(false, false, 0);
        auto& registry = store();
        return {kSuccess, dumpStore(registry, loaded_.problems), L""};
    }

    Outcome check() {
        expectSource(0, L"FILE.reg or --live");
        expectOptions(false, false, 0);
        const auto result = checkStore(store());
        return {result.problems.empty() ? kSuccess : kProblemsFound,
                lines(result.problems) + lines(result.notes), L""};
    }

    Outcome repair() {
        expectSource(0, L"FILE.reg or --live");
        expectOptions(!args_.live, false, 0);
        auto& registry = store();
        const auto changes = repairStore(registry);
        auto left = checkStore(registry).problems;
        for (auto& problem : left) {
            problem = L"left for a person: " + problem;
        }
        Outcome outcome{
            left.empty() ? kSuccess : kProblemsFound,
            lines(changes.empty() ? std::vector<std::wstring>{L"nothing to repair"} : changes) +
                lines(left),
            L""};
        deliver(outcome, !changes.empty());
        return outcome;
    }

    Outcome exportProfile() {
        expectSource(0, L"FILE.reg or --live");
        expectOptions(true, true, args_.applications.size());
        const auto id = device();
        if (!args_.output) {
            usage(prefix() + L"expects -o PROFILE.json");
        }
        const auto setups = collectSetups(store(), id, args_.applications);
        if (!environment_.writeFile(*args_.output, writeProfile(setups))) {
            badInput(prefix() + L"cannot write '" + *args_.output + L"'");
        }
        return {
            kSuccess,
            L"wrote " + std::to_wstring(setups.size()) + L" setup(s) to " + *args_.output + L"\n",
            L""};
    }

    Outcome importProfile() {
        expectSource(1, L"PROFILE.json and FILE.reg or --live");
        expectOptions(true, true, 0);
        expectDestination();
        const auto id = args_.device ? std::optional<DeviceId>(device()) : std::nullopt;
        const auto setups = readProfileFile(args_.positional.front());
        auto& registry = store();
        const auto changes = importSetups(registry, setups, id);
        Outcome outcome{
            kSuccess,
            lines(changes.empty() ? std::vector<std::wstring>{L"nothing to change"} : changes),
            L""};
        deliver(outcome, !changes.empty());
        return outcome;
    }

    std::vector<Setup> readProfileFile(const std::wstring& path) {
        const auto file = environment_.openFile(path);
        if (!file) {
            badInput(prefix() + L"cannot read '" + path + L"'");
        }
        std::string bytes;
        uint8_t block[4096];
        for (size_t got; (got = file->read(block, sizeof block)) > 0;) {
            bytes.append(reinterpret_cast<const char*>(block), got);
        }
        try {
            return readProfile(bytes);
        } catch (const platform::Error& error) {
            badInput(prefix() + path + L": " + error.message() + L"; nothing was written");
        }
    }

    Outcome reset() {
        expectSource(0, L"FILE.reg or --live");
        expectOptions(true, true, 1);
        expectDestination();
        const auto id = device();
        const auto name =
            resetSetup(store(), id, args_.applications.empty() ? L"" : args_.applications[0]);
        Outcome outcome{kSuccess, L"reset " + name + L" to the default record, no actions\n", L""};
        deliver(outcome, true);
        return outcome;
    }

    StoreArguments args_;
    const Environment& environment_;
    LoadedExport loaded_;
};

}  // namespace

bool isStoreCommand(const std::vector<std::wstring>& args) {
    static const wchar_t* const kCommands[] = {L"dump",   L"check",  L"repair",
                                               L"export", L"import", L"reset"};
    return !args.empty() && std::any_of(std::begin(kCommands), std::end(kCommands),
                                        [&](const wchar_t* name) { return args[0] == name; });
}

Outcome runStoreCommand(const std::vector<std::wstring>& args, const Environment& environment) {
    return StoreCommand(args, environment).run();
}

}  // namespace orvctl
