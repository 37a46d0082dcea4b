#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry.h"

// Registry export files (.reg), in both formats regedit reads and writes:
// "REGEDIT4" (8-bit text) and "Windows Registry Editor Version 5.00" (as regedit
// writes it: UTF-16LE with a byte-order mark).
namespace platform {

enum class RegFormat { Regedit4, Regedit5 };

struct RegFileProblem {
    int line = 0;  // 1-based
    std::wstring message;
};

struct RegOperation {
    enum Kind { kOpenKey, kDeleteKey, kSetValue, kDeleteValue };
    Kind kind = kOpenKey;
    RegistryRoot root = RegistryRoot::LocalMachine;
    std::wstring path;  // below the root, without a leading backslash
    std::wstring name;  // value name; empty for the default value
    RegistryValue value;
    int line = 0;
};

struct ParsedRegFile {
    // False when the text does not open with either header: nothing in it was read.
    bool hasHeader = false;
    RegFormat format = RegFormat::Regedit5;
    std::vector<RegOperation> operations;
    // Lines that could not be used; the rest of the file still counts.
    std::vector<RegFileProblem> problems;
};

// The text of a file's bytes: UTF-16LE when it starts with that byte-order mark,
// else UTF-8 (with or without its mark) when the bytes are valid UTF-8, else Latin-1.
std::wstring decodeRegFile(std::string_view bytes);
// The bytes of a file: UTF-16LE with byte-order mark for version 5, UTF-8 for REGEDIT4.
std::string encodeRegFile(const std::wstring& text, RegFormat format);

ParsedRegFile parseRegText(const std::wstring& text);

// Parses a file one line at a time, handing each operation on as soon as it is
// read, so that a file of any size is never held whole.
class RegLineParser {
public:
    using Sink = std::function<void(const RegOperation&)>;
    explicit RegLineParser(Sink sink);

    // One line without its line break.
    void addLine(const std::wstring& line);
    // Parses what the last lines left pending; call once after the last line.
    void finish();

    bool hasHeader() const { return hasHeader_; }
    RegFormat format() const { return format_; }
    const std::vector<RegFileProblem>& problems() const { return problems_; }

private:
    enum class State { kBeforeHeader, kBody, kNotRegistryFile };

    void readHeader(const std::wstring& line);
    void parseLine(const std::wstring& line, int lineNumber);
    void parseKeyLine(const std::wstring& line, int lineNumber);
    void parseValueLine(const std::wstring& line, int lineNumber);
    void problem(int lineNumber, const std::wstring& message);

    Sink sink_;
    State state_ = State::kBeforeHeader;
    bool hasHeader_ = false;
    RegFormat format_ = RegFormat::Regedit5;
    std::vector<RegFileProblem> problems_;
    int lines_ = 0;
    // A line ending in a backslash continues on the next one.
    std::wstring pending_;
    int pendingLine_ = 0;
    bool havePending_ = false;
    bool haveKey_ = false;
    RegOperation current_;
};

// Applies operations one at a time: creates keys, sets and deletes values,
// deletes keys. Keys are closed with a flush.
class RegApplier {
public:
    explicit RegApplier(Registry& registry);
    ~RegApplier();
    RegApplier(const RegApplier&) = delete;
    RegApplier& operator=(const RegApplier&) = delete;

    void apply(const RegOperation& op);
    // Closes the last key; returns the operations the registry refused.
    std::vector<RegFileProblem> finish();

private:
    void closeKey();

    Registry& registry_;
    std::unique_ptr<RegistryKey> key_;
    std::vector<RegFileProblem> problems_;
};

// Opens a file afresh for each reading of it; nullptr when it cannot be read.
using ReaderOpener = std::function<std::unique_ptr<ByteReader>()>;

// decodeRegFile a piece at a time, for files of any size. An 8-bit file is
// read twice: once to learn whether all of it is UTF-8.
void decodeRegStream(const ReaderOpener& open, const std::function<void(std::wstring_view)>& sink);

struct RegStreamResult {
    bool hasHeader = false;
    RegFormat format = RegFormat::Regedit5;
    std::vector<RegFileProblem> problems;
};

// Decodes and parses a file as it is read, handing each operation to sink.
RegStreamResult parseRegStream(const ReaderOpener& open, const RegLineParser::Sink& sink);

// Applies a parsed file. Returns the problems of parsing and applying.
std::vector<RegFileProblem> applyRegFile(Registry& registry, const ParsedRegFile& file);
std::vector<RegFileProblem> importRegText(Registry& registry, const std::wstring& text);

// The key and everything below it as .reg text (CRLF lines); values and subkeys
// in name order. Empty text when the key does not exist.
std::wstring exportRegText(Registry& registry, RegistryRoot root, const std::wstring& path,
                           RegFormat format);

}  // namespace platform
