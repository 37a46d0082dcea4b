// Registry export files (.reg) as users and support staff hand them to the
// program and to orvctl: any bytes, in either format.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/memory/memory_registry.h"
#include "platform/reg_file.h"

namespace {

using namespace platform;

// An export imports cleanly into an empty registry and exports again to the
// same text, in its own format and through its own file encoding.
void checkExportIsStable(const std::wstring& exported, RegistryRoot root, RegFormat format,
                         const std::wstring& input) {
    if (format == RegFormat::Regedit5) {
        // UTF-16 keeps every code unit; REGEDIT4 files are UTF-8, which cannot
        // carry unpaired surrogates.
        fuzz::check(decodeRegFile(encodeRegFile(exported, format)) == exported,
                    "an export survives its file encoding", input);
    }
    MemoryRegistry fresh;
    const auto problems = importRegText(fresh, exported);
    fuzz::check(problems.empty(), "an export imports without problems", exported);
    fuzz::check(exportRegText(fresh, root, L"", format) == exported,
                "an imported export exports to the same text", exported);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto text = decodeRegFile(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto parsed = parseRegText(text);
    for (const auto& problem : parsed.problems) {
        fuzz::check(problem.line >= 1 && !problem.message.empty(),
                    "a problem names its line and what is wrong", text);
    }
    MemoryRegistry registry;
    applyRegFile(registry, parsed);
    for (const auto root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
        const auto exported = exportRegText(registry, root, L"", parsed.format);
        checkExportIsStable(exported, root, parsed.format, text);
    }
    return 0;
}
