#include "platform/memory/memory_registry.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/text.h"

namespace platform {

struct MemoryRegistry::Node {
    std::wstring name;
    std::vector<std::pair<std::wstring, RegistryValue>> values;
    std::vector<std::unique_ptr<Node>> children;
    uint64_t lastWrite = 0;

    Node* child(const std::wstring& childName) const {
        const auto folded = toLower(childName);
        for (const auto& c : children) {
            if (toLower(c->name) == folded) {
                return c.get();
            }
        }
        return nullptr;
    }

    std::vector<std::pair<std::wstring, RegistryValue>>::iterator findValue(
        const std::wstring& valueName) {
        const auto folded = toLower(valueName);
        return std::find_if(values.begin(), values.end(),
                            [&](const auto& v) { return toLower(v.first) == folded; });
    }
};

namespace {

std::vector<std::wstring> splitPath(const std::wstring& path) {
    std::vector<std::wstring> parts;
    std::wstring part;
    for (const wchar_t c : path) {
        if (c == L'\\') {
            if (!part.empty()) {
                parts.push_back(part);
            }
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) {
        parts.push_back(part);
    }
    return parts;
}

std::wstring fullPath(RegistryRoot root, const std::wstring& path) {
    std::wstring out = rootName(root);
    for (const auto& part : splitPath(path)) {
        out += L"\\" + part;
    }
    return out;
}

bool isAtOrBelow(const std::wstring& path, const std::wstring& top) {
    const auto lowerPath = toLower(path);
    const auto lowerTop = toLower(top);
    return lowerPath == lowerTop || (lowerPath.size() > lowerTop.size() &&
                                     lowerPath.compare(0, lowerTop.size(), lowerTop) == 0 &&
                                     lowerPath[lowerTop.size()] == L'\\');
}

}  // namespace

class MemoryRegistryKey : public RegistryKey {
public:
    MemoryRegistryKey(MemoryRegistry& owner, RegistryRoot root, std::wstring path)
        : owner_(owner), root_(root), path_(std::move(path)), name_(fullPath(root_, path_)) {}

    bool hasValue(const std::wstring& name) override {
        auto& node = live();
        ++owner_.valueReads_;
        return node.findValue(name) != node.values.end();
    }

    bool deleteValue(const std::wstring& name) override {
        auto& node = live();
        const auto it = node.findValue(name);
        if (it == node.values.end()) {
            return false;
        }
        owner_.beginWrite(name_);
        node.values.erase(it);
        node.lastWrite = owner_.tick();
        owner_.note(L"delete " + name_ + L"\\" + name);
        return true;
    }

    std::vector<std::wstring> valueNames() override {
        std::vector<std::wstring> names;
        for (const auto& v : live().values) {
            names.push_back(v.first);
        }
        return names;
    }

    std::vector<std::wstring> subkeyNames() override {
        std::vector<std::wstring> names;
        for (const auto& c : live().children) {
            names.push_back(c->name);
        }
        return names;
    }

    std::optional<RegistryValue> readValue(const std::wstring& name) override {
        auto& node = live();
        ++owner_.valueReads_;
        const auto it = node.findValue(name);
        if (it == node.values.end()) {
            return std::nullopt;
        }
        return it->second;
    }

    void writeValue(const std::wstring& name, const RegistryValue& value) override {
        auto& node = live();
        owner_.beginWrite(name_);
        const auto it = node.findValue(name);
        if (it == node.values.end()) {
            node.values.emplace_back(name, value);
        } else {
            it->second = value;
        }
        node.lastWrite = owner_.tick();
        owner_.note(L"write " + name_ + L"\\" + name);
    }

    KeyStamp stamp() override {
        const auto& node = live();
        return {node.lastWrite, static_cast<uint32_t>(node.values.size())};
    }

    void close() override {
        live();
        closed_ = true;
        owner_.note(L"close " + name_);
    }

private:
    // The key's node; operations on a closed or deleted key fail as they do on Windows.
    MemoryRegistry::Node& live() {
        if (closed_) {
            throw RegistryError(L"Key " + name_ + L" is closed");
        }
        auto* node = owner_.find(root_, path_);
        if (node == nullptr) {
            throw RegistryError(L"Key " + name_ + L" has been deleted");
        }
        return *node;
    }

