#include "app/app_icon.h"
#include "tests/widget/form1_fixture.h"

namespace {

TEST_F(Form1Test, DesignLayoutColoursAndFonts) {
    const std::pair<QWidget*, QRect> rects[] = {// in twips
                                                {form->Shape1, {2280, 720, 1815, 1935}},
                                                {form->Shape2, {120, 720, 2055, 1935}},
                                                {form->Shape3, {120, 120, 3975, 495}},
                                                {form->Lbl_GetTime, {2340, 1360, 1665, 225}},
                                                {form->Lbl_GetArtikel, {2400, 2160, 1605, 225}},
                                                {form->Lbl_Optionen, {2670, 1760, 1335, 225}},
                                                {form->Lbl_GoItem, {2730, 960, 1275, 225}},
                                                {form->Label1, {405, 240, 3315, 255}},
                                                {form->LabelZeit, {960, 1560, 495, 495}},
                                                {form->Label2, {360, 720, 840, 195}},
                                                {form->Lbl_NoAuction, {201, 960, 1845, 1440}}};
    const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    for (const auto& [control, r] : rects)
        EXPECT_EQ(control->geometry(), QRect(px(r.x()), px(r.y()), px(r.width()), px(r.height())))
            << r.x() << "," << r.y();
    EXPECT_EQ(form->size(), QSize(280, 183));
    const QObjectList& children = form->children(); // front to back
    const QWidget* order[] = {form->Lbl_GetTime,   form->LabelZeit,  form->Lbl_GetArtikel,
                              form->Lbl_Optionen,  form->Lbl_GoItem, form->Label2,
                              form->Label1,        form->Shape1,     form->Shape3,
                              form->Lbl_NoAuction, form->Shape2};
    for (std::size_t i = 1; i < std::size(order); ++i)
        EXPECT_GT(children.indexOf(order[i - 1]), children.indexOf(order[i])) << i;
    EXPECT_EQ(form->Label2->foreColor(), QColor(247, 255, 244));
    EXPECT_EQ(form->LabelZeit->foreColor(), QColor(255, 0, 0));
    EXPECT_EQ(std::tuple(form->LabelZeit->font().pointSizeF(), form->Label1->font().pointSizeF(),
                         form->Lbl_GoItem->font().pointSizeF()),
              std::tuple(21.75, 11.25, 9.0));
    for (const auto& [label, tip] :
         {std::pair{form->Lbl_GetTime, " Synchronisiert die Systemuhr mit dem eBayserver "},
          {form->Lbl_GetArtikel, " Übernimmt den Artikel aus dem Browser "},
          {form->Lbl_Optionen, " Öffnet das Optionsformular "},
          {form->Lbl_GoItem, " Öffnet die Artikelbeschreibung bei eBay "}}) {
        EXPECT_EQ(label->toolTip(), tip);
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(label->foreColor(), QColor(0, 0, 255));
    }
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(std::pair(form->Timer1->isActive(), form->Timer1->interval()), std::pair(true, 500));
    form->Update_Label(); // no auction: the refresh only stops the timer
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(form->LabelZeit->caption(), "34");

    form->Form1init();
    const QImage shown = form->grab().toImage();
    for (const auto& [x, y, colour] : {std::tuple{2, 2, QColor(235, 235, 235)},
                                       {270, 170, QColor(244, 255, 247)},
                                       {9, 170, QColor(255, 255, 232)},
                                       {270, 10, QColor(255, 244, 244)}})
        EXPECT_EQ(shown.pixelColor(x, y), colour) << x << "," << y;
    const QIcon icon = appIcon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_EQ(icon.pixmap(32).toImage().pixelColor(16, 2), QColor(60, 60, 70)); // the crown
}

TEST_F(Form1Test, NoAuctionWindowGivesTheNoItemState) {
    addWindow("eBay Angebot ohne Ende");
    addWindow("Zeitfang 1.4.17", WS_VISIBLE); // no border: not counted
    form->Form1init();
    const AppSettingsRecord& s = shared.AppSettings;
    EXPECT_EQ(std::tuple(s.msgonsync, s.synconstart, s.warnton, s.warntonsek),
              std::tuple(1, 0, 1, 60));
    EXPECT_TRUE(fake.store.writes.isEmpty());
    EXPECT_EQ(shared.WindowStyleMask, 0x10800000u);
    EXPECT_EQ(form->caption(), " Zeitfang 1.4.17");
    EXPECT_EQ(form->Label1->caption(), "Kein Artikel gewählt.");
    EXPECT_EQ(form->Lbl_NoAuction->caption(),
              "Öffnen Sie den Artikel,\r\nauf den Sie bieten\r\nmöchten, in Ihrem\r\nWeb-Browser "
              "und\r\nklicken Sie auf\r\n'Artikel übernehmen'");
    EXPECT_EQ(form->Lbl_NoAuction->y(), centredTop(form->Lbl_NoAuction));
    EXPECT_TRUE(form->Lbl_NoAuction->isVisibleTo(form.get()));
    EXPECT_FALSE(form->LabelZeit->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_EQ(shared.InstanceCount, 0);
}

TEST_F(Form1Test, EachDisplayStateAfterTheTakeOver) {
    const QString item = "Espressokanne aus Aluminium, 6 Tassen ", watching = item + " Zeitfang";
    struct Row {
        std::int64_t r;
        const char* text;
        double size;
        QColor colour;
        int period;
        bool running;
        QString caption;
    };
    for (const Row& row :
         {Row{2 * 86400 + 7 * 3600, "2 Tage\r\n7 Stunden", 12, Qt::black, 500, true, watching},
          Row{86400 - 1, "23 Stunden\r\n59 Minuten", 12, Qt::black, 500, true, watching},
          Row{3600 - 1, "59 Minuten\r\n59 Sekunden", 12, Qt::black, 200, true, watching},
          Row{59, "59", 13, Qt::black, 1000, true, " >>59<<"},
          Row{1, "1", 71, QColor(232, 0, 0), 1000, true, " >>1<<"},
          Row{0, "Auktion\r\nbeendet", 16, Qt::black, 500, false, item},
          Row{-86400, "Auktion\r\nbeendet", 16, Qt::black, 500, false, item}}) {
        SetUp();
        addWindow("Zeitfang 1.4.17"); // another copy above the browser
        addAuction(row.r);
        addWindow("Zeitfang 1.4.17"); // below: not counted
        form->Form1init();
        EXPECT_EQ(shared.InstanceCount, 1);
        EXPECT_EQ(shared.ItemNumber, "1234567890");
        EXPECT_EQ(form->Label1->caption(),
                  "endet am " + QString::fromStdString(formatGeneralDateTime(shared.AuctionEnd)));
        EXPECT_FALSE(form->Lbl_NoAuction->isVisibleTo(form.get()));
        EXPECT_TRUE(form->Lbl_GoItem->isVisibleTo(form.get()));
        EXPECT_EQ(form->LabelZeit->caption(), row.text) << row.r;
        EXPECT_DOUBLE_EQ(form->LabelZeit->font().pointSizeF(), row.size) << row.r;
        EXPECT_EQ(form->LabelZeit->foreColor(), row.colour) << row.r;
        EXPECT_EQ(std::pair(form->Timer1->isActive(), form->Timer1->interval()),
                  std::pair(row.running, row.period))
            << row.r;
        EXPECT_EQ(form->LabelZeit->y(), centredTop(form->LabelZeit)) << row.r;
        EXPECT_NEAR(form->LabelZeit->x() + form->LabelZeit->width() / 2.0, (960 + 495 / 2.0) / 15,
                    1);
        EXPECT_TRUE(form->LabelZeit->isVisibleTo(form.get())) << row.r;
        EXPECT_EQ(form->caption(), row.caption) << row.r;
        EXPECT_EQ(fake.attention.flashes, row.r > 0 && row.r < 60) << row.r;
        EXPECT_EQ(form->Label2->caption(),
                  row.r == 3599 ? QString::fromStdString(formatGeneralDateTime(now()))
                                : "Label2gdfg ")
            << row.r;
    }
}

TEST_F(Form1Test, RefreshesFollowTheClockAndNewCapturesStartAfresh) {
    addAuction(86400 - 1);
    form->Form1init();
    form->LabelZeit->setForeColor(Qt::green);
    form->Timer1->setInterval(77);
    at(86400 - 2); // the same text: nothing but the timer is touched
    form->Timer1_Timer();
    EXPECT_EQ(form->LabelZeit->foreColor(), QColor(Qt::green));
    EXPECT_EQ(form->Timer1->interval(), 500);
    at(30);
    form->Timer1_Timer();
    at(75); // the clock set back out of the final minute
    form->Timer1_Timer();
    EXPECT_EQ(form->LabelZeit->caption(), "1 Minute\r\n15 Sekunden");
    EXPECT_DOUBLE_EQ(form->LabelZeit->font().pointSizeF(), 12);
    EXPECT_EQ(form->LabelZeit->foreColor(), QColor(Qt::black));
    EXPECT_EQ(form->caption(), " >>30<<");
    form->Lbl_GetArtikel_Click(); // taken over again within the same second
    EXPECT_TRUE(form->LabelZeit->isVisibleTo(form.get()));
    fake.windows.windows.clear();
    form->Lbl_GetArtikel_Click();
    EXPECT_EQ(form->caption(), " Zeitfang 1.4.17");
    EXPECT_EQ(shared.ItemNumber, "1234567890");
    EXPECT_TRUE(form->Lbl_GoItem->isVisibleTo(form.get()));
    EXPECT_FALSE(form->LabelZeit->isVisibleTo(form.get()));
    addWindow("eBay Angebot 1234567890 (endet bald, sehr bald MESZ) - Espressokanne");
    form->Lbl_GetArtikel_Click();
    EXPECT_EQ(form->Label1->caption(), "Auktionsende nicht lesbar.");
    EXPECT_TRUE(form->Lbl_NoAuction->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Timer1->isActive());
}

TEST_F(Form1Test, AlarmSoundsAtTheChosenSecondBeforeTheDisplay) {
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
        QString shownDuringTones;
        fake.speaker.onBeep = [&] { shownDuringTones = form->LabelZeit->caption(); };
        addAuction(r + 1);
        form->Form1init();
        fake.speaker.tones.clear();
        at(r);
        form->Timer1_Timer();
        EXPECT_EQ(fake.speaker.tones, sounds ? alarm : decltype(alarm){}) << r;
        if (sounds) {
            EXPECT_EQ(shownDuringTones.toStdString(), countdownFor(r + 1).text) << r;
        }
    }
}

TEST_F(Form1Test, CommandLabelsLookAndActLikeLinks) {
    form->Form1init();
    VbLabel* labels[] = {form->Lbl_GetTime, form->Lbl_GetArtikel, form->Lbl_Optionen};
    form->Lbl_GetTime_MouseMove();
    form->Lbl_GetArtikel_MouseMove();
    form->Lbl_Optionen_MouseMove();
    form->Lbl_GoItem_MouseMove(); // no item yet: stays as it is
    form->Lbl_GoItem_Click();
    for (VbLabel* label : labels)
        EXPECT_EQ(std::pair(label->foreColor(), label->font().underline()),
                  std::pair(QColor(255, 0, 0), true));
    EXPECT_EQ(std::pair(form->Lbl_GoItem->foreColor(), form->Lbl_GoItem->font().underline()),
              std::pair(QColor(0, 0, 255), false));
    EXPECT_TRUE(fake.shell.opened.empty());
    form->Form_MouseMove();
    for (VbLabel* label : labels)
        EXPECT_EQ(std::pair(label->foreColor(), label->font().underline()),
                  std::pair(QColor(0, 0, 255), false));

    addAuction(3600);
    form->Lbl_GetArtikel_Click();
    form->Lbl_GoItem_MouseMove();
    EXPECT_TRUE(form->Lbl_GoItem->font().underline());
    form->Lbl_GoItem_Click();
    ASSERT_EQ(fake.shell.opened.size(), 1u);
    EXPECT_EQ(fake.shell.opened[0].toString(QUrl::FullyEncoded),
              "http://cgi.ebay.de/ws/eBayISAPI.dll?ViewItem&item=1234567890");
    MessageCatcher catcher;
    QString dialog;
    catcher.other = [&](QWidget* modal) {
        dialog = modal->windowTitle() + (form->Lbl_Optionen->font().underline() ? " hover" : "");
        modal->close();
    };
    form->Lbl_Optionen_MouseMove();
    form->Lbl_Optionen_Click();
    EXPECT_EQ(dialog, " Zeitfang Optionen");
}

} // namespace
