#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/platform/registry_contract.h"

namespace platform {
namespace contract {
// An empty access list denies everyone but the owner, who may still change it.
template <>
void setReadable(Win32Registry&, RegistryRoot root, const std::wstring& path, bool readable) {
    HKEY key = nullptr;
    ASSERT_EQ(
        RegOpenKeyExW(root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE,
                      path.c_str(), 0, WRITE_DAC, &key),
        ERROR_SUCCESS);
    SECURITY_DESCRIPTOR descriptor;
    ACL emptyList;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    InitializeAcl(&emptyList, sizeof emptyList, ACL_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, readable ? nullptr : &emptyList, FALSE);
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor), ERROR_SUCCESS);
    RegCloseKey(key);
}

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryContract, Win32Registry);
}  // namespace contract

}  // namespace platform
