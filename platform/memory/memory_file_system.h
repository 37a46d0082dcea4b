#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace platform {

// Disks held in memory, filled by tests. Paths are absolute Windows paths ("C:\a\b");
// "\" and "/" both separate, doubled separators and "." count for nothing, ".."
// goes up, and names compare without regard to case but keep the case they were
// made with. A drive exists once something was made on it.
class MemoryFileSystem : public FileSystem {
public:
    MemoryFileSystem();
    ~MemoryFileSystem() override;

    // Makes the directory and every missing parent (the drive too).
    void addDirectory(const std::wstring& path);
    // Makes or replaces the file, with every missing parent directory.
    void addFile(const std::wstring& path, std::string bytes);
    // Removes a file, or a directory with everything below it; false when there was none.
    bool remove(const std::wstring& path);
    // The file stays listed but refuses to open, as one that another program holds locked.
    void lockFile(const std::wstring& path);
    // How often files were opened for reading, successfully or not.
    size_t openCount() const { return openCount_; }

    std::vector<std::wstring> drives() override;
    bool directoryExists(const std::wstring& path) override;
    bool fileExists(const std::wstring& path) override;
    std::vector<std::wstring> subdirectories(const std::wstring& directory) override;
    std::vector<std::wstring> files(const std::wstring& directory) override;
    std::unique_ptr<ByteReader> openRead(const std::wstring& path) override;

    struct Node;

private:
    Node* find(const std::wstring& path) const;
    // The node at the drive and names of a split path; the root for none.
    Node* find(const std::vector<std::wstring>& parts) const;
    // The directory at path, made when missing; throws when a file is in the way.
    Node& makeDirectories(const std::vector<std::wstring>& parts);
    std::vector<std::wstring> childNames(const std::wstring& directory, bool directories) const;

    std::unique_ptr<Node> root_;
    size_t openCount_ = 0;
};

}  // namespace platform
