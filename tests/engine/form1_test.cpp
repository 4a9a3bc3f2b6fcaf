#include "app/startup.h"
#include "countdown/logic/countdown.h"
#include "tests/engine/engine_fixture.h"

namespace {

TEST_F(EngineTest, StartUpInOrderAndTheNoItemState) {
    form->Update_Label(); // no auction: the refresh only stops the timer
    EXPECT_FALSE(view->timerOn);
    EXPECT_EQ(look(Control::LabelZeit).text, "34");
    addWindow("eBay Angebot ohne Ende");
    addWindow("Zeitfang 1.4.17", WS_VISIBLE); // no border: not counted
    StartMainWindow(*form);
    const AppSettingsRecord& s = shared->AppSettings;
    EXPECT_EQ(std::tuple(s.msgonsync, s.synconstart, s.warnton, s.warntonsek),
              std::tuple(1, 0, 1, 60));
    EXPECT_TRUE(fake->store.writes.empty());
    EXPECT_EQ(shared->WindowStyleMask, 0x10800000u);
    EXPECT_EQ(std::tuple(look(Control::Shape1).colour, look(Control::Shape2).colour,
                         look(Control::Shape3).colour),
              std::tuple(RGB(244, 255, 247), RGB(255, 255, 232), RGB(255, 244, 244)));
    EXPECT_EQ(view->windowCaption, " Zeitfang 1.4.17");
    EXPECT_EQ(look(Control::Label1).text, "Kein Artikel gewählt.");
    EXPECT_EQ(look(Control::Lbl_NoAuction).text,
              "Öffnen Sie den Artikel,\r\nauf den Sie bieten\r\nmöchten, in Ihrem\r\nWeb-Browser "
              "und\r\nklicken Sie auf\r\n'Artikel übernehmen'");
    EXPECT_EQ(look(Control::Lbl_NoAuction).rect.top, view->centredTop(Control::Lbl_NoAuction));
    EXPECT_TRUE(look(Control::Lbl_NoAuction).visible);
    EXPECT_FALSE(look(Control::LabelZeit).visible);
    EXPECT_FALSE(view->timerOn);
    EXPECT_EQ(shared->InstanceCount, 0);
    EXPECT_EQ(std::tuple(view->shown, view->helpFile, fake->transfer.executes),
              std::tuple(true, "zeitfang.chm", 0));
    EXPECT_TRUE(IsClockOnly({"-time"}));
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"-time", "x"}, {"-TIME"}, {"x", "-time"}})
        EXPECT_FALSE(IsClockOnly(args));
}

TEST_F(EngineTest, EachDisplayStateAfterTheTakeOver) {
    const std::string item = "Espressokanne aus Aluminium, 6 Tassen ",
                      watching = item + " Zeitfang";
    struct Row {
        std::int64_t r;
        const char* text;
        double size;
        Colour colour;
        int period;
        bool running;
        std::string caption;
    };
    for (const Row& row :
         {Row{2 * 86400 + 7 * 3600, "2 Tage\r\n7 Stunden", 12, 0, 500, true, watching},
          Row{86400 - 1, "23 Stunden\r\n59 Minuten", 12, 0, 500, true, watching},
          Row{3600 - 1, "59 Minuten\r\n59 Sekunden", 12, 0, 200, true, watching},
          Row{59, "59", 13, 0, 1000, true, " >>59<<"},
          Row{1, "1", 71, RGB(232, 0, 0), 1000, true, " >>1<<"},
          Row{0, "Auktion\r\nbeendet", 16, 0, 500, false, item},
          Row{-86400, "Auktion\r\nbeendet", 16, 0, 500, false, item}}) {
        SetUp();
        addWindow("Zeitfang 1.4.17"); // another copy above the browser
        addAuction(row.r);
        addWindow("Zeitfang 1.4.17"); // below: not counted
        form->Form1init();
        const RecordingView::Look& zeit = look(Control::LabelZeit);
        EXPECT_EQ(shared->InstanceCount, 1);
        EXPECT_EQ(shared->ItemNumber, "1234567890");
        EXPECT_EQ(look(Control::Label1).text,
                  "endet am " + formatGeneralDateTime(shared->AuctionEnd));
        EXPECT_FALSE(look(Control::Lbl_NoAuction).visible);
        EXPECT_TRUE(look(Control::Lbl_GoItem).visible);
        EXPECT_EQ(zeit.text, row.text) << row.r;
        EXPECT_EQ(std::tuple(zeit.fontSize, zeit.colour, zeit.visible, zeit.rect.top),
                  std::tuple(row.size, row.colour, true, view->centredTop(Control::LabelZeit)))
            << row.r;
        EXPECT_EQ(std::pair(view->timerOn, view->timerMs), std::pair(row.running, row.period))
            << row.r;
        EXPECT_EQ(view->windowCaption, row.caption) << row.r;
        EXPECT_EQ(fake->attention.flashed, row.r > 0 && row.r < 60 ? std::vector<std::uint32_t>{42}
                                                                   : std::vector<std::uint32_t>{})
            << row.r;
        EXPECT_EQ(look(Control::Label2).text,
                  row.r == 3599 ? formatGeneralDateTime(now()) : "Label2gdfg ")
            << row.r;
    }
}

