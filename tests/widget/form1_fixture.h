#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/form1.h"
#include "countdown/logic/countdown.h"
#include "platform/logic/utf.h"
#include "tests/fakes/fake_platform.h"

// A main window on the offscreen platform with fake services and a settable clock.
class Form1Test : public ::testing::Test {
  protected:
    static constexpr std::uint32_t Visible = WS_VISIBLE | WS_BORDER;

    FakePlatform fake;
    SharedState shared;
    std::unique_ptr<Form1> form;

    // Also called again by table-driven tests: a fresh window over empty fakes.
    void SetUp() override {
        form.reset();
        fake.windows.windows.clear();
        fake.store.values.clear();
        fake.store.writes.clear();
        fake.speaker.tones.clear();
        fake.attention.flashes = 0;
        shared = SharedState{};
        fake.clock.current = fromCivil(CivilTime{2026, 12, 5, 12, 0, 0});
        form = std::make_unique<Form1>(fake.platform, shared);
    }

    DateTime now() const { return fake.clock.current; }
    void at(std::int64_t secondsBeforeEnd) {
        fake.clock.current = DateTime{shared.AuctionEnd.seconds - secondsBeforeEnd};
    }
    void addWindow(const std::string& title, std::uint32_t style = Visible) {
        fake.windows.windows.push_back(
            {static_cast<std::uint32_t>(100 + fake.windows.windows.size()), style,
             decodeUtf8(title)});
    }
    // An auction window whose end lies `seconds` after the fake clock's present time.
    void addAuction(std::int64_t seconds) {
        const CivilTime e = toCivil(DateTime{now().seconds + seconds});
        char end[32];
        std::snprintf(end, sizeof end, "%02d.%02d.%02d %02d:%02d:%02d", e.day, e.month,
                      e.year % 100, e.hour, e.minute, e.second);
        addWindow(std::string("eBay Angebot 1234567890 (endet ") + end +
                  " MESZ) - Espressokanne aus Aluminium, 6 Tassen - Chromium");
    }
    // The label's top as the window centres it on Shape2.
    int centredTop(const QWidget* label) const {
        return static_cast<int>(
            std::lround(form->Shape2->y() + form->Shape2->height() / 2.0 - label->height() / 2.0));
    }
};
