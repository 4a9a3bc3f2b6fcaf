#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "app/form1.h"
#include "app/startup.h"
#include "countdown/logic/countdown.h"
#include "options/frm_options.h"
#include "platform/logic/german_format.h"
#include "platform/logic/utf.h"
#include "tests/fakes/fake_platform.h"

using namespace std::string_literals;

namespace {

// Keeps what the engine last asked of each control, the window and the options dialog.
struct RecordingView : Form1View, OptionsView {
    struct Look {
        std::string text;
        bool visible = true, underline = false;
        double fontSize = 0;
        Colour colour = 0;
        TwipsRect rect;
    };
    std::map<Control, Look> looks{
        {Control::Shape2, {"", true, false, 0, 0, {120, 720, 2055, 1935}}},
        {Control::LabelZeit, {"34", true, false, 21.75, RGB(255, 0, 0), {960, 1560, 495, 495}}},
        {Control::Lbl_NoAuction, {"", true, false, 0, 0, {201, 960, 1845, 1440}}},
        {Control::Label2, {"Label2gdfg ", true, false, 0, 0, {}}}};
    std::string windowCaption, helpFile, seconds;
    bool timerOn = true, shown = false, unloaded = false;
    int timerMs = 500, state = 0;
    TwipsRect normal, dialogAt;
    std::vector<std::pair<std::string, MessageIcon>> messages;
    std::function<void(frmOptions&)> onOptions;
    std::map<OptionsCheck, CheckState> checks;

    // Where a label's top lies when centred on Shape2.
    double centredTop(Control c) { return 720 + 1935 / 2.0 - looks[c].rect.height / 2; }

    void setCaption(const std::string& caption) override { windowCaption = caption; }
    void setCaption(Control c, const std::string& text) override { looks[c].text = text; }
    std::string caption(Control c) const override { return looks.at(c).text; }
    void setControlVisible(Control c, bool on) override { looks[c].visible = on; }
    void setFontSize(Control c, double points) override { looks[c].fontSize = points; }
    void setColour(Control c, Colour colour) override { looks[c].colour = colour; }
    void setUnderline(Control c, bool on) override { looks[c].underline = on; }
    TwipsRect controlRect(Control c) const override { return looks.at(c).rect; }
    void moveControl(Control c, double left, double top) override {
        looks[c].rect.left = left, looks[c].rect.top = top;
    }
    void setTimerEnabled(bool on) override { timerOn = on; }
    void setTimerInterval(int ms) override { timerMs = ms; }
    void messageBox(const std::string& text, MessageIcon icon) override {
        messages.emplace_back(text, icon);
    }
    void showOptions(frmOptions& handlers) override { onOptions(handlers); }
    std::uint32_t handle() const override { return 42; }
    TwipsRect normalRect() const override { return normal; }
    void placeNormal(const TwipsRect& r) override { normal = r; }
    int placementState() const override { return state; }
    void setPlacementState(int s) override { state = s; }
    void registerHelpFile(const std::string& name) override { helpFile = name; }
    void showWindow() override { shown = true; }

    void setValue(OptionsCheck box, CheckState s) override { checks[box] = s; }
    CheckState value(OptionsCheck box) const override { return checks.at(box); }
    void setWarnTonSekText(const std::string& text) override { seconds = text; }
    std::string warnTonSekText() const override { return seconds; }
    CursorPosition cursorPosition() const override { return {400, 300}; }
    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 12; }
    void moveDialog(double left, double top) override { dialogAt = {left, top, 0, 0}; }
    void unload() override { unloaded = true; }
};

// The engine's main window over a recording view and fake services, at 5.12.2026 12:00:00.
class EngineTest : public ::testing::Test {
  protected:
    struct Rig {
        FakePlatform fake;
        SharedState shared;
        RecordingView view;
        Form1 form{view, fake.platform, shared};
    };
    std::unique_ptr<Rig> rig;
    FakePlatform* fake = nullptr;
    RecordingView* view = nullptr;
    Form1* form = nullptr;
    SharedState* shared = nullptr;

