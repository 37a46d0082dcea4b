#include "platform/errors.h"

#include "platform/text.h"

namespace platform {

Error::Error(const std::wstring& message) : std::runtime_error(toUtf8(message)), message_(message) {}

ConversionError::ConversionError(const std::wstring& field, int position, const std::wstring& text)
    : Error(L"'" + text + L"' is not a valid integer value (" + field + L" at position " +
            std::to_wstring(position) + L")"),
      field_(field),
      position_(position) {}

}  // namespace platform
