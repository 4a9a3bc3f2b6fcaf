#pragma once

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

// A set asked of someone (`asks`, as a password dialog) stays pending for one pass of the event
// loop, with `during` run in it, and then ends with `answer`.
struct FakeClock : SystemClock {
    DateTime current{12 * 3600}; // not midnight: a response time never recorded would show
    std::vector<CivilTime> sets;
    bool asks = false;
    SetResult answer = SetResult::Set, state = SetResult::Refused;
    std::function<void()> during;
    DateTime now() override { return current; }
    void set(const CivilTime& t) override {
        sets.push_back(t);
        state = asks ? SetResult::Pending : answer;
    }
    SetResult result() const override { return state; }
};

struct MemoryStore : SettingsStore {
    std::map<std::string, std::string> values; // "application/section/key" -> text
    std::string readSetting(const std::string& app, const std::string& section,
                            const std::string& key, const std::string& defaultValue) override {
        const auto found = values.find(app + "/" + section + "/" + key);
        return found == values.end() ? defaultValue : found->second;
    }
    void writeSetting(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& text) override {
        values[app + "/" + section + "/" + key] = text;
    }
};

struct Recorder : WindowList, Speaker, WindowAttention, Shell {
    std::vector<DesktopWindow> windows; // top of the Z-order first
    std::vector<std::pair<int, int>> tones;
    std::function<void()> onBeep = [] {}; // runs inside each tone, to see what was shown meanwhile
    std::vector<std::uint32_t> flashed;
    std::vector<std::string> opened; // addresses and files
    std::string existingFile;        // the one file that exists
    std::vector<DesktopWindow> topLevelWindows() override { return windows; }
    void playTone(int frequencyHz, int durationMs) override {
        tones.emplace_back(frequencyHz, durationMs);
        onBeep();
    }
    void toggleAttention(std::uint32_t window) override { flashed.push_back(window); }
    void open(const std::string& url) override { opened.push_back(url); }
    std::string helpFile() const override { return "/opt/zeitfang/zeitfang.chm"; }
    bool fileExists(const std::string& path) const override { return path == existingFile; }
    void openFile(const std::string& path) override { opened.push_back(path); }
};

// A request runs until the event loop serves it: the response begins, 2 s later the page arrives,
// `during` runs meanwhile. With neither a request nor a set running the application counts as
// ending: no hang.
struct ScriptedTransfer : HttpTransfer, EventWait {
    FakeClock& clock;
    int executes = 0;
    std::string lastUrl, lastHeaders, page;
    std::function<void()> during;
    bool running = false, ending = false;
    explicit ScriptedTransfer(FakeClock& c) : clock(c) {}
    bool startGet(const std::string& url, const std::string& requestHeaders) override {
        if (running)
            return false;
        ++executes, lastUrl = url, lastHeaders = requestHeaders, running = true;
        return true;
    }
    bool isFetching() const override { return running; }
    std::string readChunk(int size) override { return running ? "" : page.substr(0, size); }
    bool serveOnce() override {
        if (ending)
            return false;
        if (clock.state == SystemClock::SetResult::Pending) {
            if (const auto step = std::exchange(clock.during, nullptr))
                step();
            clock.state = clock.answer;
            return true;
        }
        if (!running)
            return false;
        reportState(kReceivingResponse);
        clock.current.seconds += 2;
        reportState(kReceivingResponse); // reported again: the program keeps the first
        if (const auto step = std::exchange(during, nullptr))
            step();
        running = false;
        reportState(kResponseCompleted);
        return true;
    }
    int run() override { return 0; }
};

struct FakePlatform {
    FakeClock clock;
    MemoryStore store;
    Recorder recorder;
    ScriptedTransfer transfer{clock};
    Platform platform{recorder, clock, store, recorder, recorder, recorder, transfer, transfer};
};
