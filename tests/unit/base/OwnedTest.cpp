// The one owner template: what it closes, how often, and through which
// traits, for handles with two "nothing" values like the kernel's.
#include "base/Owned.h"
#include "base/ScopeExit.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora {
namespace {

constexpr int kNone = 0;
constexpr int kFailed = -1;

// Stateful traits: every close goes into the log the owner was given.
struct LoggedTraits {
    using Value = int;
    static Value Empty() { return kNone; }
    static bool Valid(Value v) { return v != kNone && v != kFailed; }
    void Close(Value v) { log->push_back(v); }
    std::vector<int>* log = nullptr;
};
using Logged = Owned<LoggedTraits>;

class OwnedTest : public testing::Test {
protected:
    Logged Make(int value) { return Logged(LoggedTraits{&closed}, value); }
    std::vector<int> closed;
};

TEST_F(OwnedTest, MovesHandOverTheHandleAndCloseItOnce) {
    {
        Logged a = Make(7);
        Logged b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(a.Get(), kNone);
        ASSERT_TRUE(b);
        Logged c;
        c = std::move(b);
        EXPECT_FALSE(b);
        EXPECT_EQ(c.Get(), 7);
        EXPECT_TRUE(closed.empty()) << "nothing closes while the handle changes hands";
    }
    EXPECT_EQ(closed, std::vector<int>{7});
}

TEST_F(OwnedTest, MoveAssignmentClosesWhatTheTargetHeld) {
    std::vector<int> otherLog;
    Logged target(LoggedTraits{&otherLog}, 1);
    Logged source = Make(2);
    target = std::move(source);
    EXPECT_EQ(otherLog, std::vector<int>{1}) << "the old handle closes through its own traits";
    EXPECT_TRUE(closed.empty());
    target.Reset();
    EXPECT_EQ(closed, std::vector<int>{2}) << "the traits moved along with the handle";
    EXPECT_EQ(otherLog.size(), 1u);
}

TEST_F(OwnedTest, SelfMoveKeepsTheHandle) {
    Logged a = Make(3);
    Logged& alias = a;
    a = std::move(alias);
    EXPECT_EQ(a.Get(), 3);
    EXPECT_TRUE(closed.empty());
}

TEST_F(OwnedTest, ResetClosesTheOldHandleAndReleaseClosesNothing) {
    Logged a = Make(4);
    a.Reset(5);
    EXPECT_EQ(closed, std::vector<int>{4});
    EXPECT_EQ(a.Get(), 5);
    EXPECT_EQ(a.Release(), 5);
    EXPECT_FALSE(a);
    a.Reset();
    EXPECT_EQ(closed, std::vector<int>{4}) << "a released handle is the caller's";
}

TEST_F(OwnedTest, NeitherEmptyValueIsClosed) {
    for (int empty : {kNone, kFailed}) {
        {
            Logged a = Make(empty);
            EXPECT_FALSE(a) << empty;
            EXPECT_FALSE(a.Valid()) << empty;
            a.Reset(empty);
            Logged b(std::move(a));
        }
        EXPECT_TRUE(closed.empty()) << empty;
    }
}

TEST(ScopeExit, RunsOnEveryWayOut) {
    int runs = 0;
    {
        ScopeExit undo([&] { ++runs; });
    }
    EXPECT_EQ(runs, 1);
    try {
        ScopeExit undo([&] { ++runs; });
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(runs, 2);
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

// Traits that count what is held, as the GDI owners do.
struct CountedTraits {
    using Value = int;
    static Value Empty() { return 0; }
    static bool Valid(Value v) { return v > 0; }
    void Acquired(Value) { ++*held; }
    void Close(Value) { --*held; }
    int* held = nullptr;
};

TEST(OwnedCountTest, HeldCountFollowsTakingOverMovingAndResetting) {
    int held = 0;
    {
        Owned<CountedTraits> a(CountedTraits{&held}, 1);
        Owned<CountedTraits> failed(CountedTraits{&held}, -1);  // not a handle: not counted
        EXPECT_EQ(held, 1);
        Owned<CountedTraits> b(std::move(a));  // moves count nothing twice
        EXPECT_EQ(held, 1);
        b.Reset(2);
        EXPECT_EQ(held, 1);
        Owned<CountedTraits> c(CountedTraits{&held}, 3);
        EXPECT_EQ(held, 2);
        c.Reset();
        EXPECT_EQ(held, 1);
    }
    EXPECT_EQ(held, 0);
}

}  // namespace
}  // namespace velmora
