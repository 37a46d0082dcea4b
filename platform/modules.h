#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A loaded library (an HMODULE on Windows). 0 is none.
using ModuleHandle = std::uintptr_t;
inline constexpr ModuleHandle kNoModule = 0;

// The address of an exported function; the caller knows its real signature.
using EntryPoint = void (*)();

// Libraries loaded at run time by name, as LoadLibrary does: loading one that is
// already loaded gives the same handle and needs one more release.
class Modules {
public:
    virtual ~Modules() = default;

    // kNoModule when the library cannot be found or loaded.
    virtual ModuleHandle load(const std::wstring& name) = 0;
    // The exported entry of that exact name; nullptr when there is none or module is
    // kNoModule.
    virtual EntryPoint entry(ModuleHandle module, const std::string& name) = 0;
    // Gives up one load; kNoModule is ignored.
    virtual void release(ModuleHandle module) = 0;
};

// entry() as a pointer to the function type the caller expects.
template <typename Function>
Function* entryAs(Modules& modules, ModuleHandle module, const std::string& name) {
    return reinterpret_cast<Function*>(modules.entry(module, name));
}

}  // namespace platform
