#include "tools/orvctl/orvctl.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_modules.h"
#include "platform/memory/memory_registry.h"
#include "platform/reg_file.h"
#include "platform/text.h"
#include "setup/store/property_record.h"
#include "setup/store/registry_layout.h"
#include "setup/store/setup_store.h"
#include "tests/test_paths.h"

namespace orvctl {
namespace {

class Orvctl : public ::testing::Test {
protected:
    int run(std::vector<std::wstring> args) {
        console_ = {};
        return orvctl::run(args, console_,
                           {[this](const std::wstring& path) { return files_.openRead(path); },
                            [this](const std::wstring& path, const std::string& bytes) {
                                written_[path] = bytes;
                                return true;
                            },
                            &live_, &modules_});
    }
    static std::string fixtureBytes(const std::string& name) {
        std::ifstream in(testFixturePath(name), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    std::wstring fixture(const std::string& name) {
        files_.addFile(L"C:\\" + platform::fromUtf8(name), fixtureBytes(name));
        return L"C:\\" + platform::fromUtf8(name);
    }
    Console console_;
    platform::MemoryFileSystem files_;
    std::map<std::wstring, std::string> written_;
    platform::MemoryRegistry live_;
    platform::MemoryModules modules_;
};

TEST_F(Orvctl, RecordDecodePrintsTheMembersInRecordOrder) {
    ASSERT_EQ(run({L"record", L"decode",
                   L"007GENERAL001002000000005005007007004005003005005012012Fancy Arrows"}),
              kSuccess);
    EXPECT_EQ(console_.out,
              L"applicationNameLength=7\napplicationName=GENERAL\nbuttonPosition=0,1,-1,-1\n"
              L"doubleClickSpeed=5\nreserved1=5\ncursorSpeed1=7\ncursorSpeed2=7\nacceleration=3\n"
              L"reserved2=5\ntrailLength=3\nreserved3=5\nreserved4=5\nreserved5=12\n"
              L"schemeNameLength=12\nschemeName=Fancy Arrows\n");
    EXPECT_EQ(console_.err, L"");
}

TEST_F(Orvctl, RecordEncodeStartsFromTheDefaultAndKeepsLengthsTrue) {
    ASSERT_EQ(run({L"record", L"encode", L"applicationName=WORD.EXE", L"buttonPosition=1,0,-1,-1",
                   L"acceleration=3", L"schemeName="}),
              kSuccess);
    EXPECT_EQ(console_.out, L"008WORD.EXE002001000000005005007007004005000005005005000\n");
    ASSERT_EQ(run({L"record", L"encode"}), kSuccess);
    EXPECT_EQ(console_.out,
              L"007GENERAL001002003004005005007007001005000005005005016Windows Standard\n");
}

TEST_F(Orvctl, BadInputFailsWithOneAndPrintsNothingOnStdout) {
    EXPECT_EQ(run({L"record", L"decode", L"007GENERAL00x"}), kBadInput);
    EXPECT_EQ(console_.out, L"");
    EXPECT_NE(console_.err.find(L"buttonPosition"), std::wstring::npos);
    EXPECT_EQ(run({L"record", L"encode", L"cursorSpeed1=fast"}), kBadInput);
    EXPECT_EQ(run({L"record", L"encode", L"cursorSpeed1=1000"}), kBadInput);
    EXPECT_EQ(run({L"record", L"encode", L"buttonPosition=1,2"}), kBadInput);
    EXPECT_EQ(run({L"actions", L"decode", L"0300"}), kBadInput);
    EXPECT_EQ(console_.out, L"");
}

TEST_F(Orvctl, UsageErrorsFailWithTwo) {
    for (const auto& args : std::vector<std::vector<std::wstring>>{
             {},
             {L"record"},
             {L"record", L"decode"},
             {L"record", L"encode", L"speed=1"},
             {L"record", L"encode", L"noequals"},
             {L"macro", L"sideways", L"x"},
             {L"stamp", L"C:\\x"},
             {L"stamp", L"C:\\x", L"two"},
             {L"frobnicate"},
             {L"check"},
             {L"check", L"a.reg", L"--live"},
             {L"check", L"a.reg", L"-o"},
             {L"repair", L"--live", L"-o", L"b.reg"},
             {L"export", L"a.reg", L"-o", L"p.json"},
             {L"export", L"a.reg", L"--device", L"b05001"},
             {L"import", L"p.json", L"a.reg"},
             {L"import", L"p.json", L"--live", L"--device", L"b0500x"},
             {L"reset", L"a.reg", L"-o", L"b.reg"},
             {L"reset", L"--live", L"--device", L"b05001", L"--frobnicate"}}) {
        SCOPED_TRACE(::testing::PrintToString(args));
        EXPECT_EQ(run(args), kUsageError);
        EXPECT_EQ(console_.out, L"");
        EXPECT_NE(console_.err, L"");
    }
    EXPECT_EQ(run({L"--help"}), kSuccess);
    EXPECT_NE(console_.out.find(L"orvctl dump FILE.reg"), std::wstring::npos);
}

TEST_F(Orvctl, ActionsDecodeGivesOneTabSeparatedLinePerEntry) {
    ASSERT_EQ(run({L"actions", L"decode", L"02010408000608{<}c{~<}080007"}), kSuccess);
    EXPECT_EQ(console_.out, L"2\t1\t4\t\n8\t0\t6\t{Ctrl-Dn}c{Ctrl-Up}\n8\t0\t7\t\n");
}

TEST_F(Orvctl, MacroConversionsAndTheirMessages) {
    ASSERT_EQ(run({L"macro", L"to-registry", L"{Sh-Tab}x"}), kSuccess);
    EXPECT_EQ(console_.out, L"{I}{.~.}x{~I}\n") << "a literal leaves the shift state as it is";
    ASSERT_EQ(run({L"macro", L"from-registry", L"{<}c{~<}"}), kSuccess);
    EXPECT_EQ(console_.out, L"{Ctrl-Dn}c{Ctrl-Up}\n");
    EXPECT_EQ(run({L"macro", L"from-registry", L"{I}a"}), kBadInput);
    EXPECT_EQ(console_.err, L"Warning: Unexpected end of registry macro:\n{I}a\n");
    EXPECT_EQ(console_.out, L"");
}

TEST_F(Orvctl, StampReadsTheFileNamed) {
    files_.addFile(L"C:\\Windows\\System\\Orvdrv.vxd", std::string("xx137VERSION\x04\x02", 14));
    ASSERT_EQ(run({L"stamp", L"C:\\Windows\\System\\Orvdrv.vxd", L"2"}), kSuccess);
    EXPECT_EQ(console_.out, L"4.2\n");
    ASSERT_EQ(run({L"stamp", L"C:\\missing", L"2"}), kSuccess);
    EXPECT_EQ(console_.out, L"----\n");
}

TEST_F(Orvctl, DumpDescribesEverythingAndListsEveryProblem) {
    ASSERT_EQ(run({L"dump", fixture("dump.reg")}), kSuccess);
    const auto& out = console_.out;
    for (const wchar_t* expected : {
             L"Install directory: \"C:\\Program Files\\Orvane\"",
             L"Tray icon: shown (ShowIconInTray \"False\")",
             L"b05001: device b05 on port 1, type 014 \"Orvane Right Hand Mouse\"",
             L"device 123 on port 7: type 015 \"Orvane Left Hand Mouse\" (not attached now)",
             L"P001 device 00a002, \"GENERAL\"",
             L"buttons: Primary, Secondary, none, none",
             L"Aux1 + Alt: Swift Scroll",
             L"P002 device b05001, \"WORD.EXE\"",
             L"acceleration High, trails 3",
             L"\"Mine\": 3 field(s): C:\\a.cur,,C:\\b.ani",
             // problems
             L"MiceFound: 1 character(s) left over",
             L"MiceFound entry 3: 'xyz' is not a number",
             L"A001: a macro does not convert",
             L"A002 entry 1: unknown action code 42",
             L"A002: malformed action string",
             L"P003: malformed record",
             L"P005 lies after the end of the numbering at P004",
         }) {
        EXPECT_NE(out.find(expected), std::wstring::npos) << platform::toUtf8(expected);
    }
}

TEST_F(Orvctl, DumpReadsEveryFormatRegeditWrites) {
    ASSERT_EQ(run({L"dump", fixture("dump.reg")}), kSuccess);
    const auto report = console_.out;
    const auto text = platform::decodeRegFile(fixtureBytes("dump.reg"));
    const auto version5 = std::wstring(L"Windows Registry Editor Version 5.00");
    ASSERT_EQ(text.compare(0, version5.size(), version5), 0);
    const std::pair<const char*, std::string> exports[] = {
        {"version 5, UTF-16LE with byte-order mark",
         platform::encodeRegFile(text, platform::RegFormat::Regedit5)},
        {"REGEDIT4", platform::encodeRegFile(L"REGEDIT4" + text.substr(version5.size()),
                                             platform::RegFormat::Regedit4)},
    };
    for (const auto& [format, bytes] : exports) {
        SCOPED_TRACE(format);
        files_.addFile(L"C:\\export.reg", bytes);
        ASSERT_EQ(run({L"dump", L"C:\\export.reg"}), kSuccess) << platform::toUtf8(console_.err);
        EXPECT_EQ(console_.out, report);
    }
}

TEST_F(Orvctl, DumpOfAFileThatIsNotARegistryExportIsBadInput) {
    files_.addFile(L"C:\\empty.reg", "");
    files_.addFile(L"C:\\notes.txt", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\r\n");
    for (const wchar_t* path : {L"C:\\missing.reg", L"C:\\empty.reg", L"C:\\notes.txt"}) {
        SCOPED_TRACE(platform::toUtf8(path));
        EXPECT_EQ(run({L"dump", path}), kBadInput);
        EXPECT_EQ(console_.out, L"");
        EXPECT_NE(console_.err, L"");
    }
}

}  // namespace
}  // namespace orvctl

namespace orvctl {
namespace {

const std::wstring kGeneralRecord = setup::kDefaultRecord;
const std::wstring kWordRecord =
    L"008WORD.EXE002001003004005005009009004005003005005005012Fancy Arrows";
const std::wstring kTwoButtons = setup::kTwoButtonDefaultRecord;

using Values = std::map<std::wstring, std::wstring>;

int notifications = 0;
int countNotification(int, int) {
    return ++notifications;
}

// Stores as registry exports: the driver's devices and the numbered values.
class OrvctlStore : public Orvctl {
protected:
    static std::wstring regText(const Values& properties, const std::wstring& userDefined = L"") {
        std::wstring text =
            L"Windows Registry Editor Version 5.00\r\n\r\n"
            L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\MiceFound]\r\n"
            L"\"MiceFound\"=\"b05001a14002\"\r\n\"UserDefined\"=\"" +
            userDefined +
            L"\"\r\n\r\n"
            L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\Properties]\r\n";
        for (const auto& [name, value] : properties) {
            text += L"\"" + name + L"\"=\"" + value + L"\"\r\n";
        }
        return text;
    }
    std::wstring storeFile(const std::wstring& path, const Values& properties,
                           const std::wstring& userDefined = L"") {
        files_.addFile(path, platform::encodeRegFile(regText(properties, userDefined),
                                                     platform::RegFormat::Regedit5));
        return path;
    }
    void liveStore(const Values& properties, const std::wstring& userDefined = L"") {
        live_.deleteKey(setup::kDriverRoot, setup::kOrvaneKey);
        platform::importRegText(live_, regText(properties, userDefined));
    }
    static Values properties(platform::Registry& registry) {
        Values values;
        auto key = registry.open(setup::kDriverRoot, setup::kPropertiesKey);
        for (const auto& name : key->valueNames()) {
            values[name] = key->readString(name);
        }
        return values;
    }
    // The Properties values of an export the tool wrote.
    Values written(const std::wstring& path) {
        platform::MemoryRegistry registry;
        EXPECT_TRUE(
            platform::importRegText(registry, platform::decodeRegFile(written_[path])).empty());
        return properties(registry);
    }
    void addDriverLibrary() {
        modules_.addLibrary(L"orvdll.dll").addEntry("SendUtilMessage", &countNotification);
    }
};

TEST_F(OrvctlStore, CheckListsEachProblemOnItsOwnLineAndNotesUnlistedDevices) {
    const auto path = storeFile(
        L"C:\\s.reg", {{L"P001", L"b05001" + kGeneralRecord},
                       {L"A001", L""},
                       {L"P002", L"a94002" + kWordRecord},  // a14002 by the device-key rule
                       {L"A002", L"0300"},
                       {L"P003", L"a14002" + kWordRecord},
                       {L"P004", L"3f8002007GENERAL00x"},
                       {L"A004", L""},
                       {L"P005", L"b05001" + kWordRecord + L"x"},
                       {L"A005",
                        L"020004020004020004020004020004020004020004020004020004020004"
                        L"020004020004"},
                       {L"A006", L""},
                       {L"P007", L"a14002" + kGeneralRecord},
                       {L"A007", L""}});
    ASSERT_EQ(run({L"check", path}), kProblemsFound);
    EXPECT_EQ(console_.out,
              L"P006 is missing: the driver stops there and never reads P007 or any later record\n"
              L"P003 has no A003\n"
              L"A006 has no P006\n"
              L"P004: the record does not parse: '00x' is not a valid integer value "
              L"(buttonPosition at position 11)\n"
              L"P005: the record has 69 characters where its name lengths (8 and 12) make 68: a "
              L"length disagrees with its name\n"
              L"A002: the action string does not parse: '' is not a valid integer value "
              L"(actionCode at position 5)\n"
              L"A005: the action string holds more than 11 actions\n"
              L"P002 and P003 hold the same device and application (a94002, \"WORD.EXE\")\n"
              L"note: P004: device 3f8002 is not in MiceFound\n");

    liveStore({{L"P001", L"b05001" + kGeneralRecord}, {L"A001", L"030001"}});
    ASSERT_EQ(run({L"check", L"--live"}), kSuccess);
    EXPECT_EQ(console_.out, L"");
}

TEST_F(OrvctlStore, RepairMendsWhatIsSafeAndLeavesTheRestToAPerson) {
    const auto unparsable = L"b05001007GENERAL00x";
    const auto path = storeFile(L"C:\\s.reg", {{L"P001", L"b05001" + kGeneralRecord},
                                               {L"A001", L"030001"},
                                               {L"P002", L"b05001" + kGeneralRecord},
                                               {L"A002", L"030001"},
                                               {L"P003", L"a14002" + kGeneralRecord},
                                               {L"A004", L"020004"},
                                               {L"P005", unparsable},
                                               {L"A005", L""},
                                               {L"P006", L""},
                                               {L"P007", L"b05001" + kWordRecord},
                                               {L"A007", L""},
                                               {L"P008", L"a14002" + kTwoButtons},
                                               {L"A008", L""}});
    ASSERT_EQ(run({L"repair", path, L"-o", L"C:\\out.reg"}), kProblemsFound);
    EXPECT_EQ(written(L"C:\\out.reg"), (Values{{L"P001", L"b05001" + kGeneralRecord},
                                               {L"A001", L"030001"},
                                               {L"P002", L"a14002" + kGeneralRecord},
                                               {L"A002", L""},
                                               {L"P003", unparsable},
                                               {L"A003", L""},
                                               {L"P004", L"b05001" + kWordRecord},
                                               {L"A004", L""},
                                               {L"P005", L"a14002" + kTwoButtons},
                                               {L"A005", L""}}));
    for (const wchar_t* expected :
         {L"removed P002 and A002: the same as P001\n", L"P003 had no A003: added an empty one\n",
          L"removed A004: it had no P004\n", L"moved P007 and A007 to P004 and A004\n",
          L"left for a person: P003: the record does not parse",
          L"left for a person: P002 and P005 hold the same device and application"}) {
        EXPECT_NE(console_.out.find(expected), std::wstring::npos) << platform::toUtf8(expected);
    }

    files_.addFile(L"C:\\out.reg", written_[L"C:\\out.reg"]);
    ASSERT_EQ(run({L"repair", L"C:\\out.reg"}), kProblemsFound) << "nothing is left to mend";
    EXPECT_EQ(console_.out.find(L"nothing to repair\n"), 0u);
}

TEST_F(OrvctlStore, ExportedProfilesImportIntoAnEmptyStoreAndChangeNothingAtHome) {
    const Values store{{L"P001", L"b05001" + kGeneralRecord}, {L"A001", L"08020612{I}{.~.}{~I}"},
                       {L"P002", L"a14002" + kGeneralRecord}, {L"A002", L""},
                       {L"P003", L"b05001" + kWordRecord},    {L"A003", L"030001"}};
    const auto path = storeFile(L"C:\\s.reg", store);
    ASSERT_EQ(run({L"export", path, L"--device", L"b05001", L"-o", L"C:\\p.json"}), kSuccess);
    const auto profile = written_[L"C:\\p.json"];
    for (const char* decoded : {"\"cursorSpeed1\": \"9\"", "\"Fancy Arrows\"", "{Sh-Tab}"}) {
        EXPECT_NE(profile.find(decoded), std::string::npos) << decoded;
    }
    files_.addFile(L"C:\\p.json", profile);

    ASSERT_EQ(run({L"import", L"C:\\p.json", path, L"-o", L"C:\\same.reg"}), kSuccess);
    EXPECT_EQ(console_.out, L"nothing to change\n");
    EXPECT_EQ(written(L"C:\\same.reg"), store);

    storeFile(L"C:\\empty.reg", {});
    ASSERT_EQ(run({L"import", L"C:\\p.json", L"C:\\empty.reg", L"-o", L"C:\\new.reg"}), kSuccess);
    EXPECT_EQ(written(L"C:\\new.reg"), (Values{{L"P001", store.at(L"P001")},
                                               {L"A001", store.at(L"A001")},
                                               {L"P002", store.at(L"P003")},
                                               {L"A002", store.at(L"A003")}}));

    ASSERT_EQ(run({L"export", path, L"--device", L"b05001", L"--application", L"NONE.EXE", L"-o",
                   L"C:\\x.json"}),
              kBadInput);
}

TEST_F(OrvctlStore, ImportReplacesInPlaceAddsGeneralFirstAndLeavesOtherRecords) {
    files_.addFile(L"C:\\p.json", R"([
        {"deviceCode": "b05", "port": 1, "application": "WORD.EXE", "actions": "030001",
         "record": "008WORD.EXE002001003004005005009009004005003005005005012Fancy Arrows"},
        {"deviceCode": "b05", "port": 1, "application": "GENERAL", "actions": "020004",
         "record": "007GENERAL001002000000005005007007001005000005005005016Windows Standard"}])");
    const Values store{{L"P001", L"a14002" + kWordRecord},
                       {L"A001", L""},
                       {L"P002", L"c07003" + kGeneralRecord},
                       {L"A002", L"080007"}};
    liveStore(store);
    addDriverLibrary();
    notifications = 0;
    ASSERT_EQ(run({L"import", L"C:\\p.json", L"--live", L"--device", L"a14002"}), kSuccess);
    EXPECT_EQ(console_.out,
              L"added P003 (a14002, \"GENERAL\")\nreplaced P001 (a14002, \"WORD.EXE\")\n");
    EXPECT_EQ(properties(live_), (Values{{L"P001", L"a14002" + kWordRecord},
                                         {L"A001", L"030001"},
                                         {L"P002", store.at(L"P002")},
                                         {L"A002", store.at(L"A002")},
                                         {L"P003", L"a14002" + kTwoButtons},
                                         {L"A003", L"020004"}}));
    EXPECT_EQ(notifications, 1);
    ASSERT_EQ(run({L"check", L"--live"}), kSuccess);
    EXPECT_EQ(notifications, 1) << "reading tells the driver nothing";
}

TEST_F(OrvctlStore, ARefusedImportWriteAtAnyPositionLeavesTheStoreAsItWas) {
    files_.addFile(L"C:\\p.json", R"([
        {"deviceCode": "b05", "port": 1, "application": "GENERAL", "actions": "020004",
         "record": "007GENERAL001002000000005005007007001005000005005005016Windows Standard"},
        {"deviceCode": "b05", "port": 1, "application": "WORD.EXE", "actions": "",
         "record": "008WORD.EXE002001003004005005009009004005003005005005012Fancy Arrows"}])");
    const Values store{{L"P001", L"b05001" + kGeneralRecord}, {L"A001", L"080007"}};
    addDriverLibrary();
    notifications = 0;
    size_t refused = 0;
    for (;; ++refused) {
        SCOPED_TRACE("write " + std::to_string(refused) + " refused");
        liveStore(store);
        live_.refuseWrite(refused);
        const int status = run({L"import", L"C:\\p.json", L"--live"});
        if (status == kSuccess) {
            break;
        }
        ASSERT_EQ(status, kBadInput);
        EXPECT_NE(console_.err.find(L"(refused); the store is as it was"), std::wstring::npos);
        EXPECT_EQ(properties(live_), store);
        EXPECT_EQ(notifications, 0);
    }
    EXPECT_EQ(refused, 4u) << "P001, A001, then A002 before P002";
    EXPECT_EQ(notifications, 1);
}

TEST_F(OrvctlStore, ImportRefusesUnsoundProfilesNamingTheProblemAndItsPlace) {
    const auto path = storeFile(L"C:\\s.reg", {{L"P001", L"b05001" + kGeneralRecord}});
    const std::string good =
        R"("deviceCode": "b05", "port": 1, "application": "GENERAL", "actions": "")";
    const std::string record = R"(, "record": ")" + platform::toUtf8(kGeneralRecord) + "\"";
    std::string twelveActions;
    for (int i = 0; i < 12; ++i) {
        twelveActions += "020004";
    }
    const std::pair<std::string, const wchar_t*> cases[] = {
        {"[{" + good, L"not JSON: [json.exception.parse_error.101] parse error at line 1"},
        {"{}", L"a profile is a list of setups, not object"},
        {"[{" + good + "}]", L"setup 1 (entry 0 of the list), \"record\": missing"},
        {"[{" + good + record + "}, 7]", L"setup 2 (entry 1 of the list) must be an object"},
        {R"([{"deviceCode": "b05", "port": "1"}])", L"\"port\": must be a whole number"},
        {R"([{"deviceCode": "b05x", "port": 1}])", L"\"deviceCode\": must be up to three hex"},
        {R"([{"deviceCode": "b05", "port": 1000}])", L"\"port\": must be 0 to 999"},
        {R"([{"deviceCode": "b05", "port": 1, "application": ")" + std::string(1000, 'A') + "\"}]",
         L"1000 characters are too many for the three-digit length field"},
        {"[{" + good + R"(, "record": "007GENERAL0010020x"}])",
         L"\"record\": the record does not parse: '0x' is not a valid integer value"},
        {R"([{"deviceCode": "b05", "port": 1, "application": "WORD.EXE", "actions": "")" + record +
             "}]",
         L"\"record\": the record is for \"GENERAL\", not \"WORD.EXE\""},
        {"[{" + good.substr(0, good.size() - 1) + twelveActions + "\"" + record + "}]",
         L"\"actions\": the action string holds more than 11 actions"},
    };
    for (const auto& [json, expected] : cases) {
        SCOPED_TRACE(json.substr(0, 120));
        files_.addFile(L"C:\\p.json", json);
        EXPECT_EQ(run({L"import", L"C:\\p.json", path, L"-o", L"C:\\out.reg"}), kBadInput);
        EXPECT_NE(console_.err.find(expected), std::wstring::npos)
            << platform::toUtf8(console_.err);
        EXPECT_EQ(written_.count(L"C:\\out.reg"), 0u);
    }
}

