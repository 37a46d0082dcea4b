#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

// The stand-in driver library's journal: one line per SendUtilMessage call, so
// that tests and people can see what the driver was told and what it then read.
//
// A line is a list of name=value fields separated by tabs, ending in CRLF, in
// UTF-8. In names and values a backslash, tab, carriage return and line feed are
// written \\, \t, \r and \n. The fields, in this order:
//   call=<n>            1 for the first call after the library was loaded
//   process=<id>        the calling process
//   first=<n> second=<n>  the two arguments
// and, for the call (1, 137) that makes the driver reread its settings:
//   ShowIconInTray=<text>   only when the value exists
//   records=<n>             how many P values were read
//   P001=<text> A001=<text> ... every P value from P001 up to the first missing or
//                           empty one, each followed by its A value (empty when
//                           missing)
// A registry failure while rereading ends the line with error=<message>.
namespace standins {

struct JournalField {
    std::wstring name;
    std::wstring value;
    bool operator==(const JournalField& other) const {
        return name == other.name && value == other.value;
    }
};

std::wstring formatJournalLine(const std::vector<JournalField>& fields);
// The fields of one line (without its line break); a field without "=" has an
// empty value.
std::vector<JournalField> parseJournalLine(const std::wstring& line);
// The value of the named field of a parsed line; empty when there is none.
std::wstring journalValue(const std::vector<JournalField>& fields, const std::wstring& name);

// What the driver reads from SOFTWARE\Orvane when told to reread its settings.
std::vector<JournalField> rereadDriverSettings(platform::Registry& registry);

}  // namespace standins
