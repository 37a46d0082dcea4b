#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace platform {

// The registry held in memory, for tests and for reading exported files. Names
// compare without regard to case, as in the real registry; values keep the order
// in which they were first written.
//
// Every change (a value written or deleted, a key created or deleted) counts as
// one write. refuseWrite(n) makes the n-th write from now fail with RegistryError
// and change nothing, so that tests can check what a refused write leaves behind.
// A key's stamp is a clock that moves on every change made in it.
class MemoryRegistry : public Registry {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;

    std::unique_ptr<RegistryKey> open(RegistryRoot root, const std::wstring& path) override;
    std::unique_ptr<RegistryKey> create(RegistryRoot root, const std::wstring& path) override;
    bool deleteKey(RegistryRoot root, const std::wstring& path) override;

    // Values read so far (readValue and hasValue), through any key.
    size_t valueReads() const { return valueReads_; }
    // Writes attempted so far, refused ones included.
    size_t writeCount() const { return writeCount_; }
    // Refuses the write that is the n-th from now (0 = the next one).
    void refuseWrite(size_t n);
    // Makes every write to keys at or below path fail, as for a read-only key.
    void makeReadOnly(RegistryRoot root, const std::wstring& path);
    // Makes opening or creating keys at or below path fail, as for a key the
    // user may not read: the key exists, yet nothing in it can be reached.
    void makeUnreadable(RegistryRoot root, const std::wstring& path);

    // What happened, one line per change or close: "write <key>\<value>",
    // "delete <key>\<value>", "create <key>", "remove <key>", "close <key>".
    const std::vector<std::wstring>& journal() const { return journal_; }
    void clearJournal() { journal_.clear(); }
    // Whether changes are journalled (they are from the start); a registry
    // filled from a large file has no use for a journal as long as the file.
    void setJournalling(bool on) { journalling_ = on; }

    // Convenience for tests: the text of a value, nullopt when the key or the
    // value is missing.
    std::optional<std::wstring> value(RegistryRoot root, const std::wstring& path,
                                      const std::wstring& name) const;

    struct Node;

private:
    friend class MemoryRegistryKey;

    Node* find(RegistryRoot root, const std::wstring& path) const;
    // Counts one write and raises RegistryError when it is the refused one or the
    // key lies under a read-only path.
    void beginWrite(const std::wstring& fullPath);
    void note(const std::wstring& line) {
        if (journalling_) {
            journal_.push_back(line);
        }
    }
    // The next reading of the clock that stamps changed keys.
    uint64_t tick() { return ++clock_; }
    // Raises RegistryError when the key lies under an unreadable path.
    void checkReadable(RegistryRoot root, const std::wstring& path) const;

    std::map<RegistryRoot, std::unique_ptr<Node>> roots_;
    size_t writeCount_ = 0;
    size_t valueReads_ = 0;
    uint64_t clock_ = 0;
    std::optional<size_t> refusedWrite_;
    std::vector<std::wstring> readOnlyPaths_;
    std::vector<std::wstring> unreadablePaths_;
    std::vector<std::wstring> journal_;
    bool journalling_ = true;
};

}  // namespace platform
