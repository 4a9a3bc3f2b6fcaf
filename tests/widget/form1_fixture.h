#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "app/form1.h"
#include "countdown/logic/countdown.h"
#include "platform/logic/german_format.h"
#include "platform/logic/utf.h"
#include "tests/fakes/fake_platform.h"

// A main window on the offscreen platform with fake services and a settable clock.
class Form1Test : public ::testing::Test {
  protected:
    FakePlatform fake;
    SharedState shared;
    std::unique_ptr<Form1> form;

    // Table-driven tests call it again: a fresh window over empty fakes.
    void SetUp() override {
        form.reset();
        fake.windows.windows.clear();
        fake.store.values.clear();
        fake.store.writes.clear();
        fake.speaker.tones.clear();
        fake.attention.flashes = 0;
        shared = SharedState{};
        fake.clock.current = fromCivil({2026, 12, 5, 12, 0, 0});
        form = std::make_unique<Form1>(fake.platform, shared);
    }
    void store(const char* key, const QString& text) { fake.store.values[key_(key)] = text; }
    QString stored(const char* key) const { return fake.store.values.value(key_(key), "-"); }
    static QString key_(const char* key) { return QStringLiteral("Orvikwerk/Kairola/") + key; }
    DateTime now() const { return fake.clock.current; }
    void at(std::int64_t secondsBeforeEnd) {
        fake.clock.current = DateTime{shared.AuctionEnd.seconds - secondsBeforeEnd};
    }
    void addWindow(const std::string& title, std::uint32_t style = WS_VISIBLE | WS_BORDER) {
        const auto handle = static_cast<std::uint32_t>(100 + fake.windows.windows.size());
        fake.windows.windows.push_back({handle, style, decodeUtf8(title)});
    }
    // An auction window whose end lies `seconds` after the fake clock's present time.
    void addAuction(std::int64_t seconds) {
        const std::string end = formatGeneralDateTime(DateTime{now().seconds + seconds});
        addWindow("eBay Angebot 1234567890 (endet " + end.substr(0, 6) + end.substr(8, 2) +
                  (end.size() > 10 ? end.substr(10) : " 00:00:00") +
                  " MESZ) - Espressokanne aus Aluminium, 6 Tassen - Chromium");
    }
    int centredTop(const QWidget* label) const {
        return static_cast<int>(
            std::lround(form->Shape2->y() + form->Shape2->height() / 2.0 - label->height() / 2.0));
    }
};

// Records every message box that opens while it lives and answers it with OK; hands any other
// modal window to `other`, which has to close it.
struct MessageCatcher {
    struct Seen {
        QString title, text;
        QMessageBox::Icon icon;
    };
    std::vector<Seen> seen;
    std::function<void(QWidget*)> other;
    QTimer timer;
    MessageCatcher() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                seen.push_back({box->windowTitle(), box->text(), box->icon()});
                box->done(QMessageBox::Ok);
            } else if (modal && other) {
                other(modal);
            }
        });
        timer.start(5);
    }
};
