#include "platform/memory/memory_file_system.h"

#include <algorithm>
#include <cstring>

#include "platform/errors.h"
#include "platform/text.h"

namespace platform {

struct MemoryFileSystem::Node {
    std::wstring name;
    bool isDirectory = true;
    bool locked = false;
    std::string bytes;
    std::vector<std::unique_ptr<Node>> children;

    Node* child(const std::wstring& wanted) const {
        const auto lowered = toLower(wanted);
        for (const auto& c : children) {
            if (toLower(c->name) == lowered) {
                return c.get();
            }
        }
        return nullptr;
    }
};

namespace {

bool isSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool isDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// The drive ("C:") and the names below it; nothing for a path without a drive.
std::optional<std::vector<std::wstring>> splitPath(const std::wstring& path) {
    if (path.size() < 2 || !isDriveLetter(path[0]) || path[1] != L':' ||
        (path.size() > 2 && !isSeparator(path[2]))) {
        return std::nullopt;
    }
    std::vector<std::wstring> parts{toUpper(path.substr(0, 2))};
    std::wstring part;
    const auto endPart = [&] {
        if (part == L"..") {
            if (parts.size() > 1) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != L".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (size_t i = 2; i < path.size(); ++i) {
        if (isSeparator(path[i])) {
            endPart();
        } else {
            part += path[i];
        }
    }
    endPart();
    return parts;
}

class MemoryByteReader : public ByteReader {
public:
    explicit MemoryByteReader(std::string bytes) : bytes_(std::move(bytes)) {}

    size_t read(uint8_t* buffer, size_t size) override {
        const size_t count = std::min(size, bytes_.size() - position_);
        std::memcpy(buffer, bytes_.data() + position_, count);
        position_ += count;
        return count;
    }

private:
    std::string bytes_;  // a snapshot: later changes to the file do not show
    size_t position_ = 0;
};

}  // namespace

MemoryFileSystem::MemoryFileSystem() : root_(std::make_unique<Node>()) {}

MemoryFileSystem::~MemoryFileSystem() = default;

MemoryFileSystem::Node* MemoryFileSystem::find(const std::wstring& path) const {
    const auto parts = splitPath(path);
    return parts ? find(*parts) : nullptr;
}

MemoryFileSystem::Node* MemoryFileSystem::find(const std::vector<std::wstring>& parts) const {
    Node* node = root_.get();
    for (const auto& part : parts) {
        node = node->isDirectory ? node->child(part) : nullptr;
        if (node == nullptr) {
            return nullptr;
        }
    }
    return node;
}

MemoryFileSystem::Node& MemoryFileSystem::makeDirectories(const std::vector<std::wstring>& parts) {
    Node* node = root_.get();
    for (const auto& part : parts) {
        Node* next = node->child(part);
        if (next == nullptr) {
            node->children.push_back(std::make_unique<Node>());
            next = node->children.back().get();
            next->name = part;
        } else if (!next->isDirectory) {
            throw Error(L"A file is in the way of the directory " + part);
        }
        node = next;
    }
    return *node;
}

void MemoryFileSystem::addDirectory(const std::wstring& path) {
    const auto parts = splitPath(path);
    if (!parts) {
        throw Error(L"Not an absolute path: " + path);
    }
    makeDirectories(*parts);
}

void MemoryFileSystem::addFile(const std::wstring& path, std::string bytes) {
    auto parts = splitPath(path);
    if (!parts || parts->size() < 2) {
        throw Error(L"Not a file path: " + path);
    }
    const auto name = parts->back();
    parts->pop_back();
    Node& directory = makeDirectories(*parts);
    Node* file = directory.child(name);
    if (file == nullptr) {
        directory.children.push_back(std::make_unique<Node>());
        file = directory.children.back().get();
        file->name = name;
        file->isDirectory = false;
    } else if (file->isDirectory) {
        throw Error(L"A directory is in the way of the file " + path);
    }
    file->bytes = std::move(bytes);
}

bool MemoryFileSystem::remove(const std::wstring& path) {
    Node* target = find(path);
    if (target == nullptr || target == root_.get()) {
        return false;
    }
    auto parts = *splitPath(path);
    parts.pop_back();
    Node* parent = find(parts);
    auto& siblings = parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                [&](const auto& c) { return c.get() == target; }));
    return true;
}

void MemoryFileSystem::lockFile(const std::wstring& path) {
    Node* file = find(path);
    if (file == nullptr || file->isDirectory) {
        throw Error(L"No such file to lock: " + path);
    }
    file->locked = true;
}

std::vector<std::wstring> MemoryFileSystem::drives() {
    std::vector<std::wstring> roots;
    for (const auto& drive : root_->children) {
        roots.push_back(drive->name + L"\\");
    }
    std::sort(roots.begin(), roots.end());
    return roots;
}

bool MemoryFileSystem::directoryExists(const std::wstring& path) {
    const Node* node = find(path);
    return node != nullptr && node->isDirectory;
}

bool MemoryFileSystem::fileExists(const std::wstring& path) {
    const Node* node = find(path);
    return node != nullptr && !node->isDirectory;
}

std::vector<std::wstring> MemoryFileSystem::childNames(const std::wstring& directory,
                                                       bool directories) const {
    std::vector<std::wstring> names;
    const Node* node = find(directory);
    if (node == nullptr || !node->isDirectory) {
        return names;
    }
    for (const auto& c : node->children) {
        if (c->isDirectory == directories) {
            names.push_back(c->name);
        }
    }
    sortNamesWithoutCase(names);
    return names;
}

std::vector<std::wstring> MemoryFileSystem::subdirectories(const std::wstring& directory) {
    return childNames(directory, true);
}

std::vector<std::wstring> MemoryFileSystem::files(const std::wstring& directory) {
    return childNames(directory, false);
}

std::unique_ptr<ByteReader> MemoryFileSystem::openRead(const std::wstring& path) {
    ++openCount_;
    const Node* node = find(path);
    if (node == nullptr || node->isDirectory || node->locked) {
        return nullptr;
    }
    return std::make_unique<MemoryByteReader>(node->bytes);
}

}  // namespace platform
