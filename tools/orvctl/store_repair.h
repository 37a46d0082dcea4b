#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

namespace orvctl {

// Mends what can be mended without a person's judgement: moves later records
// down to close gaps in the numbering, removes the later of two byte-identical
// records (record and actions) of one device and application, removes A values
// without their P value and adds an empty A value to a P value without one. A
// record that does not parse, and two different records of one device and
// application, are left as they are, only moved to close a gap. Returns one
// line per change, in the order made; a refused write puts every value back as
// it was and raises platform::RegistryError. The key is closed with a flush.
std::vector<std::wstring> repairStore(platform::Registry& registry);

}  // namespace orvctl
