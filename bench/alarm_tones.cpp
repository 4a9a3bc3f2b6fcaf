// How long the five-tone alarm blocks the caller on ALSA's "default" device. Meaningful only on
// a device that plays in real time (bench/alarm_tones_pulse.sh provides one); the nominal
// length of the sequence is 1,020 ms.
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "countdown/signalling.h"
#include "platform/linux/modules/alsa_speaker.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
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
    std::printf("alarm sequence blocked (nominal 1020 ms), %zu runs: min %.1f ms, median %.1f ms, "
                "max %.1f ms\n",
                blocked.size(), blocked.front(), blocked[blocked.size() / 2], blocked.back());
    return 0;
}