    MemoryRegistry& owner_;
    RegistryRoot root_;
    std::wstring path_;
    std::wstring name_;
    bool closed_ = false;
};

MemoryRegistry::MemoryRegistry() {
    for (const auto root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
        roots_[root] = std::make_unique<Node>();
        roots_[root]->name = rootName(root);
    }
}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::Node* MemoryRegistry::find(RegistryRoot root, const std::wstring& path) const {
    Node* node = roots_.at(root).get();
    for (const auto& part : splitPath(path)) {
        node = node->child(part);
        if (node == nullptr) {
            return nullptr;
        }
    }
    return node;
}

void MemoryRegistry::beginWrite(const std::wstring& keyPath) {
    const size_t index = writeCount_++;
    if (refusedWrite_ && *refusedWrite_ == index) {
        refusedWrite_.reset();
        throw RegistryError(L"Failed to write to " + keyPath + L" (refused)");
    }
    for (const auto& readOnly : readOnlyPaths_) {
        if (isAtOrBelow(keyPath, readOnly)) {
            throw RegistryError(L"Failed to write to " + keyPath + L" (access denied)");
        }
    }
}

void MemoryRegistry::checkReadable(RegistryRoot root, const std::wstring& path) const {
    const auto keyPath = fullPath(root, path);
    for (const auto& unreadable : unreadablePaths_) {
        if (isAtOrBelow(keyPath, unreadable)) {
            throw RegistryError(L"Failed to open " + keyPath + L": Access denied");
        }
    }
}

void MemoryRegistry::refuseWrite(size_t n) {
    refusedWrite_ = writeCount_ + n;
}

void MemoryRegistry::makeReadOnly(RegistryRoot root, const std::wstring& path) {
    readOnlyPaths_.push_back(fullPath(root, path));
}

void MemoryRegistry::makeUnreadable(RegistryRoot root, const std::wstring& path) {
    unreadablePaths_.push_back(fullPath(root, path));
}

std::unique_ptr<RegistryKey> MemoryRegistry::open(RegistryRoot root, const std::wstring& path) {
    if (find(root, path) == nullptr) {
        return nullptr;
    }
    checkReadable(root, path);
    return std::make_unique<MemoryRegistryKey>(*this, root, path);
}

std::unique_ptr<RegistryKey> MemoryRegistry::create(RegistryRoot root, const std::wstring& path) {
    checkReadable(root, path);
    Node* node = roots_.at(root).get();
    std::wstring walked = rootName(root);
    for (const auto& part : splitPath(path)) {
        walked += L"\\" + part;
        Node* next = node->child(part);
        if (next == nullptr) {
            beginWrite(walked);
            node->children.push_back(std::make_unique<Node>());
            next = node->children.back().get();
            next->name = part;
            next->lastWrite = tick();
            note(L"create " + walked);
        }
        node = next;
    }
    return std::make_unique<MemoryRegistryKey>(*this, root, path);
}

bool MemoryRegistry::deleteKey(RegistryRoot root, const std::wstring& path) {
    const auto parts = splitPath(path);
    if (parts.empty()) {
        return false;
    }
    std::wstring parentPath;
    for (size_t i = 0; i + 1 < parts.size(); ++i) {
        parentPath += parts[i] + L"\\";
    }
    Node* parent = find(root, parentPath);
    Node* target = parent == nullptr ? nullptr : parent->child(parts.back());
    if (target == nullptr) {
        return false;
    }
    beginWrite(fullPath(root, path));
    auto& siblings = parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(),
                                [&](const auto& c) { return c.get() == target; }));
    note(L"remove " + fullPath(root, path));
    return true;
}

std::optional<std::wstring> MemoryRegistry::value(RegistryRoot root, const std::wstring& path,
                                                  const std::wstring& name) const {
    Node* node = find(root, path);
    if (node == nullptr) {
        return std::nullopt;
    }
    const auto it = node->findValue(name);
    if (it == node->values.end()) {
        return std::nullopt;
    }
    return it->second.text();
}

}  // namespace platform
