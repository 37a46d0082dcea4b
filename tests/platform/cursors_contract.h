#pragma once

// The behaviour every Cursors service shares. Each world gives the service and a
// place to put files it can load.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/cursors.h"
#include "platform/text.h"
#include "tests/platform/cursor_files.h"

namespace platform::contract {

template <typename World>
class CursorsContract : public ::testing::Test {
protected:
    Cursors& cursors() { return world_.cursors(); }
    std::wstring validCursor() {
        return world_.place(L"square.cur", test_support::monochromeCursorFile(32, 3, 4));
    }
    std::wstring validAnimation() {
        const auto frame = test_support::monochromeCursorFile(32, 16, 16);
        return world_.place(L"spin.ani", test_support::animatedCursorFile({frame, frame}, 32));
    }

    World world_;
};

TYPED_TEST_SUITE_P(CursorsContract);

TYPED_TEST_P(CursorsContract, LoadsStaticAndAnimatedCursorFiles) {
    for (const auto& path : {this->validCursor(), this->validAnimation()}) {
        SCOPED_TRACE(toUtf8(path));
        const CursorHandle cursor = this->cursors().loadFromFile(path);
        EXPECT_NE(cursor, kNoCursor);
        this->cursors().destroy(cursor);
    }
}

TYPED_TEST_P(CursorsContract, TheContentNotTheNameSaysWhatAFileIs) {
    const auto frame = test_support::monochromeCursorFile(32, 16, 16);
    const auto animation =
        this->world_.place(L"animation.cur", test_support::animatedCursorFile({frame}, 32));
    const CursorHandle cursor = this->cursors().loadFromFile(animation);
    EXPECT_NE(cursor, kNoCursor);
    this->cursors().destroy(cursor);
}

TYPED_TEST_P(CursorsContract, WhatIsNoCursorDoesNotLoad) {
    const std::string valid = test_support::monochromeCursorFile(32, 0, 0);
    const std::string truncated = valid.substr(0, 20);
    std::string entryPastTheEnd = valid;
    entryPastTheEnd[18] = '\x7F';  // image offset far beyond the file
    struct Case {
        const wchar_t* name;
        std::string bytes;
    };
    const Case cases[] = {
        {L"empty.cur", ""},
        {L"text.cur", "this is not a cursor, only some words in a file\r\n"},
        {L"truncated.cur", truncated},
        {L"past-the-end.cur", entryPastTheEnd},
        {L"riff-without-frames.ani", test_support::riffChunk("RIFF", "ACON")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c.name));
        EXPECT_EQ(this->cursors().loadFromFile(this->world_.place(c.name, c.bytes)), kNoCursor);
    }
    EXPECT_EQ(this->cursors().loadFromFile(this->world_.pathOf(L"never-made.cur")), kNoCursor);
}

TYPED_TEST_P(CursorsContract, LoadingLaterGivesOneCursorPerFileInOrder) {
    const auto missing = this->world_.pathOf(L"never-made.cur");
    auto later =
        this->cursors().loadFromFilesLater({this->validCursor(), missing, this->validAnimation()});
    const auto loaded = later.get();
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_NE(loaded[0], kNoCursor);
    EXPECT_EQ(loaded[1], kNoCursor);
    EXPECT_NE(loaded[2], kNoCursor);
    for (const CursorHandle cursor : loaded) {
        this->cursors().destroy(cursor);
    }
}

TYPED_TEST_P(CursorsContract, ACopyLivesOnWhenItsOriginalIsDestroyed) {
    auto& cursors = this->cursors();
    const CursorHandle original = cursors.loadFromFile(this->validCursor());
    const CursorHandle copy = cursors.copy(original);
    ASSERT_NE(copy, kNoCursor);
    EXPECT_NE(copy, original);
    cursors.destroy(original);
    const CursorHandle copyOfCopy = cursors.copy(copy);
    EXPECT_NE(copyOfCopy, kNoCursor);
    cursors.destroy(copy);
    cursors.destroy(copyOfCopy);
}

TYPED_TEST_P(CursorsContract, NoCursorCopiesToNoCursorAndDestroysToNothing) {
    EXPECT_EQ(this->cursors().copy(kNoCursor), kNoCursor);
    this->cursors().destroy(kNoCursor);
}

TYPED_TEST_P(CursorsContract, EveryKindHasASystemCursorOfItsOwn) {
    std::set<CursorHandle> seen;
    for (int k = 0; k < kCursorKindCount; ++k) {
        SCOPED_TRACE(k);
        const CursorHandle cursor = this->cursors().programCursor(static_cast<CursorKind>(k));
        EXPECT_NE(cursor, kNoCursor);
        EXPECT_EQ(this->cursors().programCursor(static_cast<CursorKind>(k)), cursor)
            << "asking twice gives the same shared cursor";
        seen.insert(cursor);
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(kCursorKindCount));
}

TYPED_TEST_P(CursorsContract, AProgramCursorReplacesTheSystemsUntilTakenBack) {
    auto& cursors = this->cursors();
    const CursorHandle system = cursors.programCursor(CursorKind::Wait);
    const CursorHandle own = cursors.loadFromFile(this->validCursor());
    cursors.setProgramCursor(CursorKind::Wait, own);
    EXPECT_EQ(cursors.programCursor(CursorKind::Wait), own);
    EXPECT_EQ(cursors.programCursor(CursorKind::Arrow), cursors.programCursor(CursorKind::Arrow));
    EXPECT_NE(cursors.programCursor(CursorKind::Arrow), own) << "other kinds keep theirs";
    cursors.setProgramCursor(CursorKind::Wait, kNoCursor);
    EXPECT_EQ(cursors.programCursor(CursorKind::Wait), system);
}

TYPED_TEST_P(CursorsContract, MetricsArePlausibleSizes) {
    const auto m = this->cursors().metrics();
    for (const int size : {m.iconWidth, m.iconHeight, m.cursorWidth, m.cursorHeight}) {
        EXPECT_GE(size, 16);
        EXPECT_LE(size, 256);
    }
    EXPECT_GT(m.verticalScrollBarWidth, 0);
}

REGISTER_TYPED_TEST_SUITE_P(CursorsContract, LoadsStaticAndAnimatedCursorFiles,
                            TheContentNotTheNameSaysWhatAFileIs, WhatIsNoCursorDoesNotLoad,
                            LoadingLaterGivesOneCursorPerFileInOrder,
                            ACopyLivesOnWhenItsOriginalIsDestroyed,
                            NoCursorCopiesToNoCursorAndDestroysToNothing,
                            EveryKindHasASystemCursorOfItsOwn,
                            AProgramCursorReplacesTheSystemsUntilTakenBack,
                            MetricsArePlausibleSizes);

}  // namespace platform::contract
