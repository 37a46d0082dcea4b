#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/text.h"
#include "setup/actions/macro.h"

// What the fuzz targets share: how input bytes become text, and how a broken
// property stops the run so that libFuzzer keeps the input that broke it.
namespace fuzz {

// Text as the registry would hand it over; inputs are UTF-8 so that the seeds
// stay readable and every code unit the program cares about is reachable.
inline std::wstring textOf(const uint8_t* data, size_t size) {
    return platform::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
}

// Aborts with the property and the text it failed on; libFuzzer then saves the
// input as a crash artifact.
inline void check(bool holds, const char* property, const std::wstring& text) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\ninput text: \"%s\"\n", property,
                     platform::toUtf8(text).c_str());
        std::abort();
    }
}

class RecordingReporter : public setup::MacroReporter {
public:
    void report(const std::wstring& message) override { messages.push_back(message); }
    std::vector<std::wstring> messages;
};

}  // namespace fuzz
