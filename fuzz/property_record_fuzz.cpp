// Property records as the driver and the program read them from P values.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "platform/errors.h"
#include "setup/store/device_key.h"
#include "setup/store/property_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace setup;
    const auto record = fuzz::textOf(data, size);
    PropertyInfo info;
    try {
        parsePropertyRecord(record, info);
    } catch (const platform::ConversionError& error) {
        fuzz::check(
            error.position() >= 1 && static_cast<size_t>(error.position()) <= record.size() + 1,
            "a record that does not read names a position inside it", record);
        return 0;
    }
    // The fields are written back from what was read, so the text up to the end
    // of the scheme name comes back; what follows it is ignored by design.
    const auto built = buildPropertyRecord(info);
    fuzz::check(record.compare(0, built.size(), built) == 0,
                "a record that reads builds back to the text it was read from", record);
    fuzz::check(parsePropertyRecord(built) == info, "a built record reads back the same", record);
    const std::wstring deviceKey(kDeviceKeyLength, L'0');
    fuzz::check(storedApplicationName(deviceKey + record) == info.applicationName,
                "the application name of a P value is the one its record holds", record);
    return 0;
}
