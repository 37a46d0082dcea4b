#pragma once

// The behaviour every Registry implementation shares. Instantiated against the
// in-memory registry natively and against the real one under Wine.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>

#include "platform/errors.h"
#include "platform/reg_file.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "tests/test_paths.h"

namespace platform::contract {

inline const std::wstring kTestKey = L"SOFTWARE\\TarvexContractTest";

// How each implementation's test makes a key one the user may not read, and
// readable again; defined beside each instantiation.
template <typename RegistryType>
void setReadable(RegistryType& registry, RegistryRoot root, const std::wstring& path,
                 bool readable);

template <typename RegistryType>
class RegistryContract : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
            registry_.deleteKey(root, kTestKey);
        }
    }
    void TearDown() override { SetUp(); }

    std::unique_ptr<RegistryKey> freshKey(RegistryRoot root = RegistryRoot::CurrentUser) {
        return registry_.create(root, kTestKey);
    }

    std::wstring fixtureText() {
        std::ifstream in(testFixturePath("contract.reg"), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return decodeRegFile(bytes.str());
    }

    RegistryType registry_;
};

TYPED_TEST_SUITE_P(RegistryContract);

TYPED_TEST_P(RegistryContract, OpeningAMissingKeyGivesNothing) {
    EXPECT_EQ(this->registry_.open(RegistryRoot::CurrentUser, kTestKey), nullptr);
    EXPECT_EQ(this->registry_.open(RegistryRoot::CurrentUser, kTestKey + L"\\A\\B"), nullptr);
}

TYPED_TEST_P(RegistryContract, CreateMakesMissingParentsAndOpenFindsThem) {
    this->registry_.create(RegistryRoot::CurrentUser, kTestKey + L"\\A\\B")->close();
    EXPECT_NE(this->registry_.open(RegistryRoot::CurrentUser, kTestKey), nullptr);
    EXPECT_NE(this->registry_.open(RegistryRoot::CurrentUser, kTestKey + L"\\a\\b"), nullptr);
}

TYPED_TEST_P(RegistryContract, StringsRoundTripAndOverwrite) {
    auto key = this->freshKey(RegistryRoot::LocalMachine);
    key->writeString(L"P001", L"00a002007GENERAL");
    EXPECT_EQ(key->readString(L"P001"), L"00a002007GENERAL");
    key->writeString(L"P001", L"short");
    EXPECT_EQ(key->readString(L"p001"), L"short") << "value names ignore case";
    key->close();
    EXPECT_EQ(this->registry_.open(RegistryRoot::LocalMachine, kTestKey)->readString(L"P001"),
              L"short");
}

TYPED_TEST_P(RegistryContract, MissingAndEmptyValuesDiffer) {
    auto key = this->freshKey();
    EXPECT_EQ(key->readString(L"Missing"), L"");
    EXPECT_FALSE(key->hasValue(L"Missing"));
    key->writeString(L"Empty", L"");
    EXPECT_TRUE(key->hasValue(L"Empty"));
    EXPECT_EQ(key->readString(L"Empty"), L"");
    EXPECT_FALSE(key->readValue(L"Missing").has_value());
}

TYPED_TEST_P(RegistryContract, DeleteValueTellsWhetherThereWasOne) {
    auto key = this->freshKey();
    key->writeString(L"A001", L"030001");
    EXPECT_TRUE(key->deleteValue(L"A001"));
    EXPECT_FALSE(key->hasValue(L"A001"));
    EXPECT_FALSE(key->deleteValue(L"A001"));
}

TYPED_TEST_P(RegistryContract, ListsValueAndSubkeyNames) {
    auto key = this->freshKey();
    key->writeString(L"P001", L"x");
    key->writeString(L"A001", L"");
    this->registry_.create(RegistryRoot::CurrentUser, kTestKey + L"\\Schemes")->close();
    auto names = key->valueNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"A001", L"P001"}));
    EXPECT_EQ(key->subkeyNames(), std::vector<std::wstring>{L"Schemes"});
}

