#include "tools/orvctl/orvctl.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/memory/memory_file_system.h"
#include "platform/reg_file.h"
#include "platform/text.h"
#include "tests/test_paths.h"

namespace orvctl {
namespace {

class Orvctl : public ::testing::Test {
protected:
    int run(std::vector<std::wstring> args) {
        console_ = {};
        return orvctl::run(args, console_,
                           [this](const std::wstring& path) { return files_.openRead(path); });
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
    for (const auto& args :
         std::vector<std::vector<std::wstring>>{{},
                                                {L"record"},
                                                {L"record", L"decode"},
                                                {L"record", L"encode", L"speed=1"},
                                                {L"record", L"encode", L"noequals"},
                                                {L"macro", L"sideways", L"x"},
                                                {L"stamp", L"C:\\x"},
                                                {L"stamp", L"C:\\x", L"two"},
                                                {L"frobnicate"}}) {
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
