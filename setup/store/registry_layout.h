#pragma once

#include <string>

#include "platform/registry.h"

// Where the driver and the program keep their settings, and how values are named.
namespace setup {

inline constexpr platform::RegistryRoot kDriverRoot = platform::RegistryRoot::LocalMachine;
inline const std::wstring kOrvaneKey = L"SOFTWARE\\Orvane";
inline const std::wstring kPropertiesKey = L"SOFTWARE\\Orvane\\Properties";
inline const std::wstring kMiceFoundKey = L"SOFTWARE\\Orvane\\MiceFound";

inline const std::wstring kInstallDirectoryValue = L"Orvane Directory";
inline const std::wstring kShowIconInTrayValue = L"ShowIconInTray";
inline const std::wstring kMiceFoundValue = L"MiceFound";
inline const std::wstring kUserDefinedValue = L"UserDefined";

// Pointer schemes, kept by the system for the current user.
inline constexpr platform::RegistryRoot kSchemeRoot = platform::RegistryRoot::CurrentUser;
inline const std::wstring kSchemesKey = L"Control Panel\\Cursors\\Schemes";

// Record numbers have three digits in their value names; the driver reads no more.
inline constexpr int kRecordNumberDigits = 3;
inline constexpr int kLastRecordNumber = 999;

// "P007" and "A007" for record 7.
std::wstring recordValueName(int number);
std::wstring actionValueName(int number);

}  // namespace setup