TEST_F(OrvctlStore, ResetPutsTheFirstUseRecordInPlaceAndTellsTheDriver) {
    // Type 00a has two buttons: its first-use record is the two-button one.
    liveStore({{L"P001", L"b05001" + kWordRecord},
               {L"A001", L"030001"},
               {L"P002",
                L"b05001" + kGeneralRecord.substr(0, 10) + L"002001" + kGeneralRecord.substr(16)},
               {L"A002", L"080007"}},
              L"00ab05001");
    notifications = 0;
    ASSERT_EQ(run({L"reset", L"--live", L"--device", L"b05001"}), kSuccess);
    EXPECT_EQ(console_.out, L"reset P002 to the default record, no actions\n");
    EXPECT_NE(console_.err.find(L"warning: the driver library orvdll.dll was not found"),
              std::wstring::npos);
    addDriverLibrary();
    ASSERT_EQ(run({L"reset", L"--live", L"--device", L"b05001", L"--application", L"WORD.EXE"}),
              kSuccess);
    EXPECT_EQ(console_.err, L"");
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(properties(live_),
              (Values{{L"P001", L"b05001" + setup::namedDefaultRecord(L"WORD.EXE")},
                      {L"A001", L""},
                      {L"P002", L"b05001" + kTwoButtons},
                      {L"A002", L""}}));
    EXPECT_EQ(run({L"reset", L"--live", L"--device", L"3f8002"}), kBadInput);
    EXPECT_EQ(console_.err, L"orvctl reset: device 3f8002 has no record for \"GENERAL\"\n");
}

