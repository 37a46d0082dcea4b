#pragma once

#include <string>

// Where the checked-in test data lie, as the test binary sees them (under Wine
// the source tree is reached through drive Z:).
inline std::string testFixturePath(const std::string& name) {
    return std::string(TARVEX_FIXTURE_DIR) + "/" + name;
}

#ifdef TARVEX_SOURCE_DIR
// A checked-in file of the source tree, such as the generated pictures and cursors.
inline std::string sourceTreePath(const std::string& relative) {
    return std::string(TARVEX_SOURCE_DIR) + "/" + relative;
}
#endif
