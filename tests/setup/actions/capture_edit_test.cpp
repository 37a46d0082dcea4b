#include "setup/actions/capture_edit.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_message_boxes.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/headless_backend.h"

namespace setup {
namespace {

constexpr unsigned kKeyDownMessage = 0x100;
constexpr unsigned kCharacterMessage = 0x102;
constexpr unsigned kSystemKeyDownMessage = 0x104;

TEST(CaptureEdit, SwallowsOnlyTheSystemCharacter) {
    platform::MemoryMessageBoxes boxes;
    ui::HeadlessBackend backend;
    ui::Application application{backend, boxes};
    ui::Form form(application, L"form");
    TActEdit edit(form, L"edit");

    ui::NativeMessage altCharacter{kSystemCharacterMessage, L'b', 0, -1};
    EXPECT_TRUE(edit.handleNativeMessage(altCharacter));
    EXPECT_EQ(altCharacter.result, 0);
    for (const unsigned passed : {kKeyDownMessage, kCharacterMessage, kSystemKeyDownMessage}) {
        SCOPED_TRACE(passed);
        ui::NativeMessage message{passed, L'b', 0, 0};
        EXPECT_FALSE(edit.handleNativeMessage(message)) << "the standard edit handles it";
    }
}

}  // namespace
}  // namespace setup
