#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Reads a file's bytes front to back.
class ByteReader {
public:
    virtual ~ByteReader() = default;
    // Fills up to size bytes; returns how many were read, 0 at the end of the file.
    virtual size_t read(uint8_t* buffer, size_t size) = 0;
};

// The disks as the program sees them: Windows paths ("C:\Windows\Cursors"),
// names compared without regard to case.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Root directories of the drives, "C:\" first, in drive-letter order.
    virtual std::vector<std::wstring> drives() = 0;
    virtual bool directoryExists(const std::wstring& path) = 0;
    virtual bool fileExists(const std::wstring& path) = 0;
    // Names (not paths) of the subdirectories and of the plain files of a
    // directory, sorted without regard to case; "." and ".." are left out.
    virtual std::vector<std::wstring> subdirectories(const std::wstring& directory) = 0;
    virtual std::vector<std::wstring> files(const std::wstring& directory) = 0;
    // nullptr when the file cannot be opened.
    virtual std::unique_ptr<ByteReader> openRead(const std::wstring& path) = 0;
};

// The whole file, or nothing when it cannot be opened. For small files only.
std::optional<std::string> readWholeFile(FileSystem& files, const std::wstring& path);

// directory + "\" + name, without doubling a separator the directory ends with.
std::wstring joinPath(const std::wstring& directory, const std::wstring& name);

// Orders names as the listings do: without regard to case, and names that differ
// only in case in a fixed order, so that every listing comes out the same.
void sortNamesWithoutCase(std::vector<std::wstring>& names);

}  // namespace platform
