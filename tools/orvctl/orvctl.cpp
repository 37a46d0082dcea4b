#include "tools/orvctl/orvctl.h"

#include <map>

#include "platform/errors.h"
#include "platform/text.h"
#include "setup/actions/macro.h"
#include "setup/driver/version_stamp.h"
#include "setup/store/action_string.h"
#include "setup/store/property_record.h"
#include "tools/orvctl/command_result.h"
#include "tools/orvctl/record_members.h"
#include "tools/orvctl/store_commands.h"

namespace orvctl {
namespace {

const wchar_t kHelp[] =
    L"orvctl: decodes and checks the pointing-device settings the setup program stores.\n"
    L"\n"
    L"Usage:\n"
    L"  orvctl record decode TEXT\n"
    L"      The members of a property record (the text after the six-character\n"
    L"      device key of a P value), one per line as name=value, in record order.\n"
    L"      buttonPosition is four comma-separated numbers as held in memory\n"
    L"      (0 Primary, 1 Secondary, 2 Aux1, 3 Aux 2, -1 none).\n"
    L"  orvctl record encode NAME=VALUE...\n"
    L"      Starts from the four-button default record, sets the given members and\n"
    L"      prints the record. Setting applicationName or schemeName also sets its\n"
    L"      length.\n"
    L"  orvctl actions decode TEXT\n"
    L"      One line per action of an action string: buttonCode, keyCode,\n"
    L"      actionCode and the macro in displayed notation, separated by tabs.\n"
    L"  orvctl macro to-registry TEXT\n"
    L"  orvctl macro from-registry TEXT\n"
    L"      Converts a keystroke macro between the displayed and the stored\n"
    L"      notation. A problem is printed on stderr exactly as the setup program\n"
    L"      shows it.\n"
    L"  orvctl stamp FILE COUNT\n"
    L"      The version stamp of FILE with COUNT numbers (2 to 5), as the driver\n"
    L"      information page shows it (\"----\" when there is none).\n"
    L"  orvctl dump FILE.reg\n"
    L"      Everything the system stores, read from a registry export (REGEDIT4 or\n"
    L"      version 5.00, UTF-16 or 8-bit): found devices and their types, each\n"
    L"      device's records and actions, the tray option, the pointer schemes,\n"
    L"      and a list of the problems found.\n"
    L"\n"
    L"Commands on a store: SOURCE is a registry export FILE.reg, as dump reads it,\n"
    L"or --live for this machine's registry (Windows only). Commands that change\n"
    L"the store write a new export with -o OUT.reg (version 5.00, UTF-16LE, all of\n"
    L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane as changed) or, with --live, the\n"
    L"registry itself, and then tell the driver to reread its settings. KEY is a\n"
    L"device key as dump prints it: three hex digits of device code, three decimal\n"
    L"digits of port (b05001).\n"
    L"  orvctl check SOURCE\n"
    L"      Every problem of the records, one per line: gaps in the numbering, P\n"
    L"      values without A values and the reverse, two records of one device and\n"
    L"      application, records and action strings that do not parse, lengths that\n"
    L"      disagree with their names. Records of devices MiceFound does not list\n"
    L"      are noted. Exit status 3 when there are problems.\n"
    L"  orvctl repair SOURCE [-o OUT.reg]\n"
    L"      Closes gaps by moving later records down, removes the later of two\n"
    L"      identical records of one device and application, removes A values\n"
    L"      without their P value, adds an empty A value where one is missing.\n"
    L"      Prints each change (without -o on a file, what it would change) and\n"
    L"      the problems left for a person (exit status 3).\n"
    L"  orvctl export SOURCE --device KEY [--application NAME]... -o PROFILE.json\n"
    L"      The device's setups (all its applications, or those named) as a JSON\n"
    L"      profile: device code, port, application, record and action string as\n"
    L"      stored, and the members and actions decoded.\n"
    L"  orvctl import PROFILE.json (FILE.reg -o OUT.reg | --live) [--device KEY]\n"
    L"      Merges the profile's setups, for their own device or the one named: a\n"
    L"      setup whose device and application have a record replaces it in place,\n"
    L"      the others are added after the last record, GENERAL first. Other\n"
    L"      records are never touched. All is checked before the first write; a\n"
    L"      refused write puts every value back.\n"
    L"  orvctl reset (FILE.reg -o OUT.reg | --live) --device KEY [--application NAME]\n"
    L"      Puts the record the setup program writes on first use and no actions in\n"
    L"      place of the device's GENERAL record (or the application's).\n"
    L"  orvctl --help\n"
    L"\n"
    L"Exit status: 0 success, 1 bad input or a refused change (message on stderr,\n"
    L"nothing on stdout), 2 usage error, 3 problems found (check, repair).\n";

// Collects a converter's reports so that the command can fail with them.
class CollectingReporter : public setup::MacroReporter {
public:
    void report(const std::wstring& message) override { messages += message; }
    std::wstring messages;
};

void expectArguments(const std::vector<std::wstring>& args, size_t count) {
    if (args.size() != count) {
        usage(L"orvctl " + args[0] + (args.size() > 1 ? L" " + args[1] : L"") + L": expects " +
              std::to_wstring(count - 2) + L" argument(s)");
    }
}

std::wstring decodeRecord(const std::wstring& text) {
    setup::PropertyInfo info;
    setup::parsePropertyRecord(text, info);
    std::wstring out;
    for (const auto& [name, value] : recordMembers(info)) {
        out += name + L"=" + value + L"\n";
    }
    return out;
}

std::wstring encodeRecord(const std::vector<std::wstring>& assignments) {
    auto info = setup::parsePropertyRecord(setup::kDefaultRecord);
    for (const auto& assignment : assignments) {
        const auto equals = assignment.find(L'=');
        if (equals == std::wstring::npos) {
            usage(L"orvctl record encode: '" + assignment + L"' is not NAME=VALUE");
        }
        const auto name = assignment.substr(0, equals);
        if (!isRecordMember(name)) {
            usage(L"orvctl record encode: no record member is called '" + name + L"'");
        }
        setRecordMember(info, name, assignment.substr(equals + 1));
    }
    return setup::buildPropertyRecord(info) + L"\n";
}

std::wstring decodeActions(const std::wstring& text) {
    CollectingReporter reporter;
    setup::ActionTable table;
    setup::parseActionString(text, table, reporter);
    if (!reporter.messages.empty()) {
        badInput(reporter.messages);
    }
    std::wstring out;
    for (int slot = 0; slot < setup::actionCount(table); ++slot) {
        const auto& action = table[slot];
        out += std::to_wstring(action.buttonCode) + L"\t" + std::to_wstring(action.keyCode) +
               L"\t" + std::to_wstring(action.actionCode) + L"\t" + action.macroText + L"\n";
    }
    return out;
}

std::wstring convertMacro(const std::wstring& direction, const std::wstring& text) {
    CollectingReporter reporter;
    std::wstring result;
    if (direction == L"to-registry") {
        result = setup::MacroToRegistry(text, reporter);
    } else if (direction == L"from-registry") {
        result = setup::MacroFromRegistry(text, reporter);
    } else {
        usage(L"orvctl macro: expects to-registry or from-registry, not '" + direction + L"'");
    }
    if (!reporter.messages.empty()) {
        badInput(reporter.messages);
    }
    return result + L"\n";
}

std::wstring stamp(const std::wstring& path, const std::wstring& count,
                   const FileOpener& openFile) {
    const auto n = platform::parseDecimal(count);
    if (!n) {
        usage(L"orvctl stamp: COUNT must be a number, not '" + count + L"'");
    }
    return setup::readVersionStamp(openFile(path).get(), *n) + L"\n";
}

std::wstring dispatch(const std::vector<std::wstring>& args, const FileOpener& openFile) {
    if (args.empty()) {
        usage(L"orvctl: no command given");
    }
    const auto& command = args[0];
    if (command == L"--help" || command == L"-h" || command == L"help") {
        return kHelp;
    }
    const std::wstring sub = args.size() > 1 ? args[1] : L"";
    if (command == L"record" && sub == L"decode") {
        expectArguments(args, 3);
        return decodeRecord(args[2]);
    }
    if (command == L"record" && sub == L"encode") {
        return encodeRecord({args.begin() + 2, args.end()});
    }
    if (command == L"actions" && sub == L"decode") {
        expectArguments(args, 3);
        return decodeActions(args[2]);
    }
    if (command == L"macro") {
        expectArguments(args, 3);
        return convertMacro(sub, args[2]);
    }
    if (command == L"stamp") {
        if (args.size() != 3) {
            usage(L"orvctl stamp: expects FILE COUNT");
        }
        return stamp(args[1], args[2], openFile);
    }
    usage(L"orvctl: unknown command '" + command + (sub.empty() ? L"" : L" " + sub) + L"'");
}

}  // namespace

int run(const std::vector<std::wstring>& args, Console& console, const Environment& environment) {
    try {
        if (isStoreCommand(args)) {
            const auto outcome = runStoreCommand(args, environment);
            console.out = outcome.out;
            console.err = outcome.err;
            return outcome.status;
        }
        console.out = dispatch(args, environment.openFile);
        return kSuccess;
    } catch (const Failure& failure) {
        console.err = failure.message + L"\n";
        return failure.status;
    } catch (const platform::Error& error) {
        console.err = L"orvctl: " + error.message() + L"\n";
        return kBadInput;
    }
}

}  // namespace orvctl
