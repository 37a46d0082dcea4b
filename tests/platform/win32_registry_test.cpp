#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/platform/registry_contract.h"

namespace platform {
namespace contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryContract, Win32Registry);
}  // namespace contract

namespace {


}  // namespace
}  // namespace platform
