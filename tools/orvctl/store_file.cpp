#include "tools/orvctl/store_file.h"

#include "platform/errors.h"
#include "platform/text.h"
#include "setup/store/registry_layout.h"

namespace orvctl {
namespace {

struct KeptTree {
    platform::RegistryRoot root;
    std::wstring path;
};

bool isAtOrBelow(const std::wstring& lowerPath, const std::wstring& lowerTop) {
    return lowerPath.compare(0, lowerTop.size(), lowerTop) == 0 &&
           (lowerPath.size() == lowerTop.size() || lowerPath[lowerTop.size()] == L'\\');
}

// Decides for each key of the file whether the system keeps anything there.
// Values follow their key, so the last decision is reused until the key changes.
class Filter {
public:
    bool keeps(const platform::RegOperation& op) {
        if (op.root != lastRoot_ || op.path != lastPath_ || op.kind == op.kDeleteKey) {
            lastRoot_ = op.root;
            lastPath_ = op.path;
            lastDecision_ = decide(op);
        }
        return lastDecision_;
    }

private:
    bool decide(const platform::RegOperation& op) const {
        const auto path = platform::toLower(op.path);
        for (const auto& tree : trees_) {
            const bool deletesAbove =
                op.kind == platform::RegOperation::kDeleteKey && isAtOrBelow(tree.path, path);
            if (op.root == tree.root && (isAtOrBelow(path, tree.path) || deletesAbove)) {
                return true;
            }
        }
        return false;
    }

    const KeptTree trees_[2] = {{setup::kDriverRoot, platform::toLower(setup::kOrvaneKey)},
                                {setup::kSchemeRoot, platform::toLower(setup::kSchemesKey)}};
    platform::RegistryRoot lastRoot_ = platform::RegistryRoot::LocalMachine;
    std::wstring lastPath_ = L"\\";
    bool lastDecision_ = false;
};

}  // namespace

LoadedExport loadExport(const platform::ReaderOpener& open) {
    LoadedExport loaded;
    loaded.registry = std::make_unique<platform::MemoryRegistry>();
    loaded.registry->setJournalling(false);
    platform::RegApplier applier(*loaded.registry);
    Filter filter;
    const auto read = platform::parseRegStream(open, [&](const platform::RegOperation& op) {
        if (filter.keeps(op)) {
            applier.apply(op);
        }
    });
    // A report of a wholly empty registry would blame an installation the file
    // never described.
    if (!read.hasHeader) {
        throw platform::Error(
            L"not a registry export: it does not start with \"REGEDIT4\" or "
            L"\"Windows Registry Editor Version 5.00\"");
    }
    loaded.problems = read.problems;
    const auto applied = applier.finish();
    loaded.problems.insert(loaded.problems.end(), applied.begin(), applied.end());
    return loaded;
}

std::string exportStore(platform::Registry& registry) {
    return platform::encodeRegFile(
        platform::exportRegText(registry, setup::kDriverRoot, setup::kOrvaneKey,
                                platform::RegFormat::Regedit5),
        platform::RegFormat::Regedit5);
}

}  // namespace orvctl
