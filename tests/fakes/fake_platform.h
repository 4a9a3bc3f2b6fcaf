#pragma once

#include <QMap>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <vector>

#include "platform/platform.h"

// Fake platform services: a settable clock, a scripted window list and transfer, an in-memory
// store, and recorders of tones, flashes and opened addresses.
struct FakeWindowList : WindowList {
    std::vector<DesktopWindow> windows; // top of the Z-order first
    std::vector<DesktopWindow> topLevelWindows() override { return windows; }
};

struct FakeClock : SystemClock {
    DateTime current;
    std::vector<std::int64_t> timesOfDaySet;
    std::vector<CivilTime> datesSet;
    DateTime now() override { return current; }
    void setTimeOfDay(std::int64_t seconds) override {
        timesOfDaySet.push_back(seconds);
        current.seconds += seconds - timeOfDay(current);
    }
    void setDate(int year, int month, int day) override {
        datesSet.push_back({year, month, day, 0, 0, 0});
        const CivilTime c = toCivil(current);
        current = fromCivil({year, month, day, c.hour, c.minute, c.second});
    }
};

struct MemoryStore : SettingsStore {
    QMap<QString, QString> values; // "application/section/key" -> text
    QStringList writes;            // keys in the order written
    QString GetSetting(const QString& app, const QString& section, const QString& key,
                       const QString& defaultValue) override {
        return values.value(app + "/" + section + "/" + key, defaultValue);
    }
    void SaveSetting(const QString& app, const QString& section, const QString& key,
                     const QString& text) override {
        values[app + "/" + section + "/" + key] = text;
        writes << key;
    }
};

struct RecordingSpeaker : Speaker {
    std::vector<std::pair<int, int>> tones;
    std::function<void()> onBeep; // runs inside each tone, to see what was shown meanwhile
    void Beep(int frequencyHz, int durationMs) override {
        tones.emplace_back(frequencyHz, durationMs);
        if (onBeep)
            onBeep();
    }
};

struct RecordingAttention : WindowAttention {
    int flashes = 0;
    void FlashWindow(QWidget&) override { ++flashes; }
};

struct RecordingShell : Shell {
    std::vector<QUrl> opened;
    void open(const QUrl& url) override { opened.push_back(url); }
};

// Answers as the test scripts it: after Execute nothing happens until the test reports states
// and finishes it, typically from a timer it starts in onExecute.
struct ScriptedTransfer : HttpTransfer {
    int executes = 0;
    QString lastUrl, lastHeaders;
    std::function<void()> onExecute;
    bool running = false;
    QByteArray body;
    bool Execute(const QString& url, const QString& requestHeaders) override {
        if (running)
            return false;
        ++executes, lastUrl = url, lastHeaders = requestHeaders, running = true;
        if (onExecute)
            onExecute();
        return true;
    }
    bool StillExecuting() const override { return running; }
    QString GetChunk(int size) override {
        return running ? "" : QString::fromLatin1(body.left(size));
    }
    void report(std::int16_t state) { emit StateChanged(state); }
    void finish(const QByteArray& page) {
        running = false, body = page;
        emit finished();
    }
};

struct FakePlatform {
    FakeWindowList windows;
    FakeClock clock;
    MemoryStore store;
    RecordingSpeaker speaker;
    RecordingAttention attention;
    RecordingShell shell;
    ScriptedTransfer transfer;
    Platform platform{windows, clock, store, speaker, attention, shell, transfer};
};
