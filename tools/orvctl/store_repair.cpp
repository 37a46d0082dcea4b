#include "tools/orvctl/store_repair.h"

#include <optional>

#include "platform/errors.h"
#include "setup/store/record_store.h"
#include "setup/store/registry_layout.h"
#include "tools/orvctl/store_check.h"
#include "tools/orvctl/undoable_key.h"

namespace orvctl {
namespace {

struct Record {
    int number = 0;  // where it was found
    std::wstring value;
    std::wstring actions;
};

class Repair {
public:
    explicit Repair(platform::RegistryKey& properties)
        : properties_(properties), values_(readNumberedValues(properties)) {}

    std::vector<std::wstring> run() {
        const auto kept = keptRecords();
        UndoableKey key(properties_);
        try {
            place(key, kept);
            properties_.close();
        } catch (const platform::RegistryError&) {
            key.rollBack();
            throw;
        }
        return changes_;
    }

private:
    void change(const std::wstring& text) { changes_.push_back(text); }

    std::vector<Record> keptRecords() {
        std::vector<Record> kept;
        for (const auto& [number, value] : values_.records) {
            const auto actions = values_.actions.find(number);
            if (value.empty()) {
                continue;
            }
            if (actions == values_.actions.end()) {
                change(setup::recordValueName(number) + L" had no " +
                       setup::actionValueName(number) + L": added an empty one");
            }
            Record record{number, value, actions == values_.actions.end() ? L"" : actions->second};
            if (const auto* same = identicalTo(kept, record)) {
                change(L"removed " + setup::recordValueName(number) + L" and " +
                       setup::actionValueName(number) + L": the same as " +
                       setup::recordValueName(same->number));
                continue;
            }
            kept.push_back(record);
        }
        for (const auto& [number, actions] : values_.actions) {
            const auto record = values_.records.find(number);
            if (record == values_.records.end() || record->second.empty()) {
                change(L"removed " + setup::actionValueName(number) + L": it had no " +
                       setup::recordValueName(number));
            }
        }
        return kept;
    }

    static const Record* identicalTo(const std::vector<Record>& kept, const Record& record) {
        for (const auto& earlier : kept) {
            if (earlier.value == record.value && earlier.actions == record.actions) {
                return &earlier;
            }
        }
        return nullptr;
    }

    void place(UndoableKey& key, const std::vector<Record>& kept) {
        for (size_t i = 0; i < kept.size(); ++i) {
            const int number = static_cast<int>(i) + 1;
            if (kept[i].number != number) {
                change(L"moved " + setup::recordValueName(kept[i].number) + L" and " +
                       setup::actionValueName(kept[i].number) + L" to " +
                       setup::recordValueName(number) + L" and " + setup::actionValueName(number));
            }
            writeIfChanged(key, values_.actions, setup::actionValueName(number), number,
                           kept[i].actions);
            writeIfChanged(key, values_.records, setup::recordValueName(number), number,
                           kept[i].value);
        }
        const int end = static_cast<int>(kept.size());
        for (const auto& [number, value] : values_.records) {
            if (number > end) {
                if (value.empty()) {
                    change(L"removed the empty " + setup::recordValueName(number));
                }
                key.remove(setup::recordValueName(number));
            }
        }
        for (const auto& [number, value] : values_.actions) {
            if (number > end) {
                key.remove(setup::actionValueName(number));
            }
        }
    }

    static void writeIfChanged(UndoableKey& key, const std::map<int, std::wstring>& values,
                               const std::wstring& name, int number, const std::wstring& text) {
        const auto it = values.find(number);
        if (it == values.end() || it->second != text) {
            key.write(name, text);
        }
    }

    platform::RegistryKey& properties_;
    NumberedValues values_;
    std::vector<std::wstring> changes_;
};

}  // namespace

std::vector<std::wstring> repairStore(platform::Registry& registry) {
    return Repair(*setup::openPropertiesKey(registry)).run();
}

}  // namespace orvctl
