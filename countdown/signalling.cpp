#include "countdown/signalling.h"

#include "platform/speaker.h"
#include "platform/window_attention.h"
#include "shared/form1_model.h"

namespace {
struct Tone {
    int frequencyHz;
    int durationMs;
};
constexpr Tone kAlarmTones[] = {{900, 80}, {950, 80}, {900, 80}, {950, 80}, {900, 700}};
} // namespace

void alarmCheck(const AppSettingsRecord& settings, std::int32_t remaining, Speaker& speaker) {
    if (settings.warnton != 1 || remaining != settings.warntonsek)
        return;
    soundAlarm(speaker);
}

void soundAlarm(Speaker& speaker) {
    for (const Tone& tone : kAlarmTones)
        speaker.playTone(tone.frequencyHz, tone.durationMs);
}

void finalMinuteSignal(Form1Model& display, const std::string& secondText,
                       WindowAttention& attention) {
    display.setTickingCaption(" >>" + secondText + "<<");
    attention.toggleAttention(display.handle());
}

void endOfAuctionSignal(Form1Model& display, const std::string& itemTitle) {
    display.setCaption(itemTitle);
}