    // Table-driven tests call it again: a fresh window over empty fakes.
    void SetUp() override {
        rig = std::make_unique<Rig>();
        fake = &rig->fake, view = &rig->view, form = &rig->form, shared = &rig->shared;
        fake->clock.current = fromCivil({2026, 12, 5, 12, 0, 0});
    }
    RecordingView::Look& look(Control c) { return view->looks[c]; }
    std::string& stored(const std::string& key) {
        return fake->store.values["Orvikwerk/Kairola/" + key];
    }
    DateTime now() const { return fake->clock.current; }
    void at(std::int64_t secondsBeforeEnd) {
        fake->clock.current = DateTime{shared->AuctionEnd.seconds - secondsBeforeEnd};
    }
    void addWindow(const std::string& title, std::uint32_t style = WS_VISIBLE | WS_BORDER) {
        const auto handle = static_cast<std::uint32_t>(100 + fake->recorder.windows.size());
        fake->recorder.windows.push_back({handle, style, decodeUtf8(title)});
    }
    // An auction window whose end lies `seconds` after the fake clock's present time.
    void addAuction(std::int64_t seconds) {
        const std::string end = formatGeneralDateTime(DateTime{now().seconds + seconds});
        addWindow("eBay Angebot 1234567890 (endet " + end.substr(0, 6) + end.substr(8, 2) +
                  (end.size() > 10 ? end.substr(10) : " 00:00:00") +
                  " MESZ) - Espressokanne aus Aluminium, 6 Tassen - Chromium");
    }
    // The server answers the next request: the response begins at 14:05:30 local time, the page
    // is read at 14:05:32. `during` runs while the program waits.
    void serve(const std::string& page, std::function<void()> during = {}) {
        fake->transfer.onExecute = [this, page, during] {
            fake->transfer.next = [this, page, during] {
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

TEST_F(EngineTest, StartUpInOrderAndTheNoItemState) {
    form->Update_Label(); // no auction: the refresh only stops the timer
    EXPECT_EQ(std::pair(view->timerOn, look(Control::LabelZeit).text), std::pair(false, "34"s));
    addWindow("eBay Angebot ohne Ende");
    addWindow("Zeitfang 1.4.17", WS_VISIBLE); // no border: not counted
    StartMainWindow(*form);
    const AppSettingsRecord& s = shared->AppSettings;
    EXPECT_EQ(std::tuple(s.msgonsync, s.synconstart, s.warnton, s.warntonsek, shared->InstanceCount,
                         shared->WindowStyleMask, fake->store.writes.size()),
              std::tuple(1, 0, 1, 60, 0, 0x10800000u, 0u));
    EXPECT_EQ(std::tuple(look(Control::Shape1).colour, look(Control::Shape2).colour,
                         look(Control::Shape3).colour),
              std::tuple(RGB(244, 255, 247), RGB(255, 255, 232), RGB(255, 244, 244)));
    EXPECT_EQ(std::pair(view->windowCaption, look(Control::Label1).text),
              std::pair(" Zeitfang 1.4.17"s, "Kein Artikel gewählt."s));
    EXPECT_EQ(look(Control::Lbl_NoAuction).text,
              "Öffnen Sie den Artikel,\r\nauf den Sie bieten\r\nmöchten, in Ihrem\r\nWeb-Browser "
              "und\r\nklicken Sie auf\r\n'Artikel übernehmen'");
    EXPECT_EQ(std::tuple(look(Control::Lbl_NoAuction).rect.top,
                         look(Control::Lbl_NoAuction).visible, look(Control::LabelZeit).visible,
                         view->timerOn),
              std::tuple(view->centredTop(Control::Lbl_NoAuction), true, false, false));
    EXPECT_EQ(std::tuple(view->shown, view->helpFile, fake->transfer.executes),
              std::tuple(true, "zeitfang.chm", 0));
    EXPECT_EQ(std::tuple(IsClockOnly({"-time"}), IsClockOnly({"-time", "x"}), IsClockOnly({}),
                         IsClockOnly({"x", "-time"})),
              std::tuple(true, false, false, false));
}

TEST_F(EngineTest, EachDisplayStateAfterTheTakeOver) {
    const std::string item = "Espressokanne aus Aluminium, 6 Tassen ",
                      watching = item + " Zeitfang";
    for (const auto& [r, text, size, colour, period, running, caption] :
         {std::tuple{2 * 86400 + 7 * 3600, "2 Tage\r\n7 Stunden", 12, 0u, 500, true, watching},
          {86400 - 1, "23 Stunden\r\n59 Minuten", 12, 0u, 500, true, watching},
          {3600 - 1, "59 Minuten\r\n59 Sekunden", 12, 0u, 200, true, watching},
          {59, "59", 13, 0u, 1000, true, " >>59<<"s},
          {1, "1", 71, RGB(232, 0, 0), 1000, true, " >>1<<"s},
          {0, "Auktion\r\nbeendet", 16, 0u, 500, false, item},
          {-86400, "Auktion\r\nbeendet", 16, 0u, 500, false, item}}) {
        SetUp();
        addWindow("Zeitfang 1.4.17"); // another copy above the browser
        addAuction(r);
        addWindow("Zeitfang 1.4.17"); // below: not counted
        form->Form1init();
        const RecordingView::Look& zeit = look(Control::LabelZeit);
        EXPECT_EQ(std::tuple(shared->InstanceCount, shared->ItemNumber,
                             look(Control::Lbl_NoAuction).visible,
                             look(Control::Lbl_GoItem).visible, look(Control::Label1).text),
                  std::tuple(1, "1234567890"s, false, true,
                             "endet am " + formatGeneralDateTime(shared->AuctionEnd)));
        EXPECT_EQ(std::tuple(zeit.text, zeit.fontSize, zeit.colour, zeit.visible, zeit.rect.top),
                  std::tuple(text, size, colour, true, view->centredTop(Control::LabelZeit)))
            << r;
        EXPECT_EQ(std::tuple(view->timerOn, view->timerMs, view->windowCaption,
                             std::ranges::count(fake->recorder.flashed, 42u),
                             look(Control::Label2).text),
                  std::tuple(running, period, caption, r > 0 && r < 60 ? 1 : 0,
                             r == 3599 ? formatGeneralDateTime(now()) : "Label2gdfg "))
            << r;
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
    fake->recorder.windows.clear();
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
        stored("warnton") = warnton;
        stored("warntonsek") = warntonsek;
        std::string shownDuringTones;
        addAuction(r + 1);
        form->Form1init();
        fake->recorder.onBeep = [&] { shownDuringTones = look(Control::LabelZeit).text; };
        fake->recorder.tones.clear();
        at(r);
        form->Timer1_Timer();
        EXPECT_EQ(fake->recorder.tones, sounds ? alarm : decltype(alarm){}) << r;
        EXPECT_EQ(shownDuringTones, sounds ? countdownFor(r + 1).text : "") << r;
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
    EXPECT_TRUE(fake->recorder.opened.empty());
    form->Form_MouseMove();
    for (Control c : labels)
        EXPECT_EQ(looks(c), std::pair(RGB(0, 0, 255), false));

    addAuction(3600);
    form->Lbl_GetArtikel_Click();
    form->Lbl_GoItem_MouseMove();
    EXPECT_TRUE(look(Control::Lbl_GoItem).underline);
    form->Lbl_GoItem_Click();
    shared->ItemNumber = "AZaz09-._~ 3/4ä@[`{";
    form->Lbl_GoItem_Click();
    EXPECT_EQ(
        fake->recorder.opened,
        (std::vector<std::string>{"http://cgi.ebay.de/ws/eBayISAPI.dll?ViewItem&item=1234567890",
                                  "http://cgi.ebay.de/ws/eBayISAPI.dll?ViewItem&item="
                                  "AZaz09-._~%203%2F4%C3%A4%40%5B%60%7B"}));
    bool hoverWhileOpen = true;
    view->onOptions = [&](frmOptions&) { hoverWhileOpen = look(Control::Lbl_Optionen).underline; };
    form->Lbl_Optionen_MouseMove();
    form->Lbl_Optionen_Click();
    EXPECT_FALSE(hoverWhileOpen);
}

TEST_F(EngineTest, SyncSetsTimeOfDayThenDateAndSaysSo) {
    form->Form1init();
    serve("<html>kaputt</html>");
    form->Lbl_GetTime_Click();
    EXPECT_EQ(fake->transfer.lastUrl + fake->transfer.lastHeaders,
              "http://cgi1.ebay.de/aw-cgi/eBayISAPI.dll?TimeShow"
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
    // The "-time" mode's exit status.
    for (const auto& [page, status] :
         {std::pair{"Offizielle Zeit:   08.11.2004 14:05:33 MEZ<br>", 0}, {"", 1}}) {
        serve(page);
        EXPECT_EQ(RunClockOnly(fake->transfer, fake->clock, fake->transfer), status) << page;
    }
    EXPECT_EQ(view->messages.size(), 3u);
}

TEST_F(EngineTest, StartUpSyncOnlyForSynconstartOneWithTheTimerOffMeanwhile) {
    for (const char* synconstart : {"1", "0", "2", "-1"}) {
        SetUp();
        stored("synconstart") = synconstart;
        stored("msgonsync") = "0";
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

TEST_F(EngineTest, ClosingDuringTheStartUpSyncEndsItUnanswered) {
    stored("synconstart") = "1";
    addAuction(3 * 86400);
    serve("Offizielle Zeit:   08.11.2004 14:05:33 MEZ<br>", [this] { form->Form_Unload(); });
    StartMainWindow(*form);
    EXPECT_EQ(std::tuple(form->closed(), view->timerOn, view->messages.size(),
                         fake->clock.timesOfDaySet.size(), stored("Left")),
              std::tuple(true, false, 0u, 0u, "0"s));
    form->Lbl_GetTime_Click(); // nothing starts after the close
    EXPECT_EQ(fake->transfer.executes, 1);
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
            stored(keys[i]) = texts[static_cast<std::size_t>(i)];
        addWindow("Zeitfang 1.4.17");
        addWindow("Notizen - Zeitfang");
        form->Form1init();
        EXPECT_EQ(view->normal, (TwipsRect{2100, 1800, 4500, 3000.5}));
        EXPECT_EQ(view->state, state);
    }
    SetUp();
    stored("Left") = "1500";
    stored("Width") = "0";
    stored("WindowState") = "3";
    view->state = 2;
    form->Form1init();
    EXPECT_EQ(std::pair(view->normal, view->state), std::pair(TwipsRect{}, 0));
}

} // namespace
