#include "app/form1.h"
#include "countdown/logic/countdown.h"
#include "countdown/signalling.h"
#include "platform/logic/german_format.h"

namespace {
void showCountdown(Form1& form, const CountdownView& shown, Colour colour) {
    Form1View& view = form.view;
    view.setFontSize(Control::LabelZeit, shown.fontSize);
    view.setColour(Control::LabelZeit, colour);
    view.setCaption(Control::LabelZeit, shown.text);
    form.centreOnShape2(Control::LabelZeit);
    view.setControlVisible(Control::LabelZeit, true);
}
} // namespace

// One refresh of the countdown. Everything is computed afresh from the end and the clock.
void Form1::Update_Label() {
    if (shared.AuctionEnd.isZero()) {
        setTimerEnabled(false);
        return;
    }
    const std::int32_t remaining = remainingSeconds(shared.AuctionEnd, platform.clock.now());
    AlarmCheck(*this, remaining);
    const CountdownView shown = countdownFor(remaining);

    switch (shown.state) {
    case CountdownState::MoreThanADay:
    case CountdownState::LastDay:
    case CountdownState::LastHour:
        setTimerEnabled(true);
        setTimerInterval(shown.periodMs);
        if (shown.text == view.caption(Control::LabelZeit))
            return; // an unchanged text touches nothing but the timer
        showCountdown(*this, shown, RGB(0, 0, 0));
        if (shown.state == CountdownState::LastHour)
            view.setCaption(Control::Label2, formatGeneralDateTime(platform.clock.now()));
        return;
    case CountdownState::FinalMinute:
        setTimerEnabled(true);
        setTimerInterval(shown.periodMs);
        showCountdown(*this, shown, RGB(shown.red, 0, 0));
        FinalMinuteSignal(*this, shown.secondText);
        return;
    case CountdownState::Ended:
        showCountdown(*this, shown, RGB(0, 0, 0));
        EndOfAuctionSignal(*this);
        setTimerEnabled(false);
        return;
    }
}
