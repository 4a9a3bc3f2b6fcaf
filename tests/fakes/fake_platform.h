#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/form1_view.h"
#include "platform/platform.h"

// Fake services: a settable clock, scripted windows, transfer and events, an in-memory store,
// recorders of tones, flashes and opened addresses.
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
    std::map<std::string, std::string> values; // "application/section/key" -> text
    std::vector<std::string> writes;           // keys in the order written
    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override {
        const auto found = values.find(app + "/" + section + "/" + key);
        return found == values.end() ? defaultValue : found->second;
    }
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& text) override {
        values[app + "/" + section + "/" + key] = text;
        writes.push_back(key);
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
    std::vector<std::uint32_t> flashed;
    void FlashWindow(std::uint32_t window) override { flashed.push_back(window); }
};

struct RecordingShell : Shell {
    std::vector<std::string> opened;
    void open(const std::string& url) override { opened.push_back(url); }
};

// Runs what the test scheduled, one step per pass; with nothing scheduled the application
// counts as ending, so no wait can hang.
struct ScriptedEvents : EventWait {
    std::function<void()> next;
    bool serveOnce() override {
        if (!next)
            return false;
        auto step = std::move(next);
        next = nullptr;
        step();
        return true;
    }
};

// After Execute nothing happens until the test reports states and finishes it.
struct ScriptedTransfer : HttpTransfer {
    int executes = 0;
    std::string lastUrl, lastHeaders, body;
    std::function<void()> onExecute;
    bool running = false;
    bool Execute(const std::string& url, const std::string& requestHeaders) override {
        if (running)
            return false;
        ++executes, lastUrl = url, lastHeaders = requestHeaders, running = true;
        if (onExecute)
            onExecute();
        return true;
    }
    bool StillExecuting() const override { return running; }
    std::string GetChunk(int size) override { return running ? "" : body.substr(0, size); }
    void report(std::int16_t state) { reportState(state); }
    void finish(const std::string& page) {
        running = false, body = page;
        reportState(icResponseCompleted);
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
    ScriptedEvents events;
    Platform platform{windows, clock, store, speaker, attention, shell, transfer, events};
};
