#include <QCheckBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "clock/clock_modes.h"
#include "options/frm_options.h"
#include "tests/widget/form1_fixture.h"

namespace {

// The server answers the next request: the response begins at 14:05:30 local time, the page is
// read at 14:05:32. `during` runs while the program waits.
void serve(FakePlatform& fake, const QByteArray& page, std::function<void()> during = {}) {
    fake.transfer.onExecute = [&fake, page, during] {
        QTimer::singleShot(0, [&fake, page, during] {
            fake.clock.current = fromCivil({2026, 12, 5, 14, 5, 30});
            fake.transfer.report(HttpTransfer::icReceivingResponse);
            fake.clock.current = fromCivil({2026, 12, 5, 14, 5, 32});
            fake.transfer.report(HttpTransfer::icReceivingResponse); // only the first counts
            if (during)
                during();
            fake.transfer.finish(page);
        });
    };
}

TEST_F(Form1Test, SyncSetsTimeOfDayThenDateAndSaysSo) {
    form->Form1init();
    MessageCatcher messages;
    serve(fake, "<html>kaputt</html>");
    form->Lbl_GetTime_Click();
    EXPECT_EQ(fake.transfer.lastUrl, "http://cgi1.ebay.de/aw-cgi/eBayISAPI.dll?TimeShow");
    EXPECT_EQ(fake.transfer.lastHeaders,
              "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n");
    serve(fake, "Offizielle Zeit:   08.11.2004 14:05:33 MEZ<br>",
          [this] { form->Lbl_GetTime_Click(); });
    form->Lbl_GetTime_Click(); // and a second click while it waits
    EXPECT_EQ(fake.transfer.executes, 2);
    EXPECT_EQ(fake.clock.timesOfDaySet, std::vector<std::int64_t>{14 * 3600 + 5 * 60 + 35});
    EXPECT_EQ(fake.clock.datesSet, std::vector<CivilTime>{CivilTime({2004, 11, 8, 0, 0, 0})});
    EXPECT_EQ(toCivil(now()), CivilTime({2004, 11, 8, 14, 5, 35}));
    serve(fake, "");
    form->Lbl_GetTime_Click();
    std::vector<QString> texts;
    for (const auto& m : messages.seen) {
        EXPECT_EQ(std::pair(m.title, m.icon), std::pair(QString("Zeitfang"), QMessageBox::NoIcon));
        texts.push_back(m.text);
    }
    const QString done = "Die Systemuhr wurde aktualisiert.";
    EXPECT_EQ(texts, (std::vector<QString>{"", done, done}));
    shared.AppSettings.msgonsync = 0;
    form->Lbl_GetTime_Click();
    EXPECT_EQ(messages.seen.size(), 3u);
}

TEST_F(Form1Test, StartUpSyncOnlyForSynconstartOneWithTheTimerOffMeanwhile) {
    for (const char* synconstart : {"1", "0", "2", "-1"}) {
        SetUp();
        fake.transfer.executes = 0;
        store("synconstart", synconstart);
        store("msgonsync", "0");
        addAuction(3 * 86400);
        form->Form1init();
        bool tickingMeanwhile = true;
        serve(fake, "", [&] { tickingMeanwhile = form->Timer1->isActive(); });
        SyncClockAtStart(*form);
        const bool syncs = synconstart == std::string("1");
        EXPECT_EQ(fake.transfer.executes, syncs) << synconstart;
        EXPECT_FALSE(syncs && tickingMeanwhile);
        EXPECT_TRUE(form->Timer1->isActive()) << synconstart;
    }
}

TEST_F(Form1Test, OptionsShowTheSettingsAndValidateTheSeconds) {
    shared.AppSettings = {1, 0, 2, -7};
    QCursor::setPos(400, 300);
    frmOptions dialog(*form);
    dialog.show();
    EXPECT_EQ(QRect(dialog.pos(), dialog.size()),
              QRect(400 - 500 / 15, 300 - 1800 / 15, 3780 / 15, 2295 / 15));
    EXPECT_EQ(dialog.Check_msgonsync->geometry(), QRect(8, 8, 241, 33));
    EXPECT_EQ(dialog.Check_Warnton->geometry(), QRect(8, 72, 161, 33));
    EXPECT_EQ(dialog.Txt_WarnTonSek->geometry(), QRect(160, 77, 27, 19));
    EXPECT_EQ(dialog.cmdCancel->geometry(), QRect(128, 113, 73, 25));
    EXPECT_EQ(dialog.Check_Warnton->palette().color(QPalette::Window), QColor(255, 255, 239));
    EXPECT_EQ(dialog.cmdOK->palette().color(QPalette::Button), QColor(224, 224, 224));
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(QApplication::focusWidget(), dialog.cmdOK);
    for (QWidget* next :
         std::vector<QWidget*>{dialog.cmdCancel, dialog.Check_msgonsync, dialog.Check_synconstart,
                               dialog.Check_Warnton, dialog.Txt_WarnTonSek, dialog.cmdOK}) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(dialog.focusWidget(), &tab);
        EXPECT_EQ(dialog.focusWidget(), next);
    }
    EXPECT_EQ(std::tuple(dialog.Check_msgonsync->checkState(),
                         dialog.Check_synconstart->checkState(), dialog.Check_Warnton->checkState(),
                         dialog.Txt_WarnTonSek->text()),
              std::tuple(Qt::Checked, Qt::Unchecked, Qt::PartiallyChecked, QString("-7")));
    MessageCatcher messages;
    dialog.Check_msgonsync->setChecked(false);
    dialog.Check_synconstart->setChecked(true);
    dialog.cmdOK_Click(); // -7 is refused, the boxes act all the same
    ASSERT_EQ(messages.seen.size(), 1u);
    EXPECT_EQ(
        std::tuple(messages.seen[0].text, messages.seen[0].title, messages.seen[0].icon),
        std::tuple("Es sind nur Zahlen grösser 0 zulässig!", "Zeitfang", QMessageBox::Information));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(fake.store.writes.isEmpty());
    const AppSettingsRecord& s = shared.AppSettings;
    EXPECT_EQ(std::tuple(s.msgonsync, s.synconstart, s.warnton, s.warntonsek),
              std::tuple(0, 1, 2, -7));
    dialog.Txt_WarnTonSek->setText(" 2,5 ");
    dialog.cmdOK_Click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(fake.store.writes,
              QStringList({"msgonsync", "synconstart", "warnton", "warntonsek"}));
    EXPECT_EQ(QStringList({stored("msgonsync"), stored("synconstart"), stored("warnton"),
                           stored("warntonsek")}),
              QStringList({"0", "1", "2", "2"}));
}

