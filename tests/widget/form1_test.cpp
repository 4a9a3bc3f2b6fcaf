#include "tests/widget/form1_fixture.h"

#include "platform/logic/german_format.h"

namespace {

TEST_F(Form1Test, DesignLayoutMatchesTheTwips) {
    struct Rect {
        const char* name;
        QWidget* control;
        int left, top, width, height;
    };
    const Rect rects[] = {
        {"Shape1", form->Shape1, 2280, 720, 1815, 1935},
        {"Shape2", form->Shape2, 120, 720, 2055, 1935},
        {"Shape3", form->Shape3, 120, 120, 3975, 495},
        {"Lbl_GetTime", form->Lbl_GetTime, 2340, 1360, 1665, 225},
        {"Lbl_GetArtikel", form->Lbl_GetArtikel, 2400, 2160, 1605, 225},
        {"Lbl_Optionen", form->Lbl_Optionen, 2670, 1760, 1335, 225},
        {"Lbl_GoItem", form->Lbl_GoItem, 2730, 960, 1275, 225},
        {"Label1", form->Label1, 405, 240, 3315, 255},
        {"LabelZeit", form->LabelZeit, 960, 1560, 495, 495},
        {"Label2", form->Label2, 360, 720, 840, 195},
        {"Lbl_NoAuction", form->Lbl_NoAuction, 201, 960, 1845, 1440},
    };
    for (const Rect& r : rects) {
        const QRect g = r.control->geometry();
        EXPECT_NEAR(g.x(), r.left / 15.0, 1) << r.name;
        EXPECT_NEAR(g.y(), r.top / 15.0, 1) << r.name;
        EXPECT_NEAR(g.width(), r.width / 15.0, 1) << r.name;
        EXPECT_NEAR(g.height(), r.height / 15.0, 1) << r.name;
    }
    EXPECT_EQ(form->size(), QSize(280, 183));
    // Front to back: each control lies in front of the ones listed after it.
    const QObjectList& children = form->children();
    const QWidget* order[] = {form->Lbl_GetTime,   form->LabelZeit,  form->Lbl_GetArtikel,
                              form->Lbl_Optionen,  form->Lbl_GoItem, form->Label2,
                              form->Label1,        form->Shape1,     form->Shape3,
                              form->Lbl_NoAuction, form->Shape2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        EXPECT_GT(children.indexOf(order[i - 1]), children.indexOf(order[i])) << i;
    EXPECT_EQ(form->Lbl_GoItem->toolTip(), " Öffnet die Artikelbeschreibung bei eBay ");
    EXPECT_EQ(form->Lbl_GetTime->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form->Lbl_GetTime->foreColor(), QColor(0, 0, 255));
    EXPECT_DOUBLE_EQ(form->Label1->font().pointSizeF(), 11.25);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Form1Test, EmptyStoreLoadsDefaultsAndStartUpWritesNothing) {
    form->Form1init();
    const AppSettingsRecord& s = shared.AppSettings;
    EXPECT_EQ(std::tuple(s.msgonsync, s.synconstart, s.warnton, s.warntonsek),
              std::tuple(1, 0, 1, 60));
    EXPECT_TRUE(fake.store.writes.isEmpty());
    EXPECT_EQ(shared.WindowStyleMask, 0x10800000u);
    EXPECT_EQ(form->Shape2->fillColor(), QColor(255, 255, 232));
}

TEST_F(Form1Test, HandEditedSettingsConvertOrFallBack) {
    const std::pair<const char*, std::int16_t> cases[] = {
        {" 2,5 ", 2}, {"3,5", 4}, {"1.000", 1000}, {"-32768", -32768}, {"2", 2},
        {"abc", 60},  {"", 60},   {"40000", 60},   {"32767,5", 60},    {"1e3", 1000},
    };
    for (const auto& [text, expected] : cases) {
        fake.store.values[MemoryStore::path("warntonsek")] = text;
        form->Form1init();
        EXPECT_EQ(shared.AppSettings.warntonsek, expected) << '"' << text << '"';
    }
}

TEST_F(Form1Test, NoAuctionWindowGivesTheNoItemState) {
    addWindow("eBay Angebot ohne Ende");
    addWindow("Zeitfang 1.4.17", WS_VISIBLE); // no border: not counted
    form->Form1init();
    EXPECT_EQ(form->caption(), " Zeitfang 1.4.17");
    EXPECT_EQ(form->Label1->caption(), "Kein Artikel gewählt.");
    EXPECT_TRUE(form->Lbl_NoAuction->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Lbl_NoAuction->caption().startsWith("Öffnen Sie den Artikel,\r\nauf den"));
    EXPECT_EQ(form->Lbl_NoAuction->y(), centredTop(form->Lbl_NoAuction));
    EXPECT_FALSE(form->LabelZeit->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_TRUE(shared.AuctionEnd.isZero());
    EXPECT_EQ(shared.InstanceCount, 0);
}

TEST_F(Form1Test, AuctionWindowIsWatched) {
    addWindow("Zeitfang 1.4.17"); // another copy above the browser
    addAuction(2 * 86400 + 7 * 3600 + 30);
    addWindow("Zeitfang 1.4.17"); // below: not counted
    form->Form1init();
    EXPECT_EQ(form->caption(), "Espressokanne aus Aluminium, 6 Tassen  Zeitfang");
    EXPECT_EQ(form->Label1->caption(),
              "endet am " + QString::fromStdString(formatGeneralDateTime(shared.AuctionEnd)));
    EXPECT_EQ(form->LabelZeit->caption(), "2 Tage\r\n7 Stunden");
    EXPECT_TRUE(form->LabelZeit->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Lbl_NoAuction->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 500);
    EXPECT_EQ(shared.ItemNumber, "1234567890");
    EXPECT_EQ(shared.InstanceCount, 1);
}

TEST_F(Form1Test, EachDisplayStateShowsItsTextSizeColourAndPeriod) {
    struct Row {
        std::int64_t r;
        const char* text;
        double size;
        QColor colour;
        int period;
        bool running;
    };
    const Row rows[] = {
        {2 * 86400 + 7 * 3600, "2 Tage\r\n7 Stunden", 12, Qt::black, 500, true},
        {86400 - 1, "23 Stunden\r\n59 Minuten", 12, Qt::black, 500, true},
        {3600 - 1, "59 Minuten\r\n59 Sekunden", 12, Qt::black, 200, true},
        {59, "59", 13, QColor(0, 0, 0), 1000, true},
        {30, "30", 42, QColor(116, 0, 0), 1000, true},
        {75, "1 Minute\r\n15 Sekunden", 12, Qt::black, 200, true}, // the clock set back
        {1, "1", 71, QColor(232, 0, 0), 1000, true},
        {0, "Auktion\r\nbeendet", 16, Qt::black, 1000, false},
        {-86400, "Auktion\r\nbeendet", 16, Qt::black, 1000, false},
    };
    addAuction(3 * 86400);
    form->Form1init();
    for (const Row& row : rows) {
        at(row.r);
        form->Timer1_Timer();
        EXPECT_EQ(form->LabelZeit->caption(), row.text) << row.r;
        EXPECT_DOUBLE_EQ(form->LabelZeit->font().pointSizeF(), row.size) << row.r;
        EXPECT_EQ(form->LabelZeit->foreColor(), row.colour) << row.r;
        EXPECT_EQ(form->Timer1->isActive(), row.running) << row.r;
        EXPECT_EQ(form->Timer1->interval(), row.period) << row.r;
        EXPECT_EQ(form->LabelZeit->y(), centredTop(form->LabelZeit)) << row.r;
        EXPECT_TRUE(form->LabelZeit->isVisibleTo(form.get())) << row.r;
    }
}

TEST_F(Form1Test, LastHourShowsThePresentTimeInLabel2) {
    addAuction(2 * 3600);
    form->Form1init();
    const QString design = form->Label2->caption();
    form->Timer1_Timer();
    EXPECT_EQ(form->Label2->caption(), design); // not before the last hour
    at(3599);
    form->Timer1_Timer();
    EXPECT_EQ(form->Label2->caption(), QString::fromStdString(formatGeneralDateTime(now())));
}

TEST_F(Form1Test, UnchangedTextTouchesNothingButTheTimer) {
    addAuction(86400 - 1);
    form->Form1init();
    form->LabelZeit->setForeColor(Qt::green);
    form->LabelZeit->move(3, 4);
    form->Timer1->stop();
    form->Timer1->setInterval(77);
    at(86400 - 2); // still 23 Stunden, 59 Minuten
    form->Timer1_Timer();
    EXPECT_EQ(form->LabelZeit->foreColor(), QColor(Qt::green));
    EXPECT_EQ(form->LabelZeit->pos(), QPoint(3, 4));
    EXPECT_TRUE(form->Timer1->isActive());
    EXPECT_EQ(form->Timer1->interval(), 500);
}

TEST_F(Form1Test, NoAuctionRefreshOnlyStopsTheTimer) {
    fake.store.values[MemoryStore::path("warntonsek")] = "0"; // an alarm at R = 0 stays silent
    form->Form1init();
    form->LabelZeit->setCaption("alt");
    form->setCaption("Titel");
    form->Timer1->start();
    form->Update_Label();
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->LabelZeit->caption(), "alt");
    EXPECT_EQ(form->caption(), "Titel");
    EXPECT_TRUE(fake.speaker.tones.empty());
    EXPECT_EQ(fake.attention.flashes, 0);
}

TEST_F(Form1Test, UnreadableEndKeepsTheItemAndSaysSo) {
    addWindow("eBay Angebot 1234567890 (endet bald, sehr bald MESZ) - Espressokanne aus "
              "Aluminium");
    form->Form1init();
    EXPECT_TRUE(shared.AuctionEnd.isZero());
    EXPECT_EQ(form->Label1->caption(), "Auktionsende nicht lesbar.");
    EXPECT_EQ(shared.ItemNumber, "1234567890");
    EXPECT_TRUE(form->Lbl_NoAuction->isVisibleTo(form.get()));
    EXPECT_FALSE(form->LabelZeit->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Timer1->isActive());
    form->Timer1_Timer(); // a stray tick changes nothing
    EXPECT_EQ(form->Label1->caption(), "Auktionsende nicht lesbar.");
}

TEST_F(Form1Test, NewCaptureWithoutTheBrowserKeepsTheItemNumber) {
    addAuction(3600 * 5);
    form->Form1init();
    fake.windows.windows.clear();
    form->Lbl_GetArtikel_Click();
    EXPECT_EQ(form->caption(), " Zeitfang 1.4.17");
    EXPECT_TRUE(shared.AuctionEnd.isZero());
    EXPECT_EQ(shared.ItemNumber, "1234567890");
    EXPECT_TRUE(form->Lbl_GoItem->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Timer1->isActive());
}

} // namespace