TEST_F(OrvctlStore, LiveIsAUsageErrorWhereTheToolHasNoRegistry) {
    Console console;
    EXPECT_EQ(orvctl::run({L"check", L"--live"}, console, {nullptr, nullptr, nullptr, nullptr}),
              kUsageError);
    EXPECT_NE(console.err.find(L"works only on Windows"), std::wstring::npos);
}

TEST_F(OrvctlStore, ReadingAnExportKeepsOnlyWhatTheSystemStores) {
    files_.addFile(L"C:\\hive.reg",
                   platform::encodeRegFile(
                       regText({{L"P001", L"b05001" + kGeneralRecord}, {L"A001", L""}}) +
                           L"\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\r\n\"P002\"=\"x\"\r\n"
                           L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\Properties]\r\n"
                           L"\"P002\"=\"b05001" +
                           kWordRecord + L"\"\r\n\"A002\"=\"\"\r\n",
                       platform::RegFormat::Regedit5));
    ASSERT_EQ(run({L"repair", L"C:\\hive.reg", L"-o", L"C:\\out.reg"}), kSuccess);
    const auto text = platform::decodeRegFile(written_[L"C:\\out.reg"]);
    EXPECT_EQ(text.find(L"Other"), std::wstring::npos);
    EXPECT_EQ(text.rfind(L"Windows Registry Editor Version 5.00\r\n", 0), 0u);
    EXPECT_EQ(written(L"C:\\out.reg").size(), 4u);
}

}  // namespace
}  // namespace orvctl
