#pragma once

#include "platform/cursors.h"
#include "platform/file_system.h"
#include "platform/keyboard.h"
#include "platform/message_boxes.h"
#include "platform/modules.h"
#include "platform/registry.h"
#include "platform/resources.h"
#include "platform/system_info.h"

namespace setup {

// What the setup program asks of the operating system: the real services on
// Windows, their in-memory models in tests.
struct Services {
    platform::Registry& registry;
    platform::MessageBoxes& messageBoxes;
    platform::Cursors& cursors;
    platform::Keyboard& keyboard;
    platform::Modules& modules;
    platform::FileSystem& files;
    platform::Resources& resources;
    platform::SystemInfo& system;
};

}  // namespace setup
