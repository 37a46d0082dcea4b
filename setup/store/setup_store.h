#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"
#include "setup/device_list.h"
#include "setup/store/known_record_slot.h"
#include "setup/store/record_store.h"

// Finding, creating and writing the record of one device and application: the
// registry side of loading a setup, the live update and Apply.
namespace setup {

struct LoadedRecord {
    std::wstring recordText;  // the record without its device key
    std::wstring actionText;
    // The device's records found by the scan, in number order.
    std::vector<StoredRecord> deviceRecords;
};

// The record an empty store gets for a device on first use: the two-button
// default for two buttons or fewer, else the four-button one.
std::wstring firstUseRecord(int buttonCount);
// A named application's first record: the four-button default under its name.
std::wstring namedDefaultRecord(const std::wstring& name);

// The record of device for applicationName ("" means "GENERAL"), created when
// the device or the application has none yet:
// - an empty store gets P001 with the device's default record (the two-button
//   one for two buttons or fewer) and an empty A001, and that record is edited;
// - a missing "GENERAL" record is made from the four-button default;
// - a missing named application's record is the four-button default under that
//   name.
// New records go under the first free number, their A value first
// (storeNewRecord). Of several records of the device and application, the
// highest numbered is the one edited; a record that repeats the one before it
// exactly (settings and actions) is removed first. The key is closed with its writes
// flushed; a missing Properties key raises RegistryError.
// known remembers the record's number for the writes that follow.
LoadedRecord loadDeviceRecord(platform::Registry& registry, const MouseInfo& device,
                              const std::wstring& applicationName, KnownRecordSlot& known);
LoadedRecord loadDeviceRecord(platform::Registry& registry, const MouseInfo& device,
                              const std::wstring& applicationName);

// Writes recordText under the P value of the device and application (the
// highest numbered, as the load edits it, or the first free number) and actionText under the A
// value of the same number, then closes the key with the writes flushed: an existing record gets
// its P value first, a new one its A value first (storeNewRecord). Exact repeats are removed first,
// as by the load. Returns the slot written (its number and value name). When known holds the
// record's number and nothing has written to the key since, the record is rewritten there without a
// scan; known then remembers the number written.
RecordSlot storeDeviceRecord(platform::Registry& registry, const MouseInfo& device,
                             const std::wstring& applicationName, const std::wstring& recordText,
                             const std::wstring& actionText, KnownRecordSlot& known);
RecordSlot storeDeviceRecord(platform::Registry& registry, const MouseInfo& device,
                             const std::wstring& applicationName, const std::wstring& recordText,
                             const std::wstring& actionText);

}  // namespace setup