TEST_F(Form1Test, PlacementIsSavedInTwipsAndRestoredShifted) {
    const char* keys[] = {"Left", "Top", "Width", "Height", "WindowState"};
    for (const auto& [state, number] : {std::pair{Qt::WindowNoState, "0"},
                                        {Qt::WindowMinimized, "1"},
                                        {Qt::WindowMaximized, "2"}}) {
        SetUp();
        form->show();
        form->normalGeometry->place(QRect(100, 80, 300, 200));
        form->setWindowState(state);
        form->close();
        const QStringList texts = {"1500", "1200", "4500", "3000", number};
        EXPECT_EQ(fake.store.writes,
                  QStringList({"Left", "Top", "Width", "Height", "WindowState"}));
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(stored(keys[i]), texts[i]);
        SetUp();
        for (int i = 0; i < 5; ++i)
            store(keys[i], texts[i]);
        addWindow("Zeitfang 1.4.17");
        addWindow("Notizen - Zeitfang");
        form->Form1init();
        EXPECT_EQ(form->normalGeometry->rect(), QRect(140, 120, 300, 200));
        EXPECT_EQ(form->windowState(), state);
    }
    SetUp();
    store("Left", "1500");
    store("Width", "0");
    const QRect design = form->geometry();
    form->Form1init();
    EXPECT_EQ(form->geometry(), design);
}

} // namespace
