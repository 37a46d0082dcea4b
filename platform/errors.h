#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// Base of the program's own exceptions: an unexpected failure that ends the
// current event handler and is shown in the application's standard error box.
class Error : public std::runtime_error {
public:
    explicit Error(const std::wstring& message);
    const std::wstring& message() const noexcept { return message_; }

private:
    std::wstring message_;
};

// A registry operation the system refused (a write, a flush, a missing key).
class RegistryError : public Error {
public:
    using Error::Error;
};

// Stored text that does not convert: names the field and its 1-based position.
class ConversionError : public Error {
public:
    ConversionError(const std::wstring& field, int position, const std::wstring& text);
    const std::wstring& field() const noexcept { return field_; }
    int position() const noexcept { return position_; }

private:
    std::wstring field_;
    int position_;
};

}  // namespace platform
