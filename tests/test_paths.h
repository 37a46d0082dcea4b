#pragma once

#include <string>

// Where the checked-in test data lie, as the test binary sees them (under Wine
// the source tree is reached through drive Z:).
inline std::string testFixturePath(const std::string& name) {
    return std::string(TARVEX_FIXTURE_DIR) + "/" + name;
}
