#include <gtest/gtest.h>

#include <QTimer>
#include <string>
#include <vector>

#include "clock/clock_sync.h"
#include "tests/fakes/fake_platform.h"

namespace {

// Records what was set, in the order it was set.
class OrderedClock : public FakeClock {
  public:
    std::vector<std::string> sets;
    void setTimeOfDay(std::int64_t secondsOfDay) override {
        sets.push_back("time " + std::to_string(secondsOfDay));
        FakeClock::setTimeOfDay(secondsOfDay);
    }
    void setDate(int year, int month, int day) override {
        sets.push_back("date " + std::to_string(year) + "-" + std::to_string(month) + "-" +
                       std::to_string(day));
        FakeClock::setDate(year, month, day);
    }
};

DateTime at(int year, int month, int day, int h, int m, int s) {
    return fromCivil({year, month, day, h, m, s});
}

QByteArray examplePage(const char* zone = "MEZ", const char* time = "14:05:33") {
    return QByteArray("Offizielle Zeit:   08.11.2004 ") + time + " " + zone + "<br>";
}

class ClockSyncTest : public ::testing::Test {
  protected:
    OrderedClock clock;
    ScriptedTransfer transfer;
    AppSettingsRecord settings;
    std::vector<QString> messages;
    ClockSync sync{transfer, clock, settings,
                   [this](const QString& text) { messages.push_back(text); }};

    void SetUp() override { clock.current = at(2026, 12, 5, 12, 0, 0); }

    // One step of the server's answer, run from the event loop while SyncClock waits.
    struct Step {
        DateTime clockAt;
        std::function<void()> action;
    };
    void script(std::vector<Step> steps) {
        transfer.onExecute = [this, steps] { runFrom(steps, 0); };
    }
    void runFrom(std::vector<Step> steps, std::size_t i) {
        if (i == steps.size())
            return;
        QTimer::singleShot(0, [this, steps, i] {
            clock.current = steps[i].clockAt;
            steps[i].action();
            runFrom(steps, i + 1);
        });
    }
    std::function<void()> respond() {
        return [this] { transfer.report(HttpTransfer::icReceivingResponse); };
    }
    std::function<void()> finish(const QByteArray& page) {
        return [this, page] { transfer.finish(page); };
    }
};

TEST_F(ClockSyncTest, SetsTheCorrectedTimeOfDayThenTheServersDate) {
    const DateTime response = at(2026, 12, 5, 14, 5, 30), done = at(2026, 12, 5, 14, 5, 32);
    const std::vector<std::string> example = {"time 50735", "date 2004-11-8"};
    struct Case {
        const char* name;
        QByteArray page;
        std::vector<std::string> sets;
        DateTime response, done;
    };
    const Case cases[] = {
        {"MEZ", examplePage("MEZ"), example, response, done},
        {"MESZ", examplePage("MESZ"), example, response, done},
        {"midnight during the wait", examplePage(), example, at(2026, 12, 5, 23, 59, 59),
         at(2026, 12, 6, 0, 0, 1)},
        {"server just before midnight",
         examplePage("MEZ", "23:59:59"),
         {"time 1", "date 2004-11-8"},
         response,
         done},
        {"field after the first chunk", QByteArray(8192, 'x') + examplePage(), {}, response, done},
        {"no text", QByteArray(), {}, response, done},
    };
    for (const Case& c : cases) {
        clock.sets.clear();
        script({{c.response, respond()}, {c.done, finish(c.page)}});
        EXPECT_EQ(sync.SyncClock(), !c.sets.empty()) << c.name;
        EXPECT_EQ(clock.sets, c.sets) << c.name;
        EXPECT_FALSE(sync.SyncPending) << c.name;
    }
}

TEST_F(ClockSyncTest, OnlyTheFirstReceivingReportOfTheRequestCounts) {
    const DateTime t = at(2026, 12, 5, 14, 5, 0);
    script({{DateTime{t.seconds + 10}, [this] { transfer.report(4); }},
            {DateTime{t.seconds + 30}, respond()},
            {DateTime{t.seconds + 31}, respond()},
            {DateTime{t.seconds + 32}, finish(examplePage())}});
    sync.SyncClock();
    EXPECT_EQ(clock.timesOfDaySet, std::vector<std::int64_t>{50735});
    // A report with no synchronisation pending changes nothing.
    clock.current = at(2026, 12, 5, 18, 0, 0);
    transfer.report(HttpTransfer::icReceivingResponse);
    EXPECT_EQ(timeOfDay(sync.SyncResponseTime), 14 * 3600 + 5 * 60 + 30);
}

TEST_F(ClockSyncTest, SecondStartDuringTheWaitIsRefusedAndLeavesTheFirstAlone) {
    const DateTime t = at(2026, 12, 5, 14, 5, 0);
    bool secondResult = true;
    script({{DateTime{t.seconds + 30}, respond()},
            {DateTime{t.seconds + 31}, [&] { secondResult = sync.SyncClock(); }},
            // Would move the response time if the refused start had raised SyncPending again.
            {DateTime{t.seconds + 31}, respond()},
            {DateTime{t.seconds + 32}, finish(examplePage())}});
    EXPECT_TRUE(sync.SyncClock());
    EXPECT_FALSE(secondResult);
    EXPECT_EQ(transfer.executes, 1);
    EXPECT_EQ(clock.sets, (std::vector<std::string>{"time 50735", "date 2004-11-8"}));
}

TEST_F(ClockSyncTest, MessageAfterEveryAttemptKeepsTheSuccessTextOnceSet) {
    const QString success = "Die Systemuhr wurde aktualisiert.";
    struct Attempt {
        std::int16_t msgonsync;
        QByteArray page;
        std::vector<QString> messages;
    };
    const Attempt attempts[] = {
        {1, "kein Datum", {""}},
        {0, examplePage(), {}},
        {1, "kein Datum", {success}},
        {-1, examplePage(), {success}},
        {2, "Offizielle Zeit:   99.99.2004 14:05:33 MEZ", {success}},
    };
    int n = 0;
    for (const Attempt& a : attempts) {
        messages.clear();
        settings.msgonsync = a.msgonsync;
        script({{clock.current, respond()}, {clock.current, finish(a.page)}});
        sync.SyncClock();
        EXPECT_EQ(messages, a.messages) << n++;
    }
}

} // namespace
