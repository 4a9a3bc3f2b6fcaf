// How long the five-tone alarm blocks the caller on ALSA's "default" device. Meaningful only on
// a device that plays in real time (bench/alarm_tones_pulse.sh provides one); the nominal
// length of the sequence is 1,020 ms. Without sound the speaker returns at once, so the benchmark
// fails when no device opens or a run returns before its tones could have played.
#include <alsa/asoundlib.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "countdown/signalling.h"
#include "platform/linux/modules/alsa_speaker.h"

namespace {
constexpr double kNominalMs = 1020;

bool deviceOpens() {
    snd_pcm_t* raw = nullptr;
    const int error = snd_pcm_open(&raw, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    const std::unique_ptr<snd_pcm_t, int (*)(snd_pcm_t*)> closed(raw, snd_pcm_close);
    if (error < 0)
        std::fprintf(stderr, "ALSA's default device does not open: %s\n", snd_strerror(error));
    return error >= 0;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    if (!deviceOpens())
        return 1;
    AlsaSpeaker speaker;
    std::vector<double> blocked;
    // Each run starts from the event loop, as a refresh does, and the runs lie far enough
    // apart for the speaker to close the device in between, as between two alarms.
    std::function<void()> runOnce = [&] {
        const auto start = std::chrono::steady_clock::now();
        soundAlarm(speaker);
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        blocked.push_back(took.count());
        std::printf("run %2zu: %7.1f ms\n", blocked.size(), took.count());
        if (static_cast<int>(blocked.size()) < runs)
            QTimer::singleShot(1500, runOnce);
        else
            app.quit();
    };
    QTimer::singleShot(0, runOnce);
    app.exec();

    std::sort(blocked.begin(), blocked.end());
    std::printf("alarm sequence blocked (nominal %.0f ms), %zu runs: min %.1f ms, median %.1f ms, "
                "max %.1f ms\n",
                kNominalMs, blocked.size(), blocked.front(), blocked[blocked.size() / 2],
                blocked.back());
    if (blocked.front() < kNominalMs) {
        std::fprintf(stderr, "a run ended before its tones could have played: no sound\n");
        return 1;
    }
    return 0;
}