TYPED_TEST_P(RegistryContract, UnicodeTextKeepsItsUtf16Length) {
    auto key = this->freshKey();
    const std::wstring name = fromUtf8(
        "\xC3\x89"
        "DITEUR.EXE \xE4\xB8\xAD\xF0\x9F\x98\x80");
    key->writeString(L"Name", name);
    const auto back = key->readString(L"Name");
    EXPECT_EQ(back, name);
    EXPECT_EQ(back.size(), 15u) << "a character outside the BMP counts twice, as on Windows";
}

TYPED_TEST_P(RegistryContract, LongValuesSurvive) {
    auto key = this->freshKey();
    // Lengths about a 1 KiB read buffer, its terminating zero included, too.
    for (const size_t length : {510u, 511u, 512u, 513u, 20000u}) {
        const std::wstring text(length, L'x');
        key->writeString(L"Long", text);
        EXPECT_EQ(key->readString(L"Long"), text) << length;
    }
}

TYPED_TEST_P(RegistryContract, ReadingANonStringAsTextIsAnError) {
    auto key = this->freshKey();
    RegistryValue number;
    number.type = kRegDword;
    number.data = {1, 0, 0, 0};
    key->writeValue(L"Number", number);
    EXPECT_THROW(key->readString(L"Number"), RegistryError);
    EXPECT_THROW(key->readStringValue(L"Number"), RegistryError);
    EXPECT_EQ(key->readValue(L"Number"), number);
}

TYPED_TEST_P(RegistryContract, ExpandableStringsKeepTheirTypeAndReferences) {
    auto key = this->freshKey();
    const auto expandable =
        RegistryValue::ofString(L"%SystemRoot%\\Cursors\\arrow.cur,,", kRegExpandString);
    key->writeValue(L"Scheme", expandable);
    EXPECT_EQ(key->readValue(L"Scheme"), expandable);
    EXPECT_EQ(key->readString(L"Scheme"), L"%SystemRoot%\\Cursors\\arrow.cur,,")
        << "read as written, never expanded";
    EXPECT_EQ(key->readStringValue(L"Scheme"), expandable);
    EXPECT_EQ(key->readStringValue(L"Missing"), std::nullopt);
}

TYPED_TEST_P(RegistryContract, AKeyThatMayNotBeReadIsAnErrorNotMissing) {
    this->freshKey()->writeString(L"Orvane Directory", L"C:\\Orvane");
    setReadable(this->registry_, RegistryRoot::CurrentUser, kTestKey, false);
    EXPECT_THROW(this->registry_.open(RegistryRoot::CurrentUser, kTestKey), RegistryError);
    setReadable(this->registry_, RegistryRoot::CurrentUser, kTestKey, true);
}

TYPED_TEST_P(RegistryContract, AClosedKeyRefusesFurtherUse) {
    auto key = this->freshKey();
    key->writeString(L"P001", L"x");
    key->close();
    EXPECT_THROW(key->writeString(L"P002", L"y"), RegistryError);
    EXPECT_THROW(key->readString(L"P001"), RegistryError);
}

TYPED_TEST_P(RegistryContract, DeleteKeyRemovesTheWholeTree) {
    this->registry_.create(RegistryRoot::CurrentUser, kTestKey + L"\\A\\B")
        ->writeString(L"v", L"1");
    EXPECT_TRUE(this->registry_.deleteKey(RegistryRoot::CurrentUser, kTestKey));
    EXPECT_EQ(this->registry_.open(RegistryRoot::CurrentUser, kTestKey), nullptr);
    EXPECT_FALSE(this->registry_.deleteKey(RegistryRoot::CurrentUser, kTestKey));
}

