#include "app/form1.h"
#include "countdown/logic/countdown.h"
#include "countdown/signalling.h"
#include "platform/logic/german_format.h"

// One refresh of the countdown. Everything is computed afresh from the end and the clock.
void Form1::Update_Label() {
    if (shared.AuctionEnd.isZero()) {
        Timer1->setEnabled(false);
        return;
    }
    const std::int32_t remaining = remainingSeconds(shared.AuctionEnd, platform.clock.now());
    AlarmCheck(*this, remaining);
    const CountdownView view = countdownFor(remaining);
    const QString text = QString::fromStdString(view.text);

    switch (view.state) {
    case CountdownState::MoreThanADay:
    case CountdownState::LastDay:
    case CountdownState::LastHour:
        Timer1->setEnabled(true);
        Timer1->setPeriod(view.periodMs);
        if (text == LabelZeit->caption())
            return; // an unchanged text touches nothing but the timer
        LabelZeit->setFontSize(12);
        LabelZeit->setForeColor(Qt::black);
        LabelZeit->setCaption(text);
        centreOnShape2(LabelZeit);
        LabelZeit->setVisible(true);
        if (view.state == CountdownState::LastHour)
            Label2->setCaption(QString::fromStdString(formatGeneralDateTime(platform.clock.now())));
        return;
    case CountdownState::FinalMinute:
        Timer1->setEnabled(true);
        Timer1->setPeriod(view.periodMs);
        LabelZeit->setFontSize(view.fontSize);
        LabelZeit->setForeColor(QColor(view.red, 0, 0));
        LabelZeit->setCaption(text);
        centreOnShape2(LabelZeit);
        LabelZeit->setVisible(true);
        FinalMinuteSignal(*this, QString::fromStdString(view.secondText));
        return;
    case CountdownState::Ended:
        LabelZeit->setFontSize(view.fontSize);
        LabelZeit->setForeColor(Qt::black);
        LabelZeit->setCaption(text);
        centreOnShape2(LabelZeit);
        LabelZeit->setVisible(true);
        EndOfAuctionSignal(*this);
        Timer1->setEnabled(false);
        return;
    }
}
