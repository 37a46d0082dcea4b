// Pointer scheme values: cursor file paths separated by ",".
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "setup/pointer/scheme_value.h"

namespace {

using namespace setup;

std::wstring joinedWithSeparators(const std::vector<std::wstring>& fields) {
    std::wstring text;
    for (size_t i = 0; i < fields.size(); ++i) {
        text += (i == 0 ? L"" : L",") + fields[i];
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto value = fuzz::textOf(data, size);
    const auto fields = splitSchemeValue(value);
    fuzz::check(!fields.empty() && fields.size() <= kMaxSchemeFields,
                "a scheme value splits into 1 to 20 fields", value);
    // The fields read are the value's first ones, each with its role; only a
    // value with more fields than are read keeps a rest.
    const auto read = joinedWithSeparators(fields);
    const bool leading = read.size() < value.size() && value.compare(0, read.size(), read) == 0 &&
                         value[read.size()] == L',';
    fuzz::check(read == value || (fields.size() == kMaxSchemeFields && leading),
                "the fields read are the value's leading fields", value);

    const auto joined = joinSchemeValue(fields);
    const auto again = splitSchemeValue(joined);
    fuzz::check(again.size() == kSchemeRoles, "a written scheme has exactly 14 fields", value);
    for (size_t role = 0; role < again.size(); ++role) {
        const auto expected = role < fields.size() ? fields[role] : std::wstring();
        fuzz::check(again[role] == expected, "every role keeps its file", value);
    }
    return 0;
}