TEST_F(EngineTest, RefreshesFollowTheClockAndNewCapturesStartAfresh) {
    addAuction(86400 - 1);
    form->Form1init();
    look(Control::LabelZeit).colour = RGB(0, 255, 0);
    view->timerMs = 77;
    at(86400 - 2); // the same text: nothing but the timer is touched
    form->Timer1_Timer();
    EXPECT_EQ(look(Control::LabelZeit).colour, RGB(0, 255, 0));
    EXPECT_EQ(view->timerMs, 500);
    at(30);
    form->Timer1_Timer();
    at(75); // the clock set back out of the final minute
    form->Timer1_Timer();
    EXPECT_EQ(look(Control::LabelZeit).text, "1 Minute\r\n15 Sekunden");
    EXPECT_EQ(std::pair(look(Control::LabelZeit).fontSize, look(Control::LabelZeit).colour),
              std::pair(12.0, RGB(0, 0, 0)));
    EXPECT_EQ(view->windowCaption, " >>30<<");
    form->Lbl_GetArtikel_Click(); // taken over again within the same second
    EXPECT_TRUE(look(Control::LabelZeit).visible);
    fake->windows.windows.clear();
    form->Lbl_GetArtikel_Click();
    EXPECT_EQ(view->windowCaption, " Zeitfang 1.4.17");
    EXPECT_EQ(shared->ItemNumber, "1234567890");
    EXPECT_TRUE(look(Control::Lbl_GoItem).visible);
    EXPECT_FALSE(look(Control::LabelZeit).visible);
    addWindow("eBay Angebot 1234567890 (endet bald, sehr bald MESZ) - Espressokanne");
    form->Lbl_GetArtikel_Click();
    EXPECT_EQ(look(Control::Label1).text, "Auktionsende nicht lesbar.");
    EXPECT_TRUE(look(Control::Lbl_NoAuction).visible);
    EXPECT_FALSE(view->timerOn);
}

TEST_F(EngineTest, AlarmSoundsAtTheChosenSecondBeforeTheDisplay) {
    const std::vector<std::pair<int, int>> alarm = {
        {900, 80}, {950, 80}, {900, 80}, {950, 80}, {900, 700}};
    for (const auto& [warnton, warntonsek, r, sounds] : {std::tuple{"1", "30", 30, true},
                                                         {"1", "30", 31, false},
                                                         {"1", "30", 29, false},
                                                         {"2", "30", 30, false},
                                                         {"0", "30", 30, false},
                                                         {"1", "0", 0, true},
                                                         {"1", "90", 90, true}}) {
        SetUp();
        store("warnton", warnton);
        store("warntonsek", warntonsek);
        std::string shownDuringTones;
        fake->speaker.onBeep = [&] { shownDuringTones = look(Control::LabelZeit).text; };
        addAuction(r + 1);
        form->Form1init();
        fake->speaker.tones.clear();
        at(r);
        form->Timer1_Timer();
        EXPECT_EQ(fake->speaker.tones, sounds ? alarm : decltype(alarm){}) << r;
        if (sounds) {
            EXPECT_EQ(shownDuringTones, countdownFor(r + 1).text) << r;
        }
    }
}

TEST_F(EngineTest, CommandLabelsLookAndActLikeLinks) {
    form->Form1init();
    const Control labels[] = {Control::Lbl_GetTime, Control::Lbl_GetArtikel, Control::Lbl_Optionen};
    const auto looks = [&](Control c) { return std::pair(look(c).colour, look(c).underline); };
    form->Lbl_GetTime_MouseMove();
    form->Lbl_GetArtikel_MouseMove();
    form->Lbl_Optionen_MouseMove();
    form->Lbl_GoItem_MouseMove(); // no item yet: stays as it is
    form->Lbl_GoItem_Click();
    for (Control c : labels)
        EXPECT_EQ(looks(c), std::pair(RGB(255, 0, 0), true));
    EXPECT_EQ(looks(Control::Lbl_GoItem), std::pair(Colour{0}, false));
    EXPECT_TRUE(fake->shell.opened.empty());
    form->Form_MouseMove();
    for (Control c : labels)
        EXPECT_EQ(looks(c), std::pair(RGB(0, 0, 255), false));

    addAuction(3600);
    form->Lbl_GetArtikel_Click();
    form->Lbl_GoItem_MouseMove();
    EXPECT_TRUE(look(Control::Lbl_GoItem).underline);
    form->Lbl_GoItem_Click();
    shared->ItemNumber = "12 3/4ä";
    form->Lbl_GoItem_Click();
    EXPECT_EQ(fake->shell.opened,
              (std::vector<std::string>{
                  "http://cgi.ebay.de/ws/eBayISAPI.dll?ViewItem&item=1234567890",
                  "http://cgi.ebay.de/ws/eBayISAPI.dll?ViewItem&item=12%203%2F4%C3%A4"}));
    bool hoverWhileOpen = true;
    view->onOptions = [&](frmOptions&) { hoverWhileOpen = look(Control::Lbl_Optionen).underline; };
    form->Lbl_Optionen_MouseMove();
    form->Lbl_Optionen_Click();
    EXPECT_FALSE(hoverWhileOpen);
}

} // namespace
