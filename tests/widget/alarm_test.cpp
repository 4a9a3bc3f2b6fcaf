#include "tests/widget/form1_fixture.h"

#include <optional>

namespace {

using Tones = std::vector<std::pair<int, int>>;
const Tones AlarmTones = {{900, 80}, {950, 80}, {900, 80}, {950, 80}, {900, 700}};
const QString Ended = QStringLiteral("Auktion\r\nbeendet");

class AlarmTest : public Form1Test {
  protected:
    std::optional<std::int64_t> currentR; // the remaining time of the refresh under way
    std::vector<std::int64_t> soundedAt;  // R of every tone
    QStringList labelDuringTones;

    // A fresh window watching an auction `lead` seconds ahead, with the given alarm settings.
    void watch(std::int64_t lead, int warnton, int warntonsek,
               const std::string& item = "Espressokanne aus Aluminium, 6 Tassen",
               const std::string& suffix = " - Chromium") {
        fake.store.values[MemoryStore::path("warnton")] = QString::number(warnton);
        fake.store.values[MemoryStore::path("warntonsek")] = QString::number(warntonsek);
        fake.windows.windows.clear();
        fake.speaker.tones.clear();
        soundedAt.clear();
        labelDuringTones.clear();
        addAuction(lead, item, suffix);
        form = std::make_unique<Form1>(fake.platform, shared);
        fake.speaker.onBeep = [this] {
            soundedAt.push_back(currentR.value_or(-999999));
            labelDuringTones << form->LabelZeit->caption();
        };
        currentR = lead;
        form->Form1init();
    }
    void tick(std::int64_t r) {
        currentR = r;
        at(r);
        form->Timer1_Timer();
    }
};

TEST_F(AlarmTest, SoundsOnceAtTheRefreshThatFindsItsSeconds) {
    struct Row {
        int warntonsek;
        const char* shownDuring; // the previous refresh's text stays up while the tones sound
        const char* shownAfter;
        int period; // 0: the timer is off
    };
    const Row rows[] = {
        {30, "31", "30", 1000},
        {90, "1 Minute\r\n31 Sekunden", "1 Minute\r\n30 Sekunden", 200},
        {0, "1", "Auktion\r\nbeendet", 0},
        {59, "1 Minute\r\n0 Sekunden", "59", 1000},
    };
    for (const Row& row : rows) {
        watch(row.warntonsek + 5, 1, row.warntonsek);
        for (std::int64_t r = row.warntonsek + 2; r >= std::max(row.warntonsek - 2, 0); --r) {
            tick(r);
            if (r == row.warntonsek) {
                EXPECT_EQ(form->LabelZeit->caption(), row.shownAfter) << row.warntonsek;
                EXPECT_EQ(form->Timer1->isActive() ? form->Timer1->interval() : 0, row.period)
                    << row.warntonsek;
            }
        }
        EXPECT_EQ(fake.speaker.tones, AlarmTones) << row.warntonsek;
        EXPECT_EQ(soundedAt, std::vector<std::int64_t>(5, row.warntonsek)) << row.warntonsek;
        EXPECT_EQ(labelDuringTones, QStringList(5, row.shownDuring)) << row.warntonsek;
    }
}

TEST_F(AlarmTest, SilentForWarntonOtherThanOneOrARefreshThatSkipsTheSecond) {
    const std::vector<std::int64_t> through = {32, 31, 30, 29, 0};
    const std::pair<int, std::vector<std::int64_t>> rows[] = {
        {0, through}, {2, through}, {-1, through}, {256, through}, {1, {32, 31, 29, 28, 10, 0}}};
    for (const auto& [warnton, ticks] : rows) {
        watch(40, warnton, 30);
        for (const std::int64_t r : ticks)
            tick(r);
        EXPECT_TRUE(fake.speaker.tones.empty()) << warnton;
    }
}

TEST_F(AlarmTest, EveryRefreshThatFindsTheSecondsSoundsAgain) {
    watch(40, 1, 30);
    tick(30);
    form->Lbl_GetArtikel_Click(); // a capture within the same second
    EXPECT_EQ(soundedAt, std::vector<std::int64_t>(10, 30));
}

TEST_F(AlarmTest, CapturedAtItsSecondsSoundsBeforeTheFirstDisplay) {
    watch(-3, 1, -3); // ended three seconds ago, exactly the negative alarm seconds
    EXPECT_EQ(soundedAt, std::vector<std::int64_t>(5, -3));
    EXPECT_EQ(labelDuringTones.size(), 5);
    EXPECT_NE(labelDuringTones.front(), Ended);
    EXPECT_EQ(form->LabelZeit->caption(), Ended);
}

TEST_F(AlarmTest, FinalMinuteWritesTheSecondsIntoTheCaptionThenFlashes) {
    watch(75, 0, 0);
    const QString watching = form->caption();
    QStringList seenAtFlash;
    fake.attention.onFlash = [&] {
        seenAtFlash << form->caption() + "|" + form->LabelZeit->caption() + "|" +
                           (form->LabelZeit->isVisible() ? "visible" : "hidden");
    };
    tick(60);
    EXPECT_EQ(form->caption(), watching);
    EXPECT_EQ(fake.attention.flashes, 0);
    form->show();
    const std::pair<std::int64_t, const char*> captions[] = {
        {42, " >>42<<"}, {7, " >>7<<"}, {59, " >>59<<"}, {1, " >>1<<"}};
    for (const auto& [r, caption] : captions) {
        tick(r);
        EXPECT_EQ(form->caption(), caption) << r;
        EXPECT_EQ(form->windowTitle(), caption) << r;
    }
    EXPECT_EQ(seenAtFlash, QStringList({" >>42<<|42|visible", " >>7<<|7|visible",
                                        " >>59<<|59|visible", " >>1<<|1|visible"}));
    tick(75); // the clock set back out of the final minute: the caption stays
    EXPECT_EQ(form->caption(), " >>1<<");
    EXPECT_EQ(fake.attention.flashes, 4);
}

TEST_F(AlarmTest, TheEndShowsTheItemTitleAloneAndStopsTheTimer) {
    struct Row {
        const char* item;
        const char* suffix;
        const char* caption;
    };
    const Row rows[] = {
        {"Espressokanne aus Aluminium, 6 Tassen", " - Chromium",
         "Espressokanne aus Aluminium, 6 Tassen "},
        {"", "", ""}, // the title ends where the item's name would begin
    };
    for (const Row& row : rows) {
        watch(20, 0, 0, row.item, row.suffix);
        tick(0);
        EXPECT_EQ(form->caption(), row.caption) << row.item;
        EXPECT_EQ(shared.ItemTitle, row.caption) << row.item;
        EXPECT_FALSE(form->Timer1->isActive()) << row.item;
        const int flashes = fake.attention.flashes;
        tick(-5);
        EXPECT_EQ(fake.attention.flashes, flashes) << row.item;
    }
}

} // namespace
