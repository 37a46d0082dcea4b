#include "platform/reg_file.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/memory/memory_registry.h"
#include "platform/text.h"

namespace platform {
namespace {

const std::wstring kOrvane = L"SOFTWARE\\Orvane";

std::wstring valueOf(MemoryRegistry& registry, const std::wstring& path, const std::wstring& name) {
    return registry.value(RegistryRoot::LocalMachine, path, name).value_or(L"<missing>");
}

TEST(RegFileImport, ReadsBothHeadersAndEscapes) {
    for (const std::wstring header : {L"REGEDIT4", L"Windows Registry Editor Version 5.00"}) {
        SCOPED_TRACE(toUtf8(header));
        MemoryRegistry registry;
        const auto problems =
            importRegText(registry, header +
                                        L"\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\r\n"
                                        L"\"Orvane Directory\"=\"C:\\\\Orvane\"\r\n"
                                        L"\"Quote\"=\"a\\\"b\"\r\n");
        EXPECT_TRUE(problems.empty());
        EXPECT_EQ(valueOf(registry, kOrvane, L"Orvane Directory"), L"C:\\Orvane");
        EXPECT_EQ(valueOf(registry, kOrvane, L"Quote"), L"a\"b");
    }
}

TEST(RegFileImport, JoinsContinuedHexLines) {
    MemoryRegistry registry;
    importRegText(registry,
                  L"Windows Registry Editor Version 5.00\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\n"
                  L"\"Bytes\"=hex:01,02,\\\n  03,04\n");
    auto key = registry.open(RegistryRoot::LocalMachine, kOrvane);
    EXPECT_EQ(key->readValue(L"Bytes")->data, (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(RegFileImport, Regedit4TextValuesAreEightBit) {
    MemoryRegistry registry;
    importRegText(
        registry,
        L"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\n\"Path\"=hex(2):25,41,25,00\n");
    EXPECT_EQ(valueOf(registry, kOrvane, L"Path"), L"%A%");
}

TEST(RegFileImport, DeletesValuesAndKeys) {
    MemoryRegistry registry;
    importRegText(registry,
                  L"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\Gone]\n\"a\"=\"1\"\n"
                  L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\n\"x\"=\"1\"\n\"y\"=\"2\"\n");
    importRegText(registry,
                  L"REGEDIT4\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\Gone]\n"
                  L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\n\"x\"=-\n");
    EXPECT_EQ(registry.open(RegistryRoot::LocalMachine, kOrvane + L"\\Gone"), nullptr);
    EXPECT_EQ(valueOf(registry, kOrvane, L"x"), L"<missing>");
    EXPECT_EQ(valueOf(registry, kOrvane, L"y"), L"2");
}

TEST(RegFileImport, ReportsBadLinesWithTheirNumbersAndKeepsTheRest) {
    MemoryRegistry registry;
    const auto problems = importRegText(registry,
                                        L"REGEDIT4\n"
                                        L"\"early\"=\"no key yet\"\n"
                                        L"[HKEY_CLASSES_ROOT\\x]\n"
                                        L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\n"
                                        L"\"bad\"=dword:xyz\n"
                                        L"\"open\"=\"unterminated\n"
                                        L"garbage\n"
                                        L"\"good\"=\"kept\"\n");
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0].line, 2);
    EXPECT_EQ(problems[1].line, 3);
    EXPECT_EQ(problems[2].line, 5);
    EXPECT_EQ(problems[3].line, 6);
    EXPECT_EQ(problems[4].line, 7);
    EXPECT_EQ(valueOf(registry, kOrvane, L"good"), L"kept");
}

TEST(RegFileImport, RefusesTextWithoutAHeader) {
    MemoryRegistry registry;
    const auto problems =
        importRegText(registry, L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\n\"x\"=\"1\"\n");
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(registry.open(RegistryRoot::LocalMachine, kOrvane), nullptr);
}

TEST(RegFileDecode, RecognisesTheThreeEncodings) {
    EXPECT_EQ(decodeRegFile(std::string("\xFF\xFE"
                                        "R\0E\0",
                                        6)),
              L"RE");
    EXPECT_EQ(decodeRegFile("\xEF\xBB\xBF"
                            "caf\xC3\xA9"),
              L"caf\u00e9");
    EXPECT_EQ(decodeRegFile("caf\xE9"), L"caf\u00e9") << "not UTF-8: taken as Latin-1";
}

// Hands out a file a few bytes at a time, so that every boundary a chunk can
// end on (inside a UTF-8 sequence, a UTF-16 unit, a CR LF) is met.
class TrickleReader : public ByteReader {
public:
    TrickleReader(std::string bytes, size_t step) : bytes_(std::move(bytes)), step_(step) {}
    size_t read(uint8_t* buffer, size_t size) override {
        const size_t count = std::min({size, step_, bytes_.size() - at_});
        std::copy(bytes_.begin() + at_, bytes_.begin() + at_ + count, buffer);
        at_ += count;
        return count;
    }

private:
    std::string bytes_;
    size_t step_;
    size_t at_ = 0;
};

TEST(RegFileStream, ReadsInPiecesWhatTheWholeTextGives) {
    const std::wstring text =
        L"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\r"
        L"\"Caf\u00e9\"=\"\u00e9t\u00e9\"\n\"Bin\"=hex:01,\\\r\n  "
        L"02\r\n\"Bad\"=nonsense\r\n\"Last\"=\"1\"";
    const auto whole = parseRegText(text);
    for (const auto format : {RegFormat::Regedit5, RegFormat::Regedit4}) {
        const auto bytes = encodeRegFile(text, format);
        const std::string latin1 =
            "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\"N\"=\"caf\xE9\"";
        for (size_t step = 1; step <= 4; ++step) {
            SCOPED_TRACE("format " + std::to_string(static_cast<int>(format)) + ", step " +
                         std::to_string(step));
            std::vector<RegOperation> operations;
            const auto result =
                parseRegStream([&] { return std::make_unique<TrickleReader>(bytes, step); },
                               [&](const RegOperation& op) { operations.push_back(op); });
            ASSERT_EQ(operations.size(), whole.operations.size());
            for (size_t i = 0; i < operations.size(); ++i) {
                EXPECT_EQ(operations[i].path, whole.operations[i].path);
                EXPECT_EQ(operations[i].name, whole.operations[i].name);
                EXPECT_EQ(operations[i].line, whole.operations[i].line);
                EXPECT_EQ(operations[i].value.text(), whole.operations[i].value.text());
            }
            ASSERT_EQ(result.problems.size(), 1u);
            EXPECT_EQ(result.problems[0].line, 7) << "the bad line, counted from the header";
            std::wstring decoded;
            decodeRegStream([&] { return std::make_unique<TrickleReader>(latin1, step); },
                            [&](std::wstring_view piece) { decoded += piece; });
            EXPECT_EQ(decoded, decodeRegFile(latin1));
            EXPECT_NE(decoded.find(L"caf\u00e9"), std::wstring::npos);
        }
    }
}

TEST(RegFileExport, WritesWhatRegeditWrites) {
    MemoryRegistry registry;
    auto key = registry.create(RegistryRoot::LocalMachine, kOrvane);
    key->writeString(L"b", L"C:\\x \"y\"");
    key->writeString(L"A", L"first");
    RegistryValue number;
    number.type = kRegDword;
    number.data = {0x2a, 0, 0, 0};
    key->writeValue(L"n", number);
    registry.create(RegistryRoot::LocalMachine, kOrvane + L"\\MiceFound")
        ->writeString(L"MiceFound", L"00a002");
    EXPECT_EQ(exportRegText(registry, RegistryRoot::LocalMachine, kOrvane, RegFormat::Regedit5),
              L"Windows Registry Editor Version 5.00\r\n\r\n"
              L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane]\r\n"
              L"\"A\"=\"first\"\r\n"
              L"\"b\"=\"C:\\\\x \\\"y\\\"\"\r\n"
              L"\"n\"=dword:0000002a\r\n\r\n"
              L"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane\\MiceFound]\r\n"
              L"\"MiceFound\"=\"00a002\"\r\n\r\n");
    EXPECT_EQ(
        exportRegText(registry, RegistryRoot::LocalMachine, L"SOFTWARE\\None", RegFormat::Regedit5),
        L"");
}

TEST(RegFileExport, StringsWithLineBreaksRoundTripAsHex) {
    MemoryRegistry registry;
    registry.create(RegistryRoot::LocalMachine, kOrvane)->writeString(L"multi", L"a\r\nb");
    const auto text =
        exportRegText(registry, RegistryRoot::LocalMachine, kOrvane, RegFormat::Regedit5);
    EXPECT_NE(text.find(L"\"multi\"=hex(1):"), std::wstring::npos);
    MemoryRegistry copy;
    ASSERT_TRUE(importRegText(copy, text).empty());
    EXPECT_EQ(valueOf(copy, kOrvane, L"multi"), L"a\r\nb");
}

TEST(RegFileExport, ValueNamesWithLineBreaksAndZerosRoundTrip) {
    const std::wstring names[] = {L"two\nlines", L"carriage\rreturn", std::wstring(L"zero\0in", 7)};
    for (const auto format : {RegFormat::Regedit4, RegFormat::Regedit5}) {
        MemoryRegistry registry;
        auto key = registry.create(RegistryRoot::LocalMachine, kOrvane);
        for (const auto& name : names) {
            key->writeString(name, L"kept");
        }
        const auto text = exportRegText(registry, RegistryRoot::LocalMachine, kOrvane, format);
        SCOPED_TRACE(toUtf8(text));
        MemoryRegistry copy;
        ASSERT_TRUE(importRegText(copy, text).empty());
        for (const auto& name : names) {
            EXPECT_EQ(valueOf(copy, kOrvane, name), L"kept");
        }
        EXPECT_EQ(exportRegText(copy, RegistryRoot::LocalMachine, kOrvane, format), text);
    }
}

TEST(RegFileExport, LongHexWrapsAndReadsBack) {
    MemoryRegistry registry;
    RegistryValue blob;
    blob.type = kRegBinary;
    for (int i = 0; i < 200; ++i) {
        blob.data.push_back(static_cast<uint8_t>(i));
    }
    registry.create(RegistryRoot::LocalMachine, kOrvane)->writeValue(L"blob", blob);
    const auto text =
        exportRegText(registry, RegistryRoot::LocalMachine, kOrvane, RegFormat::Regedit4);
    for (const auto& line : {text.substr(0, text.find(L"\r\n"))}) {
        EXPECT_LE(line.size(), 80u);
    }
    MemoryRegistry copy;
    ASSERT_TRUE(importRegText(copy, text).empty());
    EXPECT_EQ(copy.open(RegistryRoot::LocalMachine, kOrvane)->readValue(L"blob"), blob);
}

TEST(RegFileEncode, Version5IsUtf16WithByteOrderMark) {
    const auto bytes = encodeRegFile(L"R\u00e9", RegFormat::Regedit5);
    EXPECT_EQ(bytes, std::string("\xFF\xFE"
                                 "R\0\xE9\0",
                                 6));
    EXPECT_EQ(decodeRegFile(bytes), L"R\u00e9");
}

}  // namespace
}  // namespace platform
