#pragma once

#include <optional>
#include <string>

#include "platform/registry.h"

namespace setup {

// Where the record of the setup last loaded or stored is, with the stamp the
// Properties key had right after that scan or write. While the key keeps that
// stamp nothing has written to it since, so the record is still at that
// number and the next write of the same setup needs no scan. Any other writer
// (the registry editor, the support tool, the driver, or this program's own
// other changes to the store) moves the stamp, and the next write scans again.
class KnownRecordSlot {
public:
    // The record number of deviceKey and application ("GENERAL" for all
    // applications) when it was the one remembered and the key's stamp is
    // still the one it had then.
    std::optional<int> numberFor(const std::wstring& deviceKey, const std::wstring& application,
                                 const platform::KeyStamp& stampNow) const;
    void remember(const std::wstring& deviceKey, const std::wstring& application, int number,
                  const platform::KeyStamp& stampAfter);

private:
    struct Slot {
        std::wstring deviceKey;
        std::wstring application;
        int number = 0;
        platform::KeyStamp stamp;
    };
    std::optional<Slot> slot_;
};

}  // namespace setup
