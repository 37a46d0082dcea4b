#pragma once

#include <cstdint>

#include "platform/modules.h"

// The driver utility library and its one entry, through which the program tells
// the driver to reread its settings from the registry.
namespace setup {

inline constexpr wchar_t kDriverLibrary[] = L"orvdll.dll";
inline constexpr char kSendUtilMessage[] = "SendUtilMessage";

// The entry as the driver's library exports it: two 32-bit integers removed
// from the stack by the caller (the C calling convention, the compiler's default
// for a plain function type), a 32-bit result.
using SendUtilMessageFunction = std::int32_t(std::int32_t, std::int32_t);

class DriverLink {
public:
    explicit DriverLink(platform::Modules& modules) : modules_(modules) {}
    DriverLink(const DriverLink&) = delete;
    DriverLink& operator=(const DriverLink&) = delete;

    // Loads the library, then looks up the entry (also when the load failed, so
    // both failures come to light). Returns whether the entry was found.
    bool bind();
    bool libraryLoaded() const { return library_ != platform::kNoModule; }
    bool entryFound() const { return sendUtilMessage_ != nullptr; }

    // SendUtilMessage(1, 137): the driver rereads its settings. Called only after
    // the registry key written is closed; nothing is waited for or checked. Does
    // nothing while the library is not bound.
    void notifyDriver();

    // Gives the library back; the link is unbound afterwards.
    void release();

private:
    platform::Modules& modules_;
    platform::ModuleHandle library_ = platform::kNoModule;
    SendUtilMessageFunction* sendUtilMessage_ = nullptr;
};

}  // namespace setup
