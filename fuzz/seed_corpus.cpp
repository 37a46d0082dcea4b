// Writes the seed corpora of the fuzz targets from what the tests already hold:
// the .reg fixtures (whole, and every record, action string, device list and
// scheme value stored in them), the text literals of the unit tests, and
// version stamps placed where a block-wise scan could miss them.
//
//   seed_corpus <output directory> <command>...
//     reg <file>                the file (also in UTF-16), and the values it stores
//     literals <target> <file>  every string literal of a C++ source
//     copy <target> <file>      the file as it is
//     stamps <target> <file>    a stamp spliced into the file at many offsets
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/memory/memory_registry.h"
#include "platform/reg_file.h"
#include "platform/text.h"
#include "setup/driver/version_stamp.h"
#include "setup/store/device_key.h"

namespace {

namespace fs = std::filesystem;
using platform::RegistryRoot;

const char* const kRegFileTarget = "reg_file";
const char* const kPropertyRecordTarget = "property_record";
const char* const kActionStringTarget = "action_string";
const char* const kDeviceListTarget = "device_list";
const char* const kSchemeValueTarget = "scheme_value";
const std::wstring kSchemesKey = L"schemes";
// Stamps go at both ends of the file and around the first few block edges of
// the scan, with every count of numbers after the marker.
constexpr size_t kStampOffsetStep = 61;
constexpr size_t kStampOffsets = 12;
constexpr size_t kLongestStampTail = 6;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Files are named by a hash of their bytes, so that repeated seeds collapse.
void writeSeed(const fs::path& output, const std::string& target, const std::string& bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : bytes) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    char name[17];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(hash));
    const auto directory = output / target;
    fs::create_directories(directory);
    std::ofstream(directory / name, std::ios::binary) << bytes;
}

void writeTextSeed(const fs::path& output, const std::string& target, const std::wstring& text) {
    writeSeed(output, target, platform::toUtf8(text));
}

bool isNumberedValue(const std::wstring& name, wchar_t letter) {
    return name.size() > 1 && name[0] == letter && platform::parseDecimal(name.substr(1));
}

// Every value below the key, sent to the target that reads such values.
void seedFromKey(const fs::path& output, platform::Registry& registry, RegistryRoot root,
                 const std::wstring& path) {
    auto key = registry.open(root, path);
    const auto lowerPath = platform::toLower(path);
    const bool schemes = lowerPath.size() >= kSchemesKey.size() &&
                         lowerPath.compare(lowerPath.size() - kSchemesKey.size(),
                                           std::wstring::npos, kSchemesKey) == 0;
    for (const auto& name : key->valueNames()) {
        const auto value = key->readValue(name)->text();
        if (isNumberedValue(name, L'P')) {
            writeTextSeed(output, kPropertyRecordTarget,
                          platform::part(value, setup::kDeviceKeyLength));
        } else if (isNumberedValue(name, L'A')) {
            writeTextSeed(output, kActionStringTarget, value);
        } else if (name == L"MiceFound") {
            writeTextSeed(output, kDeviceListTarget,
                          value + L"\n" + key->readString(L"UserDefined"));
        } else if (schemes) {
            writeTextSeed(output, kSchemeValueTarget, value);
        }
    }
    for (const auto& subkey : key->subkeyNames()) {
        seedFromKey(output, registry, root, path.empty() ? subkey : path + L"\\" + subkey);
    }
}

void seedFromRegFile(const fs::path& output, const fs::path& file) {
    const auto bytes = readFile(file);
    const auto text = platform::decodeRegFile(bytes);
    writeSeed(output, kRegFileTarget, bytes);
    // The fixtures are plain text; regedit writes UTF-16.
    writeSeed(output, kRegFileTarget, platform::encodeRegFile(text, platform::RegFormat::Regedit5));
    platform::MemoryRegistry registry;
    platform::importRegText(registry, text);
    for (const auto root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
        seedFromKey(output, registry, root, L"");
    }
}

// The escape after a backslash in a C++ literal; enough of them for test texts.
wchar_t unescaped(const std::wstring& source, size_t& pos) {
    const wchar_t c = source[pos++];
    switch (c) {
        case L'n':
            return L'\n';
        case L'r':
            return L'\r';
        case L't':
            return L'\t';
        case L'0':
            return L'\0';
        case L'u':
        case L'x': {
            size_t end = pos;
            while (end < source.size() && end - pos < 4 &&
                   platform::parseHex(source.substr(end, 1))) {
                ++end;
            }
            const auto code = platform::parseHex(source.substr(pos, end - pos));
            pos = end;
            return static_cast<wchar_t>(code.value_or(L'?'));
        }
        default:
            return c;
    }
}

// The string literals of a source file, adjacent ones joined as the compiler
// joins them.
std::vector<std::wstring> literals(const std::wstring& source) {
    std::vector<std::wstring> found;
    bool joinNext = false;
    for (size_t pos = 0; pos < source.size();) {
        if (source[pos] != L'"') {
            if (source[pos] != L' ' && source[pos] != L'\n' && source[pos] != L'L') {
                joinNext = false;
            }
            ++pos;
            continue;
        }
        std::wstring text;
        for (++pos; pos < source.size() && source[pos] != L'"' && source[pos] != L'\n';) {
            if (source[pos] == L'\\' && pos + 1 < source.size()) {
                ++pos;
                text += unescaped(source, pos);
            } else {
                text += source[pos++];
            }
        }
        ++pos;
        if (joinNext) {
            found.back() += text;
        } else {
            found.push_back(text);
        }
        joinNext = true;
    }
    return found;
}

void seedFromLiterals(const fs::path& output, const std::string& target, const fs::path& file) {
    for (const auto& text : literals(platform::fromUtf8(readFile(file)))) {
        writeTextSeed(output, target, text);
    }
}

void seedStamps(const fs::path& output, const std::string& target, const fs::path& file) {
    const auto carrier = readFile(file);
    const std::string marker(reinterpret_cast<const char*>(setup::kProgramVersionStamp),
                             setup::kStampMarkerLength);
    for (size_t tail = 0; tail <= kLongestStampTail; ++tail) {
        const std::string stamp = marker + std::string(tail, '\x07');
        for (size_t i = 0; i < kStampOffsets; ++i) {
            const size_t offset = std::min(i * kStampOffsetStep, carrier.size());
            writeSeed(output, target, carrier.substr(0, offset) + stamp);
            writeSeed(output, target, carrier.substr(0, offset) + stamp + carrier.substr(offset));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: seed_corpus <output directory> <command>...\n");
        return 2;
    }
    const fs::path output = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    try {
        for (size_t i = 0; i < args.size();) {
            const auto& command = args[i];
            if (command == "reg" && i + 1 < args.size()) {
                seedFromRegFile(output, args[i + 1]);
                i += 2;
            } else if (command == "literals" && i + 2 < args.size()) {
                seedFromLiterals(output, args[i + 1], args[i + 2]);
                i += 3;
            } else if (command == "copy" && i + 2 < args.size()) {
                writeSeed(output, args[i + 1], readFile(args[i + 2]));
                i += 3;
            } else if (command == "stamps" && i + 2 < args.size()) {
                seedStamps(output, args[i + 1], args[i + 2]);
                i += 3;
            } else {
                std::fprintf(stderr, "seed_corpus: bad command '%s'\n", command.c_str());
                return 2;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "seed_corpus: %s\n", error.what());
        return 1;
    }
    return 0;
}
