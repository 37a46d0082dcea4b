#pragma once

#include <string>
#include <string_view>
#include <vector>

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

// Applies a parsed file: creates keys, sets and deletes values, deletes keys.
// Keys are closed with a flush. Returns the problems of parsing and applying.
std::vector<RegFileProblem> applyRegFile(Registry& registry, const ParsedRegFile& file);
std::vector<RegFileProblem> importRegText(Registry& registry, const std::wstring& text);

// The key and everything below it as .reg text (CRLF lines); values and subkeys
// in name order. Empty text when the key does not exist.
std::wstring exportRegText(Registry& registry, RegistryRoot root, const std::wstring& path,
                           RegFormat format);

}  // namespace platform
