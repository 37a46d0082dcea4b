#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

// Changing a store's records: profiles of one device taken out and merged in,
// and records put back to their defaults.
namespace orvctl {

struct Setup {
    int deviceCode = 0;
    int portNumber = 0;
    std::wstring application;
    std::wstring record;  // without the device key
    std::wstring actions;
};

// A device key as people type it: three hex digits of device code, three
// decimal digits of port ("b05001"); nullopt when the text is not one.
struct DeviceId {
    int deviceCode = 0;
    int portNumber = 0;
};
std::optional<DeviceId> parseDeviceKey(const std::wstring& text);

// The device's setups in number order up to the end of the numbering; only the
// named applications' when names are given. Raises platform::Error when the
// device has no record, a named application has none, or a record or action
// string is unsound.
std::vector<Setup> collectSetups(platform::Registry& registry, const DeviceId& device,
                                 const std::vector<std::wstring>& applications);

// Merges setups into the store, each for its own device or for the one given:
// a setup whose device and application have a record replaces its P and A values
// in place; the others are added after the last record (A before P), GENERAL
// first. Everything is checked before the first write; a refused write puts
// every value back and raises platform::RegistryError. Returns one line per
// record written. The key is closed with a flush.
std::vector<std::wstring> importSetups(platform::Registry& registry, std::vector<Setup> setups,
                                       const std::optional<DeviceId>& device);

// Puts the record the setup program writes on first use and an empty action
// string in place of the device's record for the application ("" for GENERAL).
// Returns the value name reset; raises platform::Error when there is no such
// record.
std::wstring resetSetup(platform::Registry& registry, const DeviceId& device,
                        const std::wstring& application);

}  // namespace orvctl
