#pragma once

// The behaviour every NamedMutexes service shares. A world makes objects that
// stand for separate processes of one session; each test uses names of its own.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/single_instance.h"

namespace platform::contract {

template <typename World>
class NamedMutexesContract : public ::testing::Test {
protected:
    static std::wstring uniqueName() {
        static int made = 0;
        return L"TarvexContractMutex" + std::to_wstring(++made);
    }

    World world_;
    const std::wstring name_ = uniqueName();
};

TYPED_TEST_SUITE_P(NamedMutexesContract);

TYPED_TEST_P(NamedMutexesContract, AMutexNobodyMadeDoesNotExist) {
    auto process = this->world_.startProcess();
    EXPECT_FALSE(process->exists(this->name_));
}

TYPED_TEST_P(NamedMutexesContract, AMadeMutexIsSeenByAnotherProcess) {
    auto first = this->world_.startProcess();
    auto second = this->world_.startProcess();
    EXPECT_NE(first->createOwned(this->name_), kNoMutex);
    EXPECT_TRUE(second->exists(this->name_));
    EXPECT_FALSE(second->exists(this->name_ + L"x"));
}

TYPED_TEST_P(NamedMutexesContract, AReleasedMutexLivesWhileItsHandleIsOpen) {
    auto first = this->world_.startProcess();
    first->release(first->createOwned(this->name_));
    auto second = this->world_.startProcess();
    EXPECT_TRUE(second->exists(this->name_));
}

TYPED_TEST_P(NamedMutexesContract, AMutexEndsWithTheLastProcessHoldingIt) {
    auto first = this->world_.startProcess();
    first->createOwned(this->name_);
    first.reset();
    EXPECT_FALSE(this->world_.startProcess()->exists(this->name_));
}

TYPED_TEST_P(NamedMutexesContract, ReleasingWhatIsNotOwnedSaysSoWithoutThrowing) {
    auto process = this->world_.startProcess();
    const MutexHandle mutex = process->createOwned(this->name_);
    EXPECT_TRUE(process->release(mutex));
    EXPECT_FALSE(process->release(mutex));
    EXPECT_FALSE(process->release(kNoMutex));
}

TYPED_TEST_P(NamedMutexesContract, CreatingAMutexAnotherProcessMadeOwnsNothingButHoldsIt) {
    auto first = this->world_.startProcess();
    auto second = this->world_.startProcess();
    const MutexHandle made = first->createOwned(this->name_);
    EXPECT_EQ(second->createOwned(this->name_), kNoMutex);
    EXPECT_TRUE(first->release(made)) << "the maker still owns it";
    first.reset();
    EXPECT_TRUE(this->world_.startProcess()->exists(this->name_))
        << "the second process's handle keeps it";
}

TYPED_TEST_P(NamedMutexesContract, OnlyOneCopyOfTheProgramRunsAtATime) {
    auto first = this->world_.startProcess();
    SingleInstance firstCopy(*first, this->name_);
    ASSERT_TRUE(firstCopy.claim());

    auto second = this->world_.startProcess();
    EXPECT_FALSE(SingleInstance(*second, this->name_).claim());
    second.reset();

    firstCopy.release();
    auto third = this->world_.startProcess();
    EXPECT_FALSE(SingleInstance(*third, this->name_).claim())
        << "released at exit, the mutex stays until the first copy has ended";
    third.reset();

    first.reset();
    auto fourth = this->world_.startProcess();
    EXPECT_TRUE(SingleInstance(*fourth, this->name_).claim());
}

// A copy that looks for the guard just before another copy makes it.
class LookingTooEarly : public NamedMutexes {
public:
    explicit LookingTooEarly(NamedMutexes& process) : process_(process) {}
    bool exists(const std::wstring&) override { return false; }
    MutexHandle createOwned(const std::wstring& name) override {
        return process_.createOwned(name);
    }
    bool release(MutexHandle mutex) noexcept override { return process_.release(mutex); }

private:
    NamedMutexes& process_;
};

TYPED_TEST_P(NamedMutexesContract, ACopyStartedInTheSameMomentAsAnotherEndsWithoutHarm) {
    auto first = this->world_.startProcess();
    const MutexHandle firstGuard = first->createOwned(this->name_);

    auto second = this->world_.startProcess();
    LookingTooEarly late(*second);
    {
        SingleInstance secondCopy(late, this->name_);
        EXPECT_FALSE(secondCopy.claim());
        EXPECT_NO_THROW(secondCopy.release());
    }
    EXPECT_TRUE(first->release(firstGuard)) << "the first copy keeps its guard";
}

REGISTER_TYPED_TEST_SUITE_P(NamedMutexesContract, AMutexNobodyMadeDoesNotExist,
                            AMadeMutexIsSeenByAnotherProcess,
                            AReleasedMutexLivesWhileItsHandleIsOpen,
                            AMutexEndsWithTheLastProcessHoldingIt,
                            ReleasingWhatIsNotOwnedSaysSoWithoutThrowing,
                            CreatingAMutexAnotherProcessMadeOwnsNothingButHoldsIt,
                            OnlyOneCopyOfTheProgramRunsAtATime,
                            ACopyStartedInTheSameMomentAsAnotherEndsWithoutHarm);

}  // namespace platform::contract
