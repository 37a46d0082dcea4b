#include "tools/orvctl/orvctl.h"

#include <map>

#include "platform/errors.h"
#include "platform/text.h"
#include "setup/actions/macro.h"
#include "setup/driver/version_stamp.h"
#include "setup/store/action_string.h"
#include "setup/store/property_record.h"
#include "tools/orvctl/dump.h"
#include "tools/orvctl/record_members.h"

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
    L"  orvctl --help\n"
    L"\n"
    L"Exit status: 0 success, 1 bad input (message on stderr, nothing on stdout),\n"
    L"2 usage error.\n";

// Collects a converter's reports so that the command can fail with them.
class CollectingReporter : public setup::MacroReporter {
public:
    void report(const std::wstring& message) override { messages += message; }
    std::wstring messages;
};

struct Failure {
    int status;
    std::wstring message;
};

[[noreturn]] void usage(const std::wstring& message) {
    throw Failure{kUsageError, message + L"\nTry 'orvctl --help'."};
}

[[noreturn]] void badInput(const std::wstring& message) {
    throw Failure{kBadInput, message};
}

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

std::wstring dump(const std::wstring& path, const FileOpener& openFile) {
    const auto file = openFile(path);
    if (!file) {
        badInput(L"orvctl dump: cannot read '" + path + L"'");
    }
    std::string bytes;
    uint8_t block[4096];
    for (size_t got; (got = file->read(block, sizeof block)) > 0;) {
        bytes.append(reinterpret_cast<const char*>(block), got);
    }
    return dumpRegFile(bytes);
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
    if (command == L"dump") {
        if (args.size() != 2) {
            usage(L"orvctl dump: expects FILE.reg");
        }
        return dump(args[1], openFile);
    }
    usage(L"orvctl: unknown command '" + command + (sub.empty() ? L"" : L" " + sub) + L"'");
}

}  // namespace

int run(const std::vector<std::wstring>& args, Console& console, const FileOpener& openFile) {
    try {
        console.out = dispatch(args, openFile);
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
