#include "common/clswaitabletimer.h"
#include "desktop/fake/fakemessagewait.h"

#include <gtest/gtest.h>

#include <ostream>

#include <regex>

namespace {

using WaitResult = MessageWaitPlatform::WaitResult;

TEST(clsWaitableTimer, ArmsOneRelativeTimerInHundredNanosecondUnits)
{
    for (const std::int32_t milliseconds : {100, 200, 300, 600, 1000}) {
        FakeMessageWait platform;
        clsWaitableTimer timer(platform);
        timer.Wait(milliseconds);
        ASSERT_EQ(platform.dueTimes.size(), 1u);
        EXPECT_EQ(platform.dueTimes[0], -static_cast<std::int64_t>(milliseconds) * 10000);
    }
}

TEST(clsWaitableTimer, NamesTheTimerAfterTheProgramAndTheMinuteAndSecond)
{
    EXPECT_EQ(clsWaitableTimer::TimerName("StowletUninstaller", 5, 9), "StowletUninstallerTimer0509");
    EXPECT_EQ(clsWaitableTimer::TimerName("Setup", 59, 0), "SetupTimer5900");
    FakeMessageWait platform;
    clsWaitableTimer timer(platform);
    timer.Wait(100);
    ASSERT_EQ(platform.names.size(), 1u);
    EXPECT_TRUE(std::regex_match(platform.names[0], std::regex("SetupTimer[0-5][0-9][0-5][0-9]"))) << platform.names[0];
}

TEST(clsWaitableTimer, HoldsItsTimerOnlyDuringTheWait)
{
    FakeMessageWait platform;
    clsWaitableTimer timer(platform);
    EXPECT_EQ(timer.TimerHandle(), 0u);
    std::vector<MessageWaitPlatform::Handle> during;
    platform.onWait = [&] { during.push_back(timer.TimerHandle()); };
    const std::int32_t milliseconds = 300;
    timer.Wait(milliseconds);
    timer.Wait(milliseconds);
    ASSERT_EQ(during.size(), 2u);
    EXPECT_NE(during[0], 0u);
    EXPECT_NE(during[1], 0u);
    EXPECT_EQ(timer.TimerHandle(), 0u);
    EXPECT_TRUE(platform.open.empty());
    EXPECT_EQ(platform.closed, 2);
    EXPECT_EQ(milliseconds, 300);
}

TEST(clsWaitableTimer, InputArrivingWakesThePumpAndTheWaitGoesOn)
{
    FakeMessageWait platform;
    platform.results = {WaitResult::InputArrived, WaitResult::InputArrived, WaitResult::TimerSignalled};
    clsWaitableTimer timer(platform);
    timer.Wait(600);
    EXPECT_TRUE(platform.results.empty()) << "the wait ends only on the timer";
    EXPECT_EQ(platform.pumps, 3) << "events are handled after every wake-up";
    EXPECT_EQ(platform.closed, 1);
}

struct FailureCase
{
    const char *name;
    bool createFails, armFails;
    WaitResult result;
    int closed; // timers closed
    int pumps;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FailureCase &c, std::ostream *out)
{
    *out << c.name;
}

class WaitFailure : public ::testing::TestWithParam<FailureCase>
{
};

TEST_P(WaitFailure, EndsTheWaitAtOnceAndHoldsNoTimer)
{
    const FailureCase &c = GetParam();
    FakeMessageWait platform;
    platform.createFails = c.createFails;
    platform.armFails = c.armFails;
    platform.results = {c.result, WaitResult::TimerSignalled};
    clsWaitableTimer timer(platform);
    timer.Wait(1000);
    EXPECT_EQ(timer.TimerHandle(), 0u);
    EXPECT_TRUE(platform.open.empty());
    EXPECT_EQ(platform.closed, c.closed);
    EXPECT_EQ(platform.pumps, c.pumps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WaitFailure,
    ::testing::Values(FailureCase{"TimerNotCreated", true, false, WaitResult::TimerSignalled, 0, 0},
                      FailureCase{"TimerNotArmed", false, true, WaitResult::TimerSignalled, 1, 0},
                      FailureCase{"WaitFailed", false, false, WaitResult::Failed, 1, 1}),
    [](const ::testing::TestParamInfo<FailureCase> &info) { return std::string(info.param.name); });

TEST(clsWaitableTimer, DestroyedBetweenWaitsClosesNothing)
{
    FakeMessageWait platform;
    {
        clsWaitableTimer timer(platform);
        timer.Wait(100);
    }
    EXPECT_EQ(platform.closed, 1);
}

} // namespace
