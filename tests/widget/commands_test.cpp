#include <QTimer>

#include "clock/clock_modes.h"
#include "tests/widget/form1_fixture.h"
#include "tests/widget/modal_catcher.h"

namespace {

TEST_F(Form1Test, CommandLabelsLookLikeLinks) {
    form->Form1init();
    VbLabel* labels[] = {form->Lbl_GetTime, form->Lbl_GetArtikel, form->Lbl_Optionen};
    form->Lbl_GetTime_MouseMove();
    form->Lbl_GetArtikel_MouseMove();
    form->Lbl_Optionen_MouseMove();
    form->Lbl_GoItem_MouseMove(); // no item yet: stays as it is
    for (VbLabel* label : labels) {
        EXPECT_EQ(label->foreColor(), QColor(255, 0, 0));
        EXPECT_TRUE(label->font().underline());
    }
    EXPECT_EQ(form->Lbl_GoItem->foreColor(), QColor(0, 0, 255));
    EXPECT_FALSE(form->Lbl_GoItem->font().underline());
    form->Lbl_GoItem_Click();
    EXPECT_TRUE(fake.shell.opened.empty());
    form->Form_MouseMove();
    for (VbLabel* label : labels) {
        EXPECT_EQ(label->foreColor(), QColor(0, 0, 255));
        EXPECT_FALSE(label->font().underline());
    }

    addAuction(3600);
    form->Lbl_GetArtikel_Click();
    form->Lbl_GoItem_MouseMove();
    EXPECT_TRUE(form->Lbl_GoItem->font().underline());
    form->Lbl_GoItem_Click();
    ASSERT_EQ(fake.shell.opened.size(), 1u);
    EXPECT_EQ(fake.shell.opened[0].toString(QUrl::FullyEncoded),
              "http://cgi.ebay.de/ws/eBayISAPI.dll?ViewItem&item=1234567890");

    QString dialogTitle;
    ModalCatcher closer([&](QWidget* modal) {
        dialogTitle = modal->windowTitle();
        EXPECT_EQ(form->Lbl_Optionen->foreColor(), QColor(0, 0, 255));
        modal->close();
    });
    form->Lbl_Optionen_MouseMove();
    form->Lbl_Optionen_Click();
    EXPECT_EQ(dialogTitle, " Zeitfang Optionen");
}

class SyncTest : public Form1Test {
  protected:
    // The server answers the next request: the response begins at 14:05:30 local time and the
    // page is read at 14:05:32. `during` runs while the program waits.
    void serve(const QByteArray& page, std::function<void()> during = {}) {
        fake.transfer.onExecute = [this, page, during] {
            QTimer::singleShot(0, [this, page, during] {
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
    std::vector<QString> texts(const MessageCatcher& m) const {
        std::vector<QString> t;
        for (const SeenMessage& s : m.seen) {
            EXPECT_EQ(std::tuple(s.title, s.icon, s.buttons),
                      std::tuple("Zeitfang", QMessageBox::NoIcon,
                                 QMessageBox::StandardButtons(QMessageBox::Ok)));
            t.push_back(s.text);
        }
        return t;
    }
};

TEST_F(SyncTest, SetsTimeOfDayThenDateAndSaysSo) {
    const QByteArray good = "Offizielle Zeit:   08.11.2004 14:05:33 MEZ<br>";
    form->Form1init();
    MessageCatcher messages;
    serve("<html>kaputt</html>");
    form->Lbl_GetTime_Click();
    EXPECT_EQ(fake.transfer.lastUrl, "http://cgi1.ebay.de/aw-cgi/eBayISAPI.dll?TimeShow");
    EXPECT_EQ(fake.transfer.lastHeaders,
              "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n");
    serve(good, [this] { form->Lbl_GetTime_Click(); }); // a second click while it waits
    form->Lbl_GetTime_Click();
    EXPECT_EQ(fake.transfer.executes, 2);
    EXPECT_EQ(fake.clock.timesOfDaySet, std::vector<std::int64_t>{14 * 3600 + 5 * 60 + 35});
    EXPECT_EQ(fake.clock.datesSet, std::vector<CivilTime>{CivilTime({2004, 11, 8, 0, 0, 0})});
    EXPECT_EQ(toCivil(now()), CivilTime({2004, 11, 8, 14, 5, 35}));
    serve("");
    form->Lbl_GetTime_Click();
    EXPECT_EQ(texts(messages), (std::vector<QString>{"", "Die Systemuhr wurde aktualisiert.",
                                                     "Die Systemuhr wurde aktualisiert."}));
    shared.AppSettings.msgonsync = 0;
    form->Lbl_GetTime_Click();
    EXPECT_EQ(messages.seen.size(), 3u);
}

TEST_F(SyncTest, StartUpSyncOnlyForSynconstartOneWithTheTimerOffMeanwhile) {
    for (const char* synconstart : {"1", "0", "2", "-1"}) {
        SetUp();
        fake.transfer.executes = 0;
        fake.store.values[MemoryStore::path("synconstart")] = synconstart;
        fake.store.values[MemoryStore::path("msgonsync")] = "0";
        addAuction(3 * 86400);
        form->Form1init();
        bool tickingMeanwhile = true;
        serve("", [&] { tickingMeanwhile = form->Timer1->isActive(); });
        SyncClockAtStart(*form);
        EXPECT_EQ(fake.transfer.executes, synconstart == std::string("1")) << synconstart;
        EXPECT_FALSE(synconstart == std::string("1") && tickingMeanwhile);
        EXPECT_TRUE(form->Timer1->isActive()) << synconstart;
    }
}

} // namespace
