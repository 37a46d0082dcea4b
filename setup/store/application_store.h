#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "setup/device_list.h"

// The registry side of per-application settings: listing a device's
// applications, adding one as a copy of the device's GENERAL record, and
// removing one with the later records renumbered. Each works on the open
// Properties key; the caller opens it and closes it (which flushes the writes).
namespace setup {

// A stored application name has a three-digit length field.
inline constexpr size_t kLongestApplicationName = 999;

// The name a program is stored under, as the driver matches it: its file name
// without any directory (after the last "\\", "/" or drive colon), without
// surrounding blanks, in upper case. Empty for a path that names no file.
std::wstring applicationNameFrom(const std::wstring& path);

// The names stored in the device's records (first six characters matching
// deviceKey), in record-number order, "GENERAL" left out.
std::vector<std::wstring> listApplications(platform::RegistryKey& properties,
                                           const std::wstring& deviceKey);

// Stores a record for name under the first free number: the device's GENERAL
// settings and actions under the new name, or the four-button default
// settings without actions when the device has no GENERAL record, its A value
// first (storeNewRecord). Returns the number written; raises
// platform::Error when name does not fit its length field or every number is
// in use.
int addApplicationRecord(platform::RegistryKey& properties, const std::wstring& deviceKey,
                         const std::wstring& name);

// The number of the device's record whose stored name is exactly name (length
// field and text alike, so "WORD.EXE" never finds "WORD.EXE.OLD"); the device
// is the one whose code matches by the device-key rule on the same port.
// Nothing when the numbering ends first.
std::optional<int> findApplicationRecord(platform::RegistryKey& properties, const MouseInfo& device,
                                         const std::wstring& name);

// Removes record number and closes the gap: every later record (P and A
// value) moves down by one, then the last number is removed. Each record is
// copied over its predecessor before anything is removed, so a write refused
// half-way leaves at worst one record twice, never a record lost or a gap that
// would hide the records after it. A move refused between a record's A and P
// values puts the replaced A value back before the error goes on, so that both
// copies of the record left twice keep their own actions.
void removeRecord(platform::RegistryKey& properties, int number);

}  // namespace setup
