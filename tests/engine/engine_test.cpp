#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ranges>
#include <set>

#include "app/form1.h"
#include "app/startup.h"
#include "base/utf.h"
#include "fakes/fake_platform.h"
#include "options/frm_options.h"

using namespace std::string_literals;

namespace {

using C = Control;

// Keeps what the engine last asked of each control, the window and the options dialog. A text
// measures 100 twips a character of its longest line and 200 twips a line.
struct RecordingView : Form1View {
    struct Look {
        std::string text;
        bool visible = true, underline = false;
        double fontSize = 0;
        Colour colour = 0;
        TwipsRect rect;
    };
    std::map<Control, Look> looks;
    std::string windowCaption, seconds, announced;
    bool timerOn = false, shown = false, unloaded = false, hoverWhileOptions = true;
    int timerMs = 0, timerStarts = 0, optionsShown = 0;
    std::function<void()> whileOptions; // once, in the next dialog shown
    WindowState state = WindowState::Normal;
    TwipsRect normal, dialogAt;
    std::vector<std::pair<std::string, MessageIcon>> messages;
    std::map<OptionsControl, CheckState> checks;
    std::optional<OptionsControl> optionsFocus;
    std::optional<Control> focus, cue;
    bool cuesAlways = false;

    void setCaption(const std::string& caption) override { windowCaption = caption; }
    void setCaption(Control c, const std::string& text) override { looks[c].text = text; }
    void setControlVisible(Control c, bool on) override { looks[c].visible = on; }
    void setFontSize(Control c, double points) override { looks[c].fontSize = points; }
    void setColour(Control c, Colour colour) override { looks[c].colour = colour; }
    void setUnderline(Control c, bool on) override { looks[c].underline = on; }
    void showFocusCue(std::optional<Control> c) override { cue = c; }
    bool focusCuesAlways() const override { return cuesAlways; }
    TwipsSize textExtent(Control c) const override {
        double longest = 0, lines = 0;
        for (const auto line : std::views::split(looks.at(c).text, "\r\n"s))
            longest = std::max(longest, 100.0 * std::ranges::distance(line)), ++lines;
        return {longest, 200 * lines};
    }
    void placeControl(Control c, const TwipsRect& r) override { looks[c].rect = r; }
    void announce(const std::string& text) override { announced += text + "|"; }
    void startTimer(int ms) override { timerOn = true, timerMs = ms, ++timerStarts; }
    void stopTimer() override { timerOn = false; }
    void messageBox(std::string_view title, const std::string& text, MessageIcon icon) override {
        messages.emplace_back(std::string(title) + ": " + text, icon);
    }
    void setFocus(Control c) override { focus = c; }
    std::optional<Control> focusedControl() const override { return focus; }
    TwipsSize twipsPerPixel() const override { return {15, 12}; }
    std::unique_ptr<OptionsView> newOptionsView() override;
    std::uint32_t handle() const override { return 42; }
    TwipsRect normalRect() const override { return normal; }
    void placeNormal(const TwipsRect& r) override { normal = r; }
    WindowState placementState() const override { return state; }
    void setPlacementState(WindowState s) override { state = s; }
    void showWindow() override { shown = true; }
};

// The options dialog, keeping what it is asked in the main window's record.
struct RecordingOptions : OptionsView {
    RecordingView& v;
    explicit RecordingOptions(RecordingView& view) : v(view) {}
    void setValue(OptionsControl box, CheckState s) override { v.checks[box] = s; }
    void setWarnTonSekText(const std::string& text) override { v.seconds = text; }
    std::string warnTonSekText() const override { return v.seconds; }
    CursorPosition cursorPosition() const override { return {400, 300}; }
    TwipsSize twipsPerPixel() const override { return {15, 12}; }
    void moveDialog(double left, double top) override { v.dialogAt = {left, top, 0, 0}; }
    void messageBox(std::string_view title, const std::string& text, MessageIcon icon) override {
        v.messageBox(title, text, icon);
    }
    void setFocus(OptionsControl c) override { v.optionsFocus = c; }
    std::optional<OptionsControl> focusedControl() const override { return v.optionsFocus; }
    void showModal(WindowController<OptionsControl>&) override {
        v.hoverWhileOptions = v.looks[Control::Lbl_Optionen].underline;
        if (++v.optionsShown, v.whileOptions)
            std::exchange(v.whileOptions, nullptr)();
    }
    void unload() override { v.unloaded = true; }
};

std::unique_ptr<OptionsView> RecordingView::newOptionsView() {
    return std::make_unique<RecordingOptions>(*this);
}

// The engine's main window over a recording view and fake services; table rows take a fresh one.
struct Rig {
    FakePlatform fake;
    SharedState shared;
    RecordingView view;
    Form1 form{view, fake.platform, shared};

