#include "platform/memory/memory_modules.h"

#include <algorithm>

#include "platform/text.h"

namespace platform {
namespace {

// The name LoadLibrary looks for: ".dll" is added when the file name has no extension.
std::wstring canonicalName(const std::wstring& name) {
    const size_t lastSeparator = name.find_last_of(L"\\/");
    const size_t fileStart = lastSeparator == std::wstring::npos ? 0 : lastSeparator + 1;
    const bool hasExtension = name.find(L'.', fileStart) != std::wstring::npos;
    return toLower(hasExtension ? name : name + L".dll");
}

}  // namespace

MemoryModules::MemoryModules() = default;
MemoryModules::~MemoryModules() = default;

MemoryModules::Library* MemoryModules::find(const std::wstring& name) const {
    const auto wanted = canonicalName(name);
    for (const auto& library : libraries_) {
        if (canonicalName(library->name_) == wanted) {
            return library.get();
        }
    }
    return nullptr;
}

// Handles are the library's position plus one, valid while it is loaded.
MemoryModules::Library* MemoryModules::loaded(ModuleHandle module) const {
    if (module == kNoModule || module > libraries_.size()) {
        return nullptr;
    }
    Library* library = libraries_[module - 1].get();
    return library->loads_ > 0 ? library : nullptr;
}

MemoryModules::Library& MemoryModules::addLibrary(const std::wstring& name) {
    if (Library* existing = find(name)) {
        return *existing;
    }
    libraries_.push_back(std::make_unique<Library>());
    libraries_.back()->name_ = name;
    return *libraries_.back();
}

ModuleHandle MemoryModules::load(const std::wstring& name) {
    const Library* library = find(name);
    const auto position = std::find_if(libraries_.begin(), libraries_.end(),
                                       [&](const auto& l) { return l.get() == library; });
    if (library == nullptr) {
        journal_.push_back(L"load failed " + name);
        return kNoModule;
    }
    ++(*position)->loads_;
    journal_.push_back(L"load " + name);
    return static_cast<ModuleHandle>(position - libraries_.begin()) + 1;
}

EntryPoint MemoryModules::entry(ModuleHandle module, const std::string& name) {
    const Library* library = loaded(module);
    if (library == nullptr) {
        return nullptr;
    }
    const auto it = library->entries_.find(name);
    return it == library->entries_.end() ? nullptr : it->second;
}

void MemoryModules::release(ModuleHandle module) {
    if (module == kNoModule) {
        return;
    }
    Library* library = loaded(module);
    if (library == nullptr) {
        faults_.push_back(L"released module " + std::to_wstring(module) + L", which is not loaded");
        return;
    }
    --library->loads_;
    journal_.push_back(L"release " + library->name_);
}

int MemoryModules::loadCount(const std::wstring& name) const {
    const Library* library = find(name);
    return library == nullptr ? 0 : library->loads_;
}

}  // namespace platform
