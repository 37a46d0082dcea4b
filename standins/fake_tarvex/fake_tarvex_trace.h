#pragma once

// Where the stand-in setup program reports each start: one line appended to the
// file this variable names, "started arguments=<count> show=<show command>", the
// show command being -1 when the starter gave none.
namespace standins {

inline constexpr wchar_t kFakeTarvexTraceVariable[] = L"FAKE_TARVEX_TRACE";

}  // namespace standins
