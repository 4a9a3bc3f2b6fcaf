#include "countdown/update_label.h"

#include "base/german_format.h"
#include "countdown/countdown.h"
#include "countdown/signalling.h"
#include "platform/platform.h"
#include "shared/form1_model.h"
#include "shared/shared_state.h"

namespace {
void showCountdown(Form1Model& display, const CountdownView& shown, Colour colour) {
    display.setFontSize(Control::LabelZeit, shown.fontSize);
    display.setColour(Control::LabelZeit, colour);
    display.setCaption(Control::LabelZeit, shown.text);
    display.centreOnShape2(Control::LabelZeit);
    display.setVisible(Control::LabelZeit, true);
}
} // namespace

std::optional<CountdownState> updateCountdown(Form1Model& display, const SharedState& shared,
                                              Platform& platform) {
    if (shared.AuctionEnd.isZero()) {
        display.setTimerEnabled(false);
        return std::nullopt;
    }
    const std::int32_t remaining = remainingSeconds(shared.AuctionEnd, platform.clock.now());
    alarmCheck(shared.AppSettings, remaining, platform.speaker);
    const CountdownView shown = countdownFor(remaining);

    switch (shown.state) {
    case CountdownState::MoreThanADay:
    case CountdownState::LastDay:
    case CountdownState::LastHour:
        display.setTimerEnabled(true);
        display.setTimerInterval(shown.periodMs);
        if (shown.text == display.caption(Control::LabelZeit))
            return shown.state; // an unchanged text touches nothing but the timer
        showCountdown(display, shown, rgb(0, 0, 0));
        if (shown.state == CountdownState::LastHour)
            display.setCaption(Control::Label2, formatGeneralDateTime(platform.clock.now()));
        break;
    case CountdownState::FinalMinute:
        display.setTimerEnabled(true);
        display.setTimerInterval(shown.periodMs);
        showCountdown(display, shown, rgb(shown.red, 0, 0));
        finalMinuteSignal(display, shown.secondText, platform.attention);
        break;
    case CountdownState::Ended:
        showCountdown(display, shown, rgb(0, 0, 0));
        endOfAuctionSignal(display, shared.ItemTitle);
        display.setTimerEnabled(false);
        break;
    }
    return shown.state;
}
