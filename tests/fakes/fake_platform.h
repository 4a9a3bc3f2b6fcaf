#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

// Fake services: a settable clock, scripted windows, transfer and events, an in-memory store,
// and a recorder of tones, flashes and opened addresses.
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

struct Recorder : WindowList, Speaker, WindowAttention, Shell {
    std::vector<DesktopWindow> windows; // top of the Z-order first
    std::vector<std::pair<int, int>> tones;
    std::function<void()> onBeep; // runs inside each tone, to see what was shown meanwhile
    std::vector<std::uint32_t> flashed;
    std::vector<std::string> opened;
    std::vector<DesktopWindow> topLevelWindows() override { return windows; }
    void Beep(int frequencyHz, int durationMs) override {
        tones.emplace_back(frequencyHz, durationMs);
        if (onBeep)
            onBeep();
    }
    void FlashWindow(std::uint32_t window) override { flashed.push_back(window); }
    void open(const std::string& url) override { opened.push_back(url); }
};

// After Execute nothing happens until a step the test scheduled runs in the event loop; with
// nothing scheduled the application counts as ending, so no wait can hang.
struct ScriptedTransfer : HttpTransfer, EventWait {
    int executes = 0;
    std::string lastUrl, lastHeaders, body;
    std::function<void()> onExecute, next;
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
    bool serveOnce() override {
        auto step = std::exchange(next, nullptr);
        if (step)
            step();
        return bool(step);
    }
};

struct FakePlatform {
    FakeClock clock;
    MemoryStore store;
    Recorder recorder;
    ScriptedTransfer transfer;
    Platform platform{recorder, clock, store, recorder, recorder, recorder, transfer, transfer};
};
