#include "platform/win32/win32_resources.h"

#include <windows.h>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace setup
