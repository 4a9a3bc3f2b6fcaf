#pragma once

#include <QMap>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "tests/fakes/scripted_transfer.h"

class FakeWindowList : public WindowList {
  public:
    std::vector<DesktopWindow> windows; // top of the Z-order first
    int scans = 0;
    std::vector<DesktopWindow> topLevelWindows() override {
        ++scans;
        return windows;
    }
};

class FakeClock : public SystemClock {
  public:
    DateTime current;
    std::vector<std::int64_t> timesOfDaySet;
    std::vector<CivilTime> datesSet;
    DateTime now() override { return current; }
    void setTimeOfDay(std::int64_t secondsOfDay) override;
    void setDate(int year, int month, int day) override;
};

class MemoryStore : public SettingsStore {
  public:
    QMap<QString, QString> values; // "app/section/key" -> text
    QStringList writes;            // keys in the order written
    QString GetSetting(const QString& appName, const QString& section, const QString& key,
                       const QString& defaultValue) override;
    void SaveSetting(const QString& appName, const QString& section, const QString& key,
                     const QString& text) override;
    static QString path(const QString& key) { return "Orvikwerk/Kairola/" + key; }
};

class RecordingSpeaker : public Speaker {
  public:
    std::vector<std::pair<int, int>> tones;
    std::function<void()> onBeep; // runs inside each tone, to see what was shown meanwhile
    void Beep(int frequencyHz, int durationMs) override {
        tones.emplace_back(frequencyHz, durationMs);
        if (onBeep)
            onBeep();
    }
};

class RecordingAttention : public WindowAttention {
  public:
    int flashes = 0;
    std::function<void()> onFlash; // runs inside each call, to see what was shown by then
    void FlashWindow(QWidget&) override {
        ++flashes;
        if (onFlash)
            onFlash();
    }
};

class RecordingShell : public Shell {
  public:
    std::vector<QUrl> opened;
    void open(const QUrl& url) override { opened.push_back(url); }
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
