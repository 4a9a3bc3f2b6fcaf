#include <QEventLoop>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include "clock/clock_modes.h"
#include "tests/widget/form1_fixture.h"
#include "tests/widget/modal_catcher.h"

namespace {

const QByteArray ExamplePage = "Offizielle Zeit:   08.11.2004 14:05:33 MEZ";

// A click as the event loop delivers it, not a direct call of the handler.
void postClick(QWidget* label) {
    const QPointF p(2, 2);
    QCoreApplication::postEvent(label,
                                new QMouseEvent(QEvent::MouseButtonPress, p, p, Qt::LeftButton,
                                                Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(label,
                                new QMouseEvent(QEvent::MouseButtonRelease, p, p, Qt::LeftButton,
                                                Qt::NoButton, Qt::NoModifier));
}

class Form1SyncTest : public Form1Test {
  protected:
    void setStored(const char* key, const char* value) {
        fake.store.values[MemoryStore::path(key)] = value;
    }
    // The server answers after `ms`: the response begins at 14:05:30 and ends at 14:05:32.
    void answerAfter(int ms, const QByteArray& page) {
        QTimer::singleShot(ms, &fake.transfer, [this, page] {
            fake.clock.current = fromCivil({2026, 12, 5, 14, 5, 30});
            fake.transfer.report(HttpTransfer::icReceivingResponse);
            fake.clock.current = fromCivil({2026, 12, 5, 14, 5, 32});
            fake.transfer.finish(page);
        });
    }
};

TEST_F(Form1SyncTest, TicksAndClicksAreServedWhileTheServerIsSlow) {
    setStored("msgonsync", "0");
    addAuction(5 * 3600);
    form->Form1init();
    form->show();
    QString shownDuringWait;
    int scansBefore = 0, scansDuringWait = 0;
    fake.transfer.onExecute = [&] {
        scansBefore = fake.windows.scans;
        at(3599); // only a tick of Timer1 can show this
        QTimer::singleShot(800, form.get(), [&] {
            shownDuringWait = form->LabelZeit->caption();
            postClick(form->Lbl_GetArtikel);
            postClick(form->Lbl_GetTime); // a second sync, refused while the first waits
        });
        QTimer::singleShot(900, form.get(), [&] { scansDuringWait = fake.windows.scans; });
        answerAfter(1000, ExamplePage);
    };
    QEventLoop loop;
    QObject::connect(&fake.transfer, &HttpTransfer::finished, &loop, [&] {
        // Once the click's handler has returned.
        QTimer::singleShot(0, &loop, [&] { loop.exit(0); });
    });
    QTimer::singleShot(5000, &loop, [&] { loop.exit(1); }); // a hang fails, not blocks
    postClick(form->Lbl_GetTime);
    ASSERT_EQ(loop.exec(), 0);
    EXPECT_EQ(shownDuringWait, "59 Minuten\r\n59 Sekunden");
    EXPECT_EQ(scansDuringWait, scansBefore + 1);
    EXPECT_EQ(fake.transfer.executes, 1);
    EXPECT_EQ(fake.clock.timesOfDaySet, std::vector<std::int64_t>{14 * 3600 + 5 * 60 + 35});
    EXPECT_EQ(fake.clock.datesSet, (std::vector<CivilTime>{{2004, 11, 8, 0, 0, 0}}));
}

TEST_F(Form1SyncTest, StartUpSyncOnlyForSynconstartOneWithTheTimerOffMeanwhile) {
    const std::pair<const char*, bool> cases[] = {
        {"1", true}, {"0", false}, {"2", false}, {"-1", false}};
    for (const auto& [stored, syncs] : cases) {
        setStored("synconstart", stored);
        setStored("msgonsync", "0");
        fake.transfer.executes = 0;
        form = std::make_unique<Form1>(fake.platform, shared);
        form->Form1init(); // no auction: the timer is off
        bool timerDuringSync = true;
        fake.transfer.onExecute = [&] {
            timerDuringSync = form->Timer1->isActive();
            answerAfter(0, {});
        };
        SyncClockAtStart(*form);
        EXPECT_EQ(fake.transfer.executes, syncs ? 1 : 0) << stored;
        EXPECT_EQ(form->Timer1->isActive(), syncs) << stored;
        EXPECT_FALSE(syncs && timerDuringSync) << stored;
    }
}

TEST_F(Form1SyncTest, MessageBoxHasTheTitleAnOkButtonAndNoIcon) {
    form->Form1init(); // msgonsync defaults to on
    fake.transfer.onExecute = [&] { answerAfter(0, ExamplePage); };
    MessageCatcher messages;
    form->Lbl_GetTime_Click();
    ASSERT_EQ(messages.seen.size(), 1u);
    const SeenMessage& m = messages.seen.front();
    EXPECT_EQ(std::tuple(m.title, m.text, m.icon, m.buttons),
              std::tuple("Zeitfang", "Die Systemuhr wurde aktualisiert.", QMessageBox::NoIcon,
                         QMessageBox::StandardButtons(QMessageBox::Ok)));
}

} // namespace
