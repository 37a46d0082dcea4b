#pragma once

// Lets a test see, or answer, the calls a module makes into a system library:
// the module's import table slot for one function is pointed at the test's own
// function for as long as the patch lives. Only that module's calls are
// affected, so a test can watch code it loaded or linked without touching the
// system library itself.

#include <windows.h>

#include <cstring>

namespace uidriver {

class ImportPatch {
public:
    ImportPatch(HMODULE module, const char* library, const char* function, const void* replacement)
        : slot_(findSlot(module, library, function)) {
        if (slot_ != nullptr) {
            original_ = *slot_;
            write(const_cast<void*>(replacement));
        }
    }
    ~ImportPatch() {
        if (slot_ != nullptr) {
            write(original_);
        }
    }
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    // False when the module does not import the function by name.
    bool applied() const { return slot_ != nullptr; }

private:
    template <typename T>
    static T* at(HMODULE module, DWORD offset) {
        return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
    }

    static void** findSlot(HMODULE module, const char* library, const char* function) {
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
        const auto* headers = at<const IMAGE_NT_HEADERS>(module, dos->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports =
            headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        if (imports.Size == 0) {
            return nullptr;
        }
        for (auto* entry = at<const IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress);
             entry->Name != 0; ++entry) {
            if (_stricmp(at<const char>(module, entry->Name), library) != 0) {
                continue;
            }
            auto* name = at<const IMAGE_THUNK_DATA>(module, entry->OriginalFirstThunk);
            auto* address = at<IMAGE_THUNK_DATA>(module, entry->FirstThunk);
            for (; name->u1.AddressOfData != 0; ++name, ++address) {
                if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) {
                    continue;
                }
                const auto* byName = at<const IMAGE_IMPORT_BY_NAME>(
                    module, static_cast<DWORD>(name->u1.AddressOfData));
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                    return reinterpret_cast<void**>(&address->u1.Function);
                }
            }
        }
        return nullptr;
    }

    void write(void* value) {
        DWORD previous = 0;
        VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &previous);
        *slot_ = value;
        VirtualProtect(slot_, sizeof *slot_, previous, &previous);
    }

    void** slot_;
    void* original_ = nullptr;
};

}  // namespace uidriver