TYPED_TEST_P(RegistryContract, WritesToADeletedKeyFail) {
    auto key = this->freshKey();
    this->registry_.deleteKey(RegistryRoot::CurrentUser, kTestKey);
    EXPECT_THROW(key->writeString(L"P001", L"x"), RegistryError);
}

// The stamp is read through one handle while another handle, as another
// program would, changes the key.
TYPED_TEST_P(RegistryContract, TheStampChangesWithEveryWriteOrDeleteInTheKeyOnly) {
    auto key = this->freshKey();
    key->writeString(L"P001", L"first");
    const auto written = key->stamp();
    EXPECT_EQ(key->readString(L"P001"), L"first");
    EXPECT_EQ(key->stamp(), written) << "reading changes nothing";
    this->freshKey(RegistryRoot::LocalMachine)->writeString(L"P001", L"elsewhere");
    EXPECT_EQ(key->stamp(), written) << "a write to another key";

    auto other = this->registry_.open(RegistryRoot::CurrentUser, kTestKey);
    other->writeString(L"P001", L"again");
    const auto overwritten = key->stamp();
    EXPECT_NE(overwritten, written) << "the same value overwritten";
    other->deleteValue(L"P001");
    const auto deleted = key->stamp();
    EXPECT_NE(deleted, overwritten);
    other->writeString(L"P001", L"again");
    EXPECT_NE(key->stamp(), deleted);
    EXPECT_NE(key->stamp(), overwritten) << "the same value count and text as before";

    this->registry_.deleteKey(RegistryRoot::CurrentUser, kTestKey);
    auto remade = this->freshKey();
    remade->writeString(L"P001", L"again");
    EXPECT_NE(remade->stamp(), overwritten) << "a key deleted and made again";
}

TYPED_TEST_P(RegistryContract, TheFixtureLoadsAndExportsBackTheSame) {
    const auto problems = importRegText(this->registry_, this->fixtureText());
    ASSERT_TRUE(problems.empty()) << toUtf8(problems.front().message);

    auto key = this->registry_.open(RegistryRoot::CurrentUser, kTestKey);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readString(L"Plain"), L"text");
    EXPECT_EQ(key->readString(L"Quoted"), L"say \"hi\" \\ back");
    EXPECT_EQ(key->readString(L""), L"default");
    EXPECT_EQ(key->readString(L"Expand"), L"%A%");
    EXPECT_EQ(key->readValue(L"Binary")->data, (std::vector<uint8_t>{1, 2, 0xff}));
    EXPECT_EQ(this->registry_.open(RegistryRoot::CurrentUser, kTestKey + L"\\Child")
                  ->readString(L"Nested"),
              L"P001");
    key.reset();

    const auto exported =
        exportRegText(this->registry_, RegistryRoot::CurrentUser, kTestKey, RegFormat::Regedit5);
    this->registry_.deleteKey(RegistryRoot::CurrentUser, kTestKey);
    ASSERT_TRUE(importRegText(this->registry_, exported).empty());
    EXPECT_EQ(
        exportRegText(this->registry_, RegistryRoot::CurrentUser, kTestKey, RegFormat::Regedit5),
        exported);
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, OpeningAMissingKeyGivesNothing,
                            CreateMakesMissingParentsAndOpenFindsThem, StringsRoundTripAndOverwrite,
                            MissingAndEmptyValuesDiffer, DeleteValueTellsWhetherThereWasOne,
                            ListsValueAndSubkeyNames, UnicodeTextKeepsItsUtf16Length,
                            LongValuesSurvive, ReadingANonStringAsTextIsAnError,
                            ExpandableStringsKeepTheirTypeAndReferences,
                            AKeyThatMayNotBeReadIsAnErrorNotMissing, AClosedKeyRefusesFurtherUse,
                            DeleteKeyRemovesTheWholeTree, WritesToADeletedKeyFail,
                            TheStampChangesWithEveryWriteOrDeleteInTheKeyOnly,
                            TheFixtureLoadsAndExportsBackTheSame);

}  // namespace platform::contract
