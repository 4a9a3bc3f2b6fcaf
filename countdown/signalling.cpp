#include "countdown/signalling.h"

#include "app/form1.h"

namespace {
struct Tone {
    int frequencyHz;
    int durationMs;
};
constexpr Tone AlarmTones[] = {{900, 80}, {950, 80}, {900, 80}, {950, 80}, {900, 700}};
} // namespace

void AlarmCheck(Form1& form, std::int32_t remaining) {
    const AppSettingsRecord& settings = form.shared.AppSettings;
    if (settings.warnton != 1 || remaining != settings.warntonsek)
        return;
    SoundAlarm(form.platform.speaker);
}

void SoundAlarm(Speaker& speaker) {
    for (const Tone& tone : AlarmTones)
        speaker.Beep(tone.frequencyHz, tone.durationMs);
}

void FinalMinuteSignal(Form1& form, const std::string& secondText) {
    form.setCaption(" >>" + secondText + "<<");
    form.platform.attention.FlashWindow(form.view.handle());
}

void EndOfAuctionSignal(Form1& form) {
    form.setCaption(form.shared.ItemTitle);
}
