#include "setup/store/registry_layout.h"

#include "platform/text.h"

namespace setup {

std::wstring recordValueName(int number) {
    return L"P" + platform::zeroPadded(number, kRecordNumberDigits);
}

std::wstring actionValueName(int number) {
    return L"A" + platform::zeroPadded(number, kRecordNumberDigits);
}

}  // namespace setup
