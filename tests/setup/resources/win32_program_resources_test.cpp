#include "platform/win32/win32_resources.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/setup/resources/program_resources_contract.h"

namespace setup {
namespace {

// The test library that carries the program's compiled resources.
HMODULE resourceModule() {
    static HMODULE module = LoadLibraryW(L"tarvex_resource_module.dll");
    return module;
}

}  // namespace

namespace contract {

class CompiledResourcesWorld {
public:
    platform::Resources& resources() { return resources_; }

private:
    platform::Win32Resources resources_{resourceModule()};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Compiled, ProgramResourcesContract, CompiledResourcesWorld);

}  // namespace contract

namespace {

TEST(CompiledResources, PicturesLoadAtTheirDrawnSize) {
    struct Case {
        const wchar_t* name;
        int width;
        int height;
    };
    for (const auto& c : {Case{L"MOUSE1", 97, 97}, Case{L"DBCLICK6", 32, 32},
                          Case{L"HW2.BMP", 67, 85}, Case{L"WELCOME", 160, 240}}) {
        SCOPED_TRACE(platform::toUtf8(c.name));
        HANDLE bitmap = LoadImageW(resourceModule(), c.name, IMAGE_BITMAP, 0, 0, 0);
        ASSERT_NE(bitmap, nullptr);
        BITMAP info{};
        GetObjectW(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, c.width);
        EXPECT_EQ(info.bmHeight, c.height);
        DeleteObject(bitmap);
    }
}

TEST(CompiledResources, CarryTheManifestForTheVersion6Controls) {
    HRSRC manifest = FindResourceW(resourceModule(), MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(manifest, nullptr);
    const auto* text =
        static_cast<const char*>(LockResource(LoadResource(resourceModule(), manifest)));
    const std::string manifestText(text, SizeofResource(resourceModule(), manifest));
    EXPECT_NE(manifestText.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifestText.find("version=\"6.0.0.0\""), std::string::npos);
}

// Read by the system's own manifest parser, as the loader reads it when the
// program starts.
TEST(CompiledResources, ManifestAsksForAdministratorRightsAndNamesCurrentWindows) {
    wchar_t modulePath[MAX_PATH] = {};
    GetModuleFileNameW(resourceModule(), modulePath, MAX_PATH);
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.hModule = resourceModule();
    request.lpSource = modulePath;
    request.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "the manifest does not parse";

    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel{};
    EXPECT_TRUE(QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &runLevel,
                             sizeof runLevel, nullptr));
    EXPECT_EQ(runLevel.RunLevel, ACTCTX_RUN_LEVEL_REQUIRE_ADMIN);
    EXPECT_EQ(runLevel.UiAccess, 0u);

    // Without Windows 10 in the list, Windows 10 and 11 treat the program as
    // written for an older system and report an older version to it.
    constexpr GUID kWindows10 = {
        0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}};
    // Newer systems add fields to each listed element, so the GUID is looked
    // for in the bytes rather than at a fixed stride.
    BYTE compatibility[1024] = {};
    SIZE_T written = 0;
    ASSERT_TRUE(QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext,
                             compatibility, sizeof compatibility, &written));
    const auto* windows10 = reinterpret_cast<const BYTE*>(&kWindows10);
    EXPECT_NE(std::search(compatibility, compatibility + written, windows10,
                          windows10 + sizeof kWindows10),
              compatibility + written);
    ReleaseActCtx(context);
}

}  // namespace
}  // namespace setup
