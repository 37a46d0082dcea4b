#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/modules.h"

namespace platform {

// Libraries for tests: each is registered under a name (compared without regard to
// case, ".dll" added to a name without an extension, as LoadLibrary does) with
// entries that are real functions of the test, so that calls through them run
// test code. Loads and releases are counted and journalled; releasing a library
// that is not loaded is recorded in faults().
class MemoryModules : public Modules {
public:
    class Library {
    public:
        // Makes function callable as the entry name (names compare with case).
        template <typename Function>
        Library& addEntry(const std::string& name, Function* function) {
            entries_[name] = reinterpret_cast<EntryPoint>(function);
            return *this;
        }

    private:
        friend class MemoryModules;
        std::wstring name_;
        std::map<std::string, EntryPoint> entries_;
        int loads_ = 0;
    };

    MemoryModules();
    ~MemoryModules() override;

    // Makes a library loadable; adding the same name again gives the same library.
    Library& addLibrary(const std::wstring& name);

    ModuleHandle load(const std::wstring& name) override;
    EntryPoint entry(ModuleHandle module, const std::string& name) override;
    void release(ModuleHandle module) override;

    // Loads not yet released, for the library of that name.
    int loadCount(const std::wstring& name) const;
    // "load <name>", "load failed <name>", "release <name>", in the order they happened.
    const std::vector<std::wstring>& journal() const { return journal_; }
    const std::vector<std::wstring>& faults() const { return faults_; }

private:
    Library* find(const std::wstring& name) const;
    Library* loaded(ModuleHandle module) const;

    std::vector<std::unique_ptr<Library>> libraries_;
    std::vector<std::wstring> journal_;
    std::vector<std::wstring> faults_;
};

}  // namespace platform
