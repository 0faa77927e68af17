// Timers in virtual time: exact tick times, order, restarts, stalls and the loop's waits.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "WindowingTestKit.h"

namespace {

using TTicks = std::vector<std::pair<std::string, std::uint64_t>>;

TTimer* LoggingTimer(THeadlessApp& run, const std::string& name, int interval, TTicks* ticks) {
    TTimer* timer = run.form->AddTimer(interval);
    timer->OnTimer = [&run, name, ticks] { ticks->emplace_back(name, run.app.NowMs()); };
    return timer;
}

TEST(Timer, ThreeHundredTicksOfOneSecondComeExactlyOnTime) {
    THeadlessApp run;
    run.Start();
    TTicks ticks;
    LoggingTimer(run, "clock", 1000, &ticks)->SetEnabled(true);
    run.drive.Advance(300000);
    ASSERT_EQ(ticks.size(), 300u);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        ASSERT_EQ(ticks[i].second, (i + 1) * 1000) << "tick " << i + 1;
    }
    run.drive.Advance(999);
    EXPECT_EQ(ticks.size(), 300u);
}

TEST(Timer, ALateDeliveryDoesNotShiftLaterTicksButAStallDropsTheMissedOnes) {
    THeadlessApp run;
    run.Start();
    TTicks ticks;
    TTimer* timer = LoggingTimer(run, "t", 1000, &ticks);
    timer->SetEnabled(true);
    run.backend.SetNow(1300);  // delivered 300 ms late
    run.drive.Pump();
    EXPECT_EQ(timer->NextDue(), 2000u);
    run.backend.SetNow(10500);  // the machine stalled for eight periods
    run.drive.Pump();
    EXPECT_EQ(ticks.size(), 2u) << "missed ticks came in a burst";
    EXPECT_EQ(timer->NextDue(), 11500u);
}

TEST(Timer, TwoTimersTickInDueOrderAndTiesGoInCreationOrder) {
    THeadlessApp run;
    run.Start();
    TTicks ticks;
    LoggingTimer(run, "A", 300, &ticks)->SetEnabled(true);
    LoggingTimer(run, "B", 200, &ticks)->SetEnabled(true);
    run.drive.Advance(1200);
    const TTicks expected = {{"B", 200}, {"A", 300}, {"B", 400},  {"A", 600},  {"B", 600},
                             {"B", 800}, {"A", 900}, {"B", 1000}, {"A", 1200}, {"B", 1200}};
    EXPECT_EQ(ticks, expected);
    // Both due in the same pass (a jump over their due times) still keep the order.
    ticks.clear();
    run.backend.SetNow(1500);
    run.drive.Pump();
    const TTicks jumped = {{"B", 1500}, {"A", 1500}};
    EXPECT_EQ(ticks, jumped);
}

TEST(Timer, StartingAndChangingATimerAtHalfPeriod) {
    struct Case {
        const char* what;
        void (*change)(TTimer&);
        std::uint64_t firstTick;
    };
    const Case cases[] = {
        {"enabling again keeps the period", [](TTimer& t) { t.SetEnabled(true); }, 1000},
        {"same interval keeps the period", [](TTimer& t) { t.SetInterval(1000); }, 1000},
        {"stop and start restarts", [](TTimer& t) { t.SetEnabled(false), t.SetEnabled(true); },
         1500},
        {"new interval restarts", [](TTimer& t) { t.SetInterval(700); }, 1200},
    };
    for (const Case& c : cases) {
        THeadlessApp run;
        run.Start();
        TTicks ticks;
        TTimer* timer = LoggingTimer(run, "t", 1000, &ticks);
        timer->SetEnabled(true);
        run.drive.Advance(500);
        c.change(*timer);
        run.drive.Advance(1000);
        ASSERT_FALSE(ticks.empty()) << c.what;
        EXPECT_EQ(ticks.front().second, c.firstTick) << c.what;
    }
}

TEST(Timer, ATimerStoppedOrRestartedByAnEarlierTickOfThePassDoesNotFire) {
    struct Case {
        const char* what;
        void (*change)(TTimer&);
    };
    const Case cases[] = {{"stopped", [](TTimer& t) { t.SetEnabled(false); }},
                          {"restarted", [](TTimer& t) { t.SetInterval(400); }}};
    for (const Case& c : cases) {
        THeadlessApp run;
        run.Start();
        TTicks ticks;
        TTimer* first = LoggingTimer(run, "first", 1000, &ticks);
        TTimer* second = LoggingTimer(run, "second", 1000, &ticks);
        first->OnTimer = [&] {
            ticks.emplace_back("first", run.app.NowMs());
            c.change(*second);
        };
        first->SetEnabled(true);
        second->SetEnabled(true);
        run.drive.Advance(1000);
        const TTicks expected = {{"first", 1000}};
        EXPECT_EQ(ticks, expected) << c.what;
    }
}

TEST(Timer, RunSleepsUntilTheNextDueTickAndWithoutLimitWhenNoneRuns) {
    {
        THeadlessApp run;
        int count = 0;
        TTimer* timer = run.form->AddTimer(250);
        timer->OnTimer = [&] {
            if (++count == 4)
                run.app.Terminate();
        };
        timer->SetEnabled(true);
        run.app.Run();
        EXPECT_EQ(count, 4);
        EXPECT_EQ(run.backend.IdleWaits(), (std::vector<int>{250, 250, 250, 250}));
    }
    {
        THeadlessApp run;
        run.form->AddTimer(250);  // created stopped
        run.app.Run();            // the headless backend answers an endless wait with a close
        EXPECT_EQ(run.backend.IdleWaits(), std::vector<int>{-1});
        EXPECT_TRUE(run.app.Terminated());
    }
}

TEST(Timer, RandomizeSeedsDifferentlyEachTime) {
    THeadlessApp run;
    run.app.Randomize();
    const auto first = ProcessRandom()();
    run.app.Randomize();  // same virtual moment: the counter still moved on
    EXPECT_NE(ProcessRandom()(), first);
}

}  // namespace
