#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/platform/registry_contract.h"
#include "tests/win32/import_patch.h"

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

namespace {

using contract::kTestKey;

int flushes = 0;

LSTATUS WINAPI countFlush(HKEY) {
    ++flushes;
    return ERROR_SUCCESS;
}

// The registry code linked into this program flushes through the program's
// own import of RegFlushKey, which the test counts.
TEST(Win32RegistryClose, FlushesOnlyKeysWrittenThrough) {
    const uidriver::ImportPatch patch(GetModuleHandleW(nullptr), "advapi32.dll", "RegFlushKey",
                                      reinterpret_cast<const void*>(&countFlush));
    ASSERT_TRUE(patch.applied());
    struct Case {
        const char* what;
        void (*use)(RegistryKey&);
        int flushes;
    };
    const Case cases[] = {
        {"read only",
         [](RegistryKey& key) {
             key.readString(L"Kept");
             key.hasValue(L"Missing");
             key.valueNames();
             key.subkeyNames();
         },
         0},
        {"missing value deleted", [](RegistryKey& key) { key.deleteValue(L"Missing"); }, 0},
        {"value written", [](RegistryKey& key) { key.writeString(L"New", L"1"); }, 1},
        {"value deleted", [](RegistryKey& key) { key.deleteValue(L"Kept"); }, 1},
    };
    Win32Registry registry;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        registry.deleteKey(RegistryRoot::CurrentUser, kTestKey);
        auto created = registry.create(RegistryRoot::CurrentUser, kTestKey);
        created->writeString(L"Kept", L"value");
        created.reset();
        flushes = 0;

        auto key = registry.open(RegistryRoot::CurrentUser, kTestKey);
        c.use(*key);
        key->close();
        EXPECT_EQ(flushes, c.flushes);
    }
    registry.deleteKey(RegistryRoot::CurrentUser, kTestKey);
}

}  // namespace
}  // namespace platform
