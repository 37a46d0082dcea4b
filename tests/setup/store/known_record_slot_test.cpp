#include "setup/store/known_record_slot.h"

#include <gtest/gtest.h>

namespace setup {
namespace {

const platform::KeyStamp kAfterWrite{1000, 8};

TEST(KnownRecordSlot, GivesTheNumberOnlyForTheSameSetupAndAnUnchangedStamp) {
    KnownRecordSlot known;
    EXPECT_EQ(known.numberFor(L"014003", L"GENERAL", kAfterWrite), std::nullopt)
        << "nothing remembered yet";
    known.remember(L"014003", L"GENERAL", 7, kAfterWrite);
    EXPECT_EQ(known.numberFor(L"014003", L"GENERAL", kAfterWrite), 7);

    EXPECT_EQ(known.numberFor(L"014003", L"GENERAL", {1001, 8}), std::nullopt) << "written since";
    EXPECT_EQ(known.numberFor(L"014003", L"GENERAL", {1000, 10}), std::nullopt)
        << "values added within one clock tick";
    EXPECT_EQ(known.numberFor(L"014002", L"GENERAL", kAfterWrite), std::nullopt) << "other port";
    EXPECT_EQ(known.numberFor(L"015003", L"GENERAL", kAfterWrite), std::nullopt) << "other code";
    EXPECT_EQ(known.numberFor(L"014003", L"WORD.EXE", kAfterWrite), std::nullopt);
    EXPECT_EQ(known.numberFor(L"014003", L"general", kAfterWrite), std::nullopt)
        << "names compare exactly, as the records' do";

    known.remember(L"014003", L"WORD.EXE", 9, {1002, 10});
    EXPECT_EQ(known.numberFor(L"014003", L"GENERAL", kAfterWrite), std::nullopt)
        << "only the setup last remembered";
    EXPECT_EQ(known.numberFor(L"014003", L"WORD.EXE", {1002, 10}), 9);
}

}  // namespace
}  // namespace setup
