#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

enum class RegistryRoot { LocalMachine, CurrentUser };

// Value types as the registry numbers them.
enum RegistryType : uint32_t {
    kRegNone = 0,
    kRegString = 1,
    kRegExpandString = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiString = 7,
    kRegQword = 11,
};

// A value in the form the registry keeps it: its type and its bytes (strings as
// UTF-16LE with the terminating zero).
struct RegistryValue {
    uint32_t type = kRegNone;
    std::vector<uint8_t> data;

    // A string value; type may also be kRegExpandString, whose text keeps its
    // %NAME% references unexpanded.
    static RegistryValue ofString(const std::wstring& text, uint32_t type = kRegString);
    // The text of a string value, without its terminating zero.
    std::wstring text() const;
    bool operator==(const RegistryValue& other) const {
        return type == other.type && data == other.data;
    }
};

// What a key looks like from outside, read in one call: the time of its last
// write as the registry keeps it, and how many values it holds. Two stamps of
// one key differ when a value was written or deleted in it between them, by
// whichever program. The count is there for clocks coarser than the writes:
// a value added or removed within one tick still shows.
struct KeyStamp {
    uint64_t lastWrite = 0;
    uint32_t valueCount = 0;
    bool operator==(const KeyStamp& other) const {
        return lastWrite == other.lastWrite && valueCount == other.valueCount;
    }
    bool operator!=(const KeyStamp& other) const { return !(*this == other); }
};

// One open key. Every refused operation raises RegistryError; nothing fails quietly.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // A missing value reads as the empty text; a value of another type is an error.
    std::wstring readString(const std::wstring& name);
    // The same read keeping the value's type (kRegString or kRegExpandString);
    // nullopt when the value is missing.
    std::optional<RegistryValue> readStringValue(const std::wstring& name);
    void writeString(const std::wstring& name, const std::wstring& value);
    virtual bool hasValue(const std::wstring& name) = 0;
    // Returns false when there was no such value.
    virtual bool deleteValue(const std::wstring& name) = 0;
    virtual std::vector<std::wstring> valueNames() = 0;
    virtual std::vector<std::wstring> subkeyNames() = 0;

    virtual std::optional<RegistryValue> readValue(const std::wstring& name) = 0;
    virtual void writeValue(const std::wstring& name, const RegistryValue& value) = 0;
    // The key's stamp now; reads no value.
    virtual KeyStamp stamp() = 0;

    // Flushes the key's writes to the store when anything was written or
    // deleted through it, then closes it. Destroying an open key closes it
    // without the flush.
    virtual void close() = 0;
};

class Registry {
public:
    virtual ~Registry() = default;

    // The key, or nullptr when it does not exist.
    virtual std::unique_ptr<RegistryKey> open(RegistryRoot root, const std::wstring& path) = 0;
    // The key, created with any missing parents first.
    virtual std::unique_ptr<RegistryKey> create(RegistryRoot root, const std::wstring& path) = 0;
    // Deletes the key with everything below it; false when it did not exist.
    virtual bool deleteKey(RegistryRoot root, const std::wstring& path) = 0;
};

std::wstring rootName(RegistryRoot root);
std::optional<RegistryRoot> rootFromName(const std::wstring& name);

}  // namespace platform
