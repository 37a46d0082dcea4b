#pragma once

#include <string>
#include <utility>
#include <vector>

#include "setup/store/action_string.h"
#include "setup/store/property_record.h"

// The members of a property record by name, as orvctl prints and sets them.
namespace orvctl {

// name=value pairs in record order; buttonPosition as "0,1,2,3".
std::vector<std::pair<std::wstring, std::wstring>> recordMembers(const setup::PropertyInfo& info);

bool isRecordMember(const std::wstring& name);

// Sets one member from its text; setting a name also sets its length. A value
// that is not a number where one is needed raises platform::Error.
void setRecordMember(setup::PropertyInfo& info, const std::wstring& name,
                     const std::wstring& value);

// One action as people read it: "Aux1 + Alt: Swift Scroll", a macro quoted after
// its action, an unknown action by its code.
std::wstring actionText(const setup::ActionInfo& action);

}  // namespace orvctl
