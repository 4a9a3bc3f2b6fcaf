#include "app/startup.h"
#include "tests/engine/engine_fixture.h"

namespace {

class SyncTest : public EngineTest {
  protected:
    // The server answers the next request: the response begins at 14:05:30 local time, the page
    // is read at 14:05:32. `during` runs while the program waits.
    void serve(const std::string& page, std::function<void()> during = {}) {
        fake->transfer.onExecute = [this, page, during] {
            fake->events.next = [this, page, during] {
                fake->clock.current = fromCivil({2026, 12, 5, 14, 5, 30});
                fake->transfer.report(HttpTransfer::icReceivingResponse);
                fake->clock.current = fromCivil({2026, 12, 5, 14, 5, 32});
                fake->transfer.report(HttpTransfer::icReceivingResponse); // only the first counts
                if (during)
                    during();
                fake->transfer.finish(page);
            };
        };
    }
};

TEST_F(SyncTest, SyncSetsTimeOfDayThenDateAndSaysSo) {
    form->Form1init();
    serve("<html>kaputt</html>");
    form->Lbl_GetTime_Click();
    EXPECT_EQ(fake->transfer.lastUrl, "http://cgi1.ebay.de/aw-cgi/eBayISAPI.dll?TimeShow");
    EXPECT_EQ(fake->transfer.lastHeaders,
              "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n");
    serve("Offizielle Zeit:   08.11.2004 14:05:33 MEZ<br>", [this] { form->Lbl_GetTime_Click(); });
    form->Lbl_GetTime_Click(); // and a second click while it waits
    EXPECT_EQ(fake->transfer.executes, 2);
    EXPECT_EQ(fake->clock.timesOfDaySet, std::vector<std::int64_t>{14 * 3600 + 5 * 60 + 35});
    EXPECT_EQ(fake->clock.datesSet, std::vector<CivilTime>{CivilTime({2004, 11, 8, 0, 0, 0})});
    EXPECT_EQ(toCivil(now()), CivilTime({2004, 11, 8, 14, 5, 35}));
    serve("");
    form->Lbl_GetTime_Click();
    const std::string done = "Die Systemuhr wurde aktualisiert.";
    using Box = std::pair<std::string, MessageIcon>;
    EXPECT_EQ(view->messages,
              (std::vector<Box>{
                  {"", MessageIcon::None}, {done, MessageIcon::None}, {done, MessageIcon::None}}));
    shared->AppSettings.msgonsync = 0;
    form->Lbl_GetTime_Click();
    EXPECT_EQ(view->messages.size(), 3u);
}

TEST_F(SyncTest, StartUpSyncOnlyForSynconstartOneWithTheTimerOffMeanwhile) {
    for (const char* synconstart : {"1", "0", "2", "-1"}) {
        SetUp();
        store("synconstart", synconstart);
        store("msgonsync", "0");
        addAuction(3 * 86400);
        bool tickingMeanwhile = true;
        serve("", [&] { tickingMeanwhile = view->timerOn; });
        StartMainWindow(*form);
        const bool syncs = synconstart == std::string("1");
        EXPECT_EQ(fake->transfer.executes, syncs) << synconstart;
        EXPECT_FALSE(syncs && tickingMeanwhile);
        EXPECT_TRUE(view->timerOn) << synconstart;
    }
}

TEST_F(EngineTest, OptionsShowTheSettingsAndValidateTheSeconds) {
    shared->AppSettings = {1, 0, 2, -7};
    frmOptions options(shared->AppSettings, fake->platform.settings);
    options.Form_Load(*view);
    EXPECT_EQ(view->dialogAt, (TwipsRect{400 * 15 - 500, 300 * 12 - 1800, 0, 0}));
    using C = OptionsCheck;
    EXPECT_EQ(view->checks, (std::map<C, CheckState>{{C::Check_msgonsync, CheckState::Checked},
                                                     {C::Check_synconstart, CheckState::Unchecked},
                                                     {C::Check_Warnton, CheckState::Greyed}}));
    EXPECT_EQ(view->seconds, "-7");
    view->checks[C::Check_msgonsync] = CheckState::Unchecked;
    view->checks[C::Check_synconstart] = CheckState::Checked;
    const AppSettingsRecord& s = shared->AppSettings;
    options.cmdOK_Click(*view); // -7 is refused, the boxes act all the same
    EXPECT_EQ(view->messages, (std::vector{std::pair(std::string("Es sind nur Zahlen grösser 0 "
                                                                 "zulässig!"),
                                                     MessageIcon::Information)}));
    EXPECT_EQ(std::tuple(s.msgonsync, s.synconstart, s.warnton, s.warntonsek),
              std::tuple(0, 1, 2, -7));
    EXPECT_EQ(std::pair(view->unloaded, fake->store.writes.size()), std::pair(false, 0ul));
    options.cmdCancel_Click(*view);
    EXPECT_EQ(std::pair(view->unloaded, fake->store.writes.size()), std::pair(true, 0ul));
    view->seconds = " 2,5 ";
    options.cmdOK_Click(*view);
    EXPECT_EQ(fake->store.writes,
              (std::vector<std::string>{"msgonsync", "synconstart", "warnton", "warntonsek"}));
    EXPECT_EQ((std::vector{stored("msgonsync"), stored("synconstart"), stored("warnton"),
                           stored("warntonsek")}),
              (std::vector<std::string>{"0", "1", "2", "2"}));
}

TEST_F(EngineTest, PlacementIsSavedInTwipsAndRestoredShifted) {
    const char* keys[] = {"Left", "Top", "Width", "Height", "WindowState"};
    for (int state : {0, 1, 2}) {
        SetUp();
        view->normal = {1500, 1200, 4500, 3000.5};
        view->state = state;
        form->Form_Unload();
        const std::vector<std::string> texts = {"1500", "1200", "4500", "3000,5",
                                                std::to_string(state)};
        EXPECT_EQ(fake->store.writes, std::vector<std::string>(keys, keys + 5));
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(stored(keys[i]), texts[static_cast<std::size_t>(i)]);
        SetUp();
        for (int i = 0; i < 5; ++i)
            store(keys[i], texts[static_cast<std::size_t>(i)]);
        addWindow("Zeitfang 1.4.17");
        addWindow("Notizen - Zeitfang");
        form->Form1init();
        EXPECT_EQ(view->normal, (TwipsRect{2100, 1800, 4500, 3000.5}));
        EXPECT_EQ(view->state, state);
    }
    SetUp();
    store("Left", "1500");
    store("Width", "0");
    store("WindowState", "3");
    view->state = 2;
    form->Form1init();
    EXPECT_EQ(std::pair(view->normal, view->state), std::pair(TwipsRect{}, 0));
}

} // namespace
