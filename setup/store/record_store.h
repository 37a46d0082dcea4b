#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/registry.h"

// Reading the numbered P values of the Properties key. Numbers run from 1 without
// gaps: every scan reads P001, P002, ... and stops at the first value that is
// missing or empty.
namespace setup {

struct StoredRecord {
    int number = 0;
    std::wstring value;  // device key included
};

// Where a record of a device and application is, or would go.
struct RecordSlot {
    int number = 0;
    std::wstring valueName;  // "P007"
    std::wstring content;    // empty when this is the first free number
};

// Opens SOFTWARE\Orvane\Properties without creating it; a missing key raises
// platform::RegistryError naming it, since nothing can be stored without it.
std::unique_ptr<platform::RegistryKey> openPropertiesKey(platform::Registry& registry);

// Calls visit for each record in number order until it returns false or the
// numbering ends. Returns the number at which the scan stopped: the first free
// record number when it ran to the end.
int scanRecords(platform::RegistryKey& properties,
                const std::function<bool(const StoredRecord&)>& visit);

// The first P value whose device key matches deviceKey and whose stored name
// equals applicationName exactly (empty means "GENERAL"), else the first free
// name with empty content. Raises platform::Error when all numbers are used.
RecordSlot findRecordSlot(platform::RegistryKey& properties, const std::wstring& deviceKey,
                          const std::wstring& applicationName);

// The number where a scan stopped, as the number for a new record; raises
// platform::Error when all numbers are used.
int freeRecordNumber(int scanStop);

// Writes a record under a number no scan reaches yet: its A value, then the P
// value (device key included) that makes it visible. A refused write thus
// leaves at most an A value at the first free number, where no scan looks and
// which the next record stored there overwrites before it appears; a record
// never appears paired with actions that are not its own.
void storeNewRecord(platform::RegistryKey& properties, int number, const std::wstring& value,
                    const std::wstring& actions);

}  // namespace setup
