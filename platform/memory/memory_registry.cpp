#include "platform/memory/memory_registry.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/text.h"

namespace platform {

// Keys and values are found by their case-folded names; each remembers when it
// was added so that listings keep that order.
struct MemoryRegistry::Node {
    struct Value {
        std::wstring name;
        RegistryValue value;
        uint64_t order = 0;
    };

    std::wstring name;
    uint64_t order = 0;
    std::map<std::wstring, Value> values;
    std::map<std::wstring, std::unique_ptr<Node>> children;
    uint64_t added = 0;
    uint64_t lastWrite = 0;

    Node* child(const std::wstring& childName) const {
        const auto it = children.find(toLower(childName));
        return it == children.end() ? nullptr : it->second.get();
    }

    Value* findValue(const std::wstring& valueName) {
        const auto it = values.find(toLower(valueName));
        return it == values.end() ? nullptr : &it->second;
    }

    void setValue(const std::wstring& valueName, const RegistryValue& value) {
        auto& slot = values[toLower(valueName)];
        if (slot.order == 0) {
            slot = {valueName, value, ++added};
        } else {
            slot.value = value;
        }
    }

    Node& addChild(const std::wstring& childName) {
        auto& slot = children[toLower(childName)];
        slot = std::make_unique<Node>();
        slot->name = childName;
        slot->order = ++added;
        return *slot;
    }

    // Names in the order they were added.
    template <typename Map, typename Name>
    static std::vector<std::wstring> inOrder(const Map& map, Name name) {
        std::vector<std::pair<uint64_t, std::wstring>> ordered;
        for (const auto& entry : map) {
            ordered.push_back(name(entry.second));
        }
        std::sort(ordered.begin(), ordered.end());
        std::vector<std::wstring> names;
        for (auto& entry : ordered) {
            names.push_back(std::move(entry.second));
        }
        return names;
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
        return node.findValue(name) != nullptr;
    }

    bool deleteValue(const std::wstring& name) override {
        auto& node = live();
        if (node.findValue(name) == nullptr) {
            return false;
        }
        owner_.beginWrite(name_);
        node.values.erase(toLower(name));
        node.lastWrite = owner_.tick();
        owner_.note(L"delete " + name_ + L"\\" + name);
        return true;
    }

    std::vector<std::wstring> valueNames() override {
        return MemoryRegistry::Node::inOrder(live().values, [](const auto& value) {
            return std::make_pair(value.order, value.name);
        });
    }

    std::vector<std::wstring> subkeyNames() override {
        return MemoryRegistry::Node::inOrder(live().children, [](const auto& child) {
            return std::make_pair(child->order, child->name);
        });
    }

    std::optional<RegistryValue> readValue(const std::wstring& name) override {
        auto& node = live();
        ++owner_.valueReads_;
        const auto* found = node.findValue(name);
        if (found == nullptr) {
            return std::nullopt;
        }
        return found->value;
    }

    void writeValue(const std::wstring& name, const RegistryValue& value) override {
        auto& node = live();
        owner_.beginWrite(name_);
        node.setValue(name, value);
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
            next = &node->addChild(part);
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
    parent->children.erase(toLower(parts.back()));
    note(L"remove " + fullPath(root, path));
    return true;
}

std::optional<std::wstring> MemoryRegistry::value(RegistryRoot root, const std::wstring& path,
                                                  const std::wstring& name) const {
    Node* node = find(root, path);
    if (node == nullptr) {
        return std::nullopt;
    }
    const auto* found = node->findValue(name);
    if (found == nullptr) {
        return std::nullopt;
    }
    return found->value.text();
}

}  // namespace platform