    RecordingView::Look& look(Control c) { return view.looks[c]; }
    std::string& stored(std::string key) { return fake.store.values["Orvikwerk/Kairola/" + key]; }
    void addWindow(const std::string& title, std::uint32_t style = kStyleVisible | kStyleBorder) {
        fake.recorder.windows.push_back({7, style, decodeUtf8(title)});
    }
    // The clock `seconds` before the end of the auction that addAuction shows.
    void at(std::int64_t seconds) {
        fake.clock.current = DateTime{fromCivil({2026, 12, 7, 12, 0, 0, {}}).seconds - seconds};
    }
    void addAuction(std::int64_t seconds) {
        at(seconds);
        addWindow("eBay Angebot 1234567890 (endet 07.12.26 12:00:00 MESZ) - Espressokanne aus "
                  "Aluminium, 6 Tassen - Chromium");
    }
};
struct EngineTest : ::testing::Test, Rig {};

const std::string kTimePage = "Offizielle Zeit:   08.11.2004 14:05:33 MEZ<br>";

TEST_F(EngineTest, StartUpTakesTheAuctionOverAndLaterCapturesStartAfresh) {
    addWindow("Zeitfang 1.4.17", kStyleVisible); // no border: not counted
    addAuction(86400 - 1);
    startMainWindow(form);
    EXPECT_EQ(std::tuple(form.key(Key::F1), form.key(Key::Escape)), std::tuple(true, false));
    fake.recorder.existingFile = "/opt/zeitfang/zeitfang.chm"; // not there before: nothing opened
    form.key(Key::F1);
    const AppSettingsRecord& s = shared.AppSettings;
    EXPECT_EQ(std::tuple(s.msgonsync, s.synconstart, s.warnton, s.warntonsek, shared.InstanceCount,
                         shared.WindowStyleMask, fake.store.values.size()),
              std::tuple(1, 0, 1, 60, 0, 0x10800000u, 0u));
    EXPECT_EQ(std::pair(view.shown, fake.recorder.opened),
              std::pair(true, std::vector{"/opt/zeitfang/zeitfang.chm"s}));
    EXPECT_EQ(std::tuple(shared.ItemNumber, look(C::Lbl_NoAuction).visible,
                         look(C::Lbl_GoItem).visible, look(C::Label1).text),
              std::tuple("1234567890"s, false, true, "endet am 07.12.2026 12:00:00"s));

    RecordingView::Look& zeit = look(C::LabelZeit);
    zeit.colour = rgb(0, 255, 0);
    const int starts = view.timerStarts;
    at(86400 - 2); // the same text, the same pace: nothing touched, the timer keeps its phase
    form.timer();
    EXPECT_EQ(std::tuple(zeit.colour, view.timerMs, view.timerStarts),
              std::tuple(rgb(0, 255, 0), 500, starts));
    at(30);
    form.timer();
    at(75); // the clock set back out of the final minute
    form.timer();
    EXPECT_EQ(std::tuple(zeit.text, zeit.fontSize, zeit.colour, view.windowCaption, view.announced),
              std::tuple("1 Minute\r\n15 Sekunden"s, 12.0, rgb(0, 0, 0), " >>30<<"s,
                         "Letzte Minute|Letzte Stunde|"s));
    form.click(C::Lbl_GetArtikel); // taken over again within the same second
    EXPECT_TRUE(zeit.visible);

    fake.recorder.windows.clear();
    form.click(C::Lbl_GetArtikel); // nothing found: the hint, but the item and its link stay
    EXPECT_EQ(std::tuple(view.windowCaption, look(C::Label1).text, shared.ItemNumber,
                         look(C::Lbl_GoItem).visible),
              std::tuple(" Zeitfang 1.4.17"s, "Kein Artikel gewählt."s, "1234567890"s, true));
    // The hint wrapped at its width and centred on Shape2 instead of the countdown.
    const RecordingView::Look& hint = look(C::Lbl_NoAuction);
    EXPECT_EQ(
        std::tuple(hint.text, hint.rect, hint.visible, zeit.visible, view.timerOn),
        std::tuple("Öffnen Sie den Artikel,\r\nauf den Sie bieten\r\nmöchten, in Ihrem\r\nWeb-"
                   "Browser und\r\nklicken Sie auf\r\n'Artikel übernehmen'"s,
                   TwipsRect{201, 1087.5, 1845, 1200}, true, false, false));
    addWindow("eBay Angebot 1234567890 (endet bald, sehr bald MESZ) - Espressokanne");
    form.click(C::Lbl_GetArtikel);
    EXPECT_EQ(std::tuple(look(C::Label1).text, hint.visible, view.timerOn, view.announced),
              std::tuple("Auktionsende nicht lesbar."s, true, false,
                         "Letzte Minute|Letzte Stunde|Espressokanne aus Aluminium, 6 Tassen, 1 "
                         "Minute 15 Sekunden|Kein Artikel gewählt.|Auktionsende nicht lesbar.|"s));
}

TEST_F(EngineTest, EachDisplayStateAfterTheTakeOver) {
    const std::string item = "Espressokanne aus Aluminium, 6 Tassen ",
                      watching = item + " Zeitfang";
    for (const auto& [r, text, size, colour, period, running, caption, heard, left] :
         {std::tuple{2 * 86400 + 7 * 3600, "2 Tage\r\n7 Stunden", 12, 0u, 500, true, watching, "",
                     "2 Tage 7 Stunden"},
          {3600 - 1, "59 Minuten\r\n59 Sekunden", 12, 0u, 200, true, watching, "Letzte Stunde|",
           "59 Minuten 59 Sekunden"},
          {1, "1", 71, rgb(232, 0, 0), 1000, true, " >>1<<"s, "Letzte Minute|", "1 Sekunden"},
          {0, "Auktion\r\nbeendet", 16, 0u, 500, false, item, "Auktion beendet|",
           "Auktion beendet"}}) {
        Rig t;
        t.addAuction(r);
        t.form.Form1init();
        const RecordingView::Look& zeit = t.look(C::LabelZeit);
        // Fitted around its design's centre on Shape2; the refresh's time only in the last hour.
        const TwipsRect& at = zeit.rect;
        EXPECT_EQ(std::tuple(zeit.text, zeit.fontSize, zeit.colour, zeit.visible,
                             at.left + at.width / 2, at.top + at.height / 2),
                  std::tuple(text, size, colour, true, 1207.5, 1687.5))
            << r;
        EXPECT_EQ(std::tuple(t.view.timerOn, t.view.timerMs, t.view.windowCaption,
                             std::ranges::count(t.fake.recorder.flashed, 42u),
                             t.look(C::Label2).text, t.view.announced),
                  std::tuple(running, period, caption, r > 0 && r < 60 ? 1 : 0,
                             r == 3599 ? "07.12.2026 11:00:01" : "", heard))
            << r;
        t.view.announced.clear();
        t.form.click(C::Lbl_GetArtikel); // heard as a whole, the state not besides
        EXPECT_EQ(t.view.announced, "Espressokanne aus Aluminium, 6 Tassen, "s + left + "|") << r;
    }
}

TEST_F(EngineTest, AlarmSoundsAtTheChosenSecondBeforeTheDisplay) {
    const std::vector<std::pair<int, int>> alarm = {
        {900, 80}, {950, 80}, {900, 80}, {950, 80}, {900, 700}};
    const std::tuple<const char*, const char*, int, bool> rows[] = {
        {"1", "30", 30, true},  {"1", "30", 31, false}, {"1", "30", 29, false},
        {"2", "30", 30, false}, {"0", "30", 30, false}, {"1", "0", 0, true},
        {"1", "90", 90, true}};
    for (const auto& [warnton, warntonsek, r, sounds] : rows) {
        Rig t;
        t.stored("warnton") = warnton;
        t.stored("warntonsek") = warntonsek;
        t.addAuction(r);
        t.look(C::LabelZeit).text = "34"; // the design's, as the shell shows it
        std::string shownDuringTones;
        t.fake.recorder.onBeep = [&] { shownDuringTones = t.look(C::LabelZeit).text; };
        t.form.Form1init();
        EXPECT_EQ(t.fake.recorder.tones, sounds ? alarm : decltype(alarm){}) << r;
        EXPECT_EQ(shownDuringTones, sounds ? "34" : "") << r; // still the text before the refresh
    }
}

TEST_F(EngineTest, CommandLabelsLookAndActLikeLinks) {
    const Control labels[] = {C::Lbl_GetTime, C::Lbl_GetArtikel, C::Lbl_Optionen};
    const auto looks = [&](Control c) { return std::pair(look(c).colour, look(c).underline); };
    // The item's link without an item stays as it is; a label without a handler changes nothing.
    for (Control c : {C::Lbl_GetTime, C::Lbl_GetArtikel, C::Lbl_Optionen, C::Lbl_GoItem, C::Label1})
        form.mouseMove(c);
    form.Form1init();
    form.click(C::Lbl_GoItem); // says why it does nothing
    for (Control c : labels)
        EXPECT_EQ(looks(c), std::pair(rgb(255, 0, 0), true));
    EXPECT_EQ(std::tuple(looks(C::Lbl_GoItem), fake.recorder.opened.size(), view.announced),
              std::tuple(std::pair(Colour{0}, false), 0ul, "Kein Artikel gewählt.|"s));
    form.mouseMove(C::Shape2); // a box is the window's own surface
    for (Control c : labels)
        EXPECT_EQ(looks(c), std::pair(rgb(0, 0, 255), false));
    form.mouseMove(C::Lbl_GetTime);
    form.mouseMove(std::nullopt); // the window's surface between the boxes
    EXPECT_EQ(looks(C::Lbl_GetTime), std::pair(rgb(0, 0, 255), false));
    shared.ItemNumber = "AZaz09-._~ 3/4ä@[`{";
    form.mouseMove(C::Lbl_GoItem);
    form.click(C::Lbl_GoItem);
    EXPECT_TRUE(look(C::Lbl_GoItem).underline);
    EXPECT_EQ(fake.recorder.opened, std::vector{"http://cgi.ebay.de/ws/eBayISAPI.dll?ViewItem&item="
                                                "AZaz09-._~%203%2F4%C3%A4%40%5B%60%7B"s});
    form.mouseMove(C::Lbl_Optionen);
    // A screen reader's actions while the dialog is open: none runs.
    view.whileOptions = [&] { form.click(C::Lbl_Optionen), form.click(C::Lbl_GoItem); };
    form.click(C::Lbl_Optionen);
    EXPECT_EQ(std::tuple(view.hoverWhileOptions, view.optionsShown, fake.recorder.opened.size()),
              std::tuple(false, 1, 1ul));

    // The keyboard moves the focus round the commands from top to bottom; once a key has been
    // used the focused one wears the focus cue, the hover look only where the mouse left it.
    const auto lit = [&] {
        std::vector<Control> on;
        for (Control c : {C::Lbl_GoItem, C::Lbl_GetTime, C::Lbl_Optionen, C::Lbl_GetArtikel})
            if (looks(c) == std::pair(rgb(255, 0, 0), true))
                on.push_back(c);
        return on;
    };
    form.mouseMove(std::nullopt);
    form.show();
    EXPECT_EQ(std::tuple(view.focus, view.cue, lit()),
              std::tuple(std::optional(C::Lbl_GoItem), std::nullopt, std::vector<Control>{}));
    for (const auto& [key, focus] : {std::pair{Key::Tab, C::Lbl_GetTime},
                                     {Key::Tab, C::Lbl_Optionen},
                                     {Key::Tab, C::Lbl_GetArtikel},
                                     {Key::Tab, C::Lbl_GoItem},
                                     {Key::BackTab, C::Lbl_GetArtikel}}) {
        EXPECT_TRUE(form.key(key));
        EXPECT_EQ(std::tuple(view.focus, view.cue, lit()),
                  std::tuple(std::optional(focus), std::optional(focus), std::vector<Control>{}));
    }
    form.key(Key::Enter); // "Artikel übernehmen": no auction in the browser now
    EXPECT_EQ(look(C::Label1).text, "Kein Artikel gewählt.");
    form.key(Key::BackTab);
    form.key(Key::Space); // "zu den Optionen": normal while open, the cue again once closed
    EXPECT_EQ(std::tuple(view.hoverWhileOptions, view.cue, lit()),
              std::tuple(false, std::optional(C::Lbl_Optionen), std::vector<Control>{}));
    form.mouseMove(std::nullopt); // the cue hidden until the next key, a click not one
    form.click(C::Lbl_Optionen);
    form.mouseMove(C::Lbl_GetTime);
    EXPECT_EQ(std::pair(view.cue, lit()),
              std::pair(std::optional<Control>(), std::vector{C::Lbl_GetTime}));
    form.key(Key::Tab);
    EXPECT_EQ(std::pair(view.cue, lit()),
              std::pair(std::optional(C::Lbl_GetArtikel), std::vector{C::Lbl_GetTime}));
    view.cuesAlways = true; // as the desktop is set: from the start, and the mouse keeps it
    form.show();
    form.mouseMove(std::nullopt);
    EXPECT_EQ(view.cue, std::optional(C::Lbl_GoItem));
}

TEST_F(EngineTest, SyncSetsDateAndTimeAndSaysSoOnceTheSystemHasAnswered) {
    form.Form1init();
    fake.transfer.page = kTimePage;
    fake.clock.asks = true; // a password dialog: a click and no message while it is open
    fake.clock.answer = SystemClock::SetResult::Refused; // cancelled, and still said so
    std::size_t messagesWhileAsked = 9;
    fake.clock.during = [this, &messagesWhileAsked] {
        form.click(C::Lbl_GetTime);
        messagesWhileAsked = view.messages.size();
    };
    form.click(C::Lbl_GetTime);
    EXPECT_EQ(fake.transfer.lastUrl + fake.transfer.lastHeaders,
              "http://cgi1.ebay.de/aw-cgi/eBayISAPI.dll?TimeShow"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n");
    fake.transfer.page = ""; // unreadable: nothing set, the last message again
    form.click(C::Lbl_GetTime);
    EXPECT_EQ(std::tuple(fake.transfer.executes, messagesWhileAsked), std::tuple(2, 0u));
    // The page's zone word says which instance of a repeated autumn hour is meant.
    EXPECT_EQ(fake.clock.sets, (std::vector{CivilTime{2004, 11, 8, 14, 5, 35, false}}));
    fake.transfer.page = kTimePage;
    Rig ended; // the session ends while the dialog is open: no message
    ended.stored("msgonsync") = "1";
    ended.form.Form1init();
    ended.fake.clock.during = [&ended] {
        ended.fake.clock.answer = SystemClock::SetResult::Pending;
        ended.fake.transfer.ending = true;
    };
    ended.fake.transfer.page = "Offizielle Zeit:   08.11.2004 14:05:33 MESZ";
    ended.fake.clock.asks = true;
    ended.form.click(C::Lbl_GetTime);
    EXPECT_EQ(std::pair(ended.view.messages.size(), ended.fake.clock.sets[0].summerTime),
              std::pair(std::size_t{0}, std::optional(true)));
    fake.clock.during = [this] { form.close(); }; // closed while the dialog is open
    form.click(C::Lbl_GetTime);
    EXPECT_EQ(view.messages,
              std::vector(
                  2, std::pair("Zeitfang: Die Systemuhr wurde aktualisiert."s, MessageIcon::None)));
    // "-time" ends with 0 only when the clock was set, and otherwise says why in a line of its own.
    using R = SystemClock::SetResult;
    std::set<std::string> told;
    const auto tell = [&told](const std::string& line) { told.insert(line); };
    for (const auto answer :
         {R::Set, R::Refused, R::AutomaticSync, R::NotAuthorized, R::GaveUp, R::NotElevated}) {
        fake.clock.answer = answer;
        EXPECT_EQ(runClockOnly(fake.transfer, fake.clock, fake.transfer, tell),
                  answer == R::Set ? 0 : 1);
    }
    fake.clock.answer = R::Set;
    fake.transfer.page = "";
    EXPECT_EQ(runClockOnly(fake.transfer, fake.clock, fake.transfer, tell), 1);
    EXPECT_EQ(std::ranges::count_if(told, [](auto& t) { return t.starts_with("Zeitfang: "); }), 6);
}

TEST_F(EngineTest, StartUpSyncOnlyForSynconstartOneWithTheTimerOffUntilItEnds) {
    for (const char* synconstart : {"1", "0", "2", "-1"}) {
        Rig t;
        t.stored("synconstart") = synconstart;
        t.stored("msgonsync") = "0";
        t.addAuction(3 * 86400);
        t.fake.transfer.page = kTimePage;
        t.fake.clock.asks = true;
        bool timerWhileAsked = true; // the countdown stands while the password is asked
        t.fake.clock.during = [&t, &timerWhileAsked] { timerWhileAsked = t.view.timerOn; };
        startMainWindow(t.form);
        EXPECT_EQ(std::tuple(t.fake.transfer.executes, t.view.timerOn, t.view.messages.size(),
                             timerWhileAsked),
                  std::tuple(synconstart == "1"s ? 1 : 0, true, 0u, synconstart != "1"s))
            << synconstart;
    }
    // Closed during the wait: the answer goes unused and the timer stays off.
    stored("synconstart") = "1";
    addAuction(3 * 86400);
    fake.transfer.page = kTimePage;
    fake.transfer.during = [this] { form.close(); };
    EXPECT_EQ(runMainWindow(form, fake.transfer), 0);
    EXPECT_EQ(std::tuple(form.closed(), view.timerOn, view.messages.size(), fake.clock.sets.size()),
              std::tuple(true, false, 0u, 0u));
    form.click(C::Lbl_GetTime); // nothing starts after the close
    EXPECT_EQ(fake.transfer.executes, 1);
}

TEST_F(EngineTest, OptionsShowTheSettingsAndValidateTheSeconds) {
    shared.AppSettings = {1, 0, 2, -7};
    RecordingOptions dialog(view);
    frmOptions options(dialog, shared.AppSettings, fake.platform.settings);
    options.show();
    using O = OptionsControl;
    EXPECT_EQ(std::tuple(view.dialogAt, view.seconds, view.checks, view.optionsFocus),
              std::tuple(TwipsRect{400 * 15 - 500, 300 * 12 - 1800, 0, 0}, "-7"s,
                         std::map<O, CheckState>{{O::Check_msgonsync, CheckState::Checked},
                                                 {O::Check_synconstart, CheckState::Unchecked},
                                                 {O::Check_Warnton, CheckState::Greyed}},
                         O::cmdOK));
    for (const auto& [focus, key] :
         {std::pair{O::cmdCancel, Key::Enter}, {O::cmdOK, Key::Escape}}) {
        view.optionsFocus = focus; // Enter on a focused Abbrechen, Esc anywhere
        view.unloaded = false;
        EXPECT_TRUE(options.key(key));
        EXPECT_EQ(std::pair(view.unloaded, fake.store.values.size()), std::pair(true, 0ul));
    }
    view.unloaded = false;
    options.click(O::Check_msgonsync);
    options.click(O::Check_synconstart);
    options.click(O::cmdOK); // -7 is refused, the boxes act all the same; a greyed one keeps 2
    const AppSettingsRecord& s = shared.AppSettings;
    EXPECT_EQ(std::tuple(s.msgonsync, s.synconstart, s.warnton, s.warntonsek, view.unloaded,
                         fake.store.values.size(), view.messages),
              std::tuple(0, 1, 2, -7, false, 0ul,
                         std::vector{std::pair("Zeitfang: Es sind nur Zahlen grösser 0 zulässig!"s,
                                               MessageIcon::Information)}));
    options.click(O::Check_Warnton); // greyed, then ticked: an ordinary box
    view.seconds = " 2,5 ";
    view.optionsFocus = O::Txt_WarnTonSek;
    options.key(Key::Enter);
    EXPECT_EQ(std::tuple(view.unloaded, fake.store.values.size(), stored("msgonsync"),
                         stored("synconstart"), stored("warnton"), stored("warntonsek")),
              std::tuple(true, 4u, "0"s, "1"s, "1"s, "2"s));
}

TEST_F(EngineTest, PlacementIsSavedInTwipsAndRestoredShifted) {
    view.normal = {1500, 1200, 4500, 3000.5};
    view.state = WindowState::Maximized;
    form.close();
    EXPECT_EQ((std::vector{stored("Left"), stored("Top"), stored("Width"), stored("Height"),
                           stored("WindowState")}),
              (std::vector<std::string>{"1500", "1200", "4500", "3000,5", "2"}));
    const TwipsRect shifted{2100, 1800, 4500, 3000.5}; // by two other copies
    using W = WindowState;
    for (const auto& [state, width, restored, rect] :
         {std::tuple{"1", "4500", W::Minimized, shifted},
          {"2", "4500", W::Maximized, shifted},
          {"3", "0", W::Normal, TwipsRect{}},
          {"x", "-5", W::Normal, TwipsRect{2100, 1800, 15, 3000.5}}}) { // a pixel at least
        Rig t;
        t.fake.store.values = fake.store.values;
        t.stored("WindowState") = state;
        t.stored("Width") = width;
        t.view.state = static_cast<WindowState>(5);
        t.addWindow("Zeitfang 1.4.17");
        t.addWindow("Notizen - Zeitfang");
        t.form.Form1init();
        EXPECT_EQ(std::pair(t.view.normal, t.view.state), std::pair(rect, restored)) << state;
    }
}

} // namespace
