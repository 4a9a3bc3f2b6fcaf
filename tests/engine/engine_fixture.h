#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/form1.h"
#include "options/frm_options.h"
#include "platform/logic/german_format.h"
#include "platform/logic/utf.h"
#include "tests/fakes/fake_platform.h"

// Keeps what the engine last asked of each control, the window and the dialog.
struct RecordingView : Form1View, OptionsView {
    struct Look {
        std::string text;
        bool visible = true;
        double fontSize = 0;
        Colour colour = 0;
        bool underline = false;
        TwipsRect rect;
    };
    std::map<Control, Look> looks;
    std::string windowCaption, helpFile;
    bool timerOn = true, shown = false, unloaded = false;
    int timerMs = 500, state = 0;
    TwipsRect normal, dialogAt;
    std::vector<std::pair<std::string, MessageIcon>> messages;
    std::function<void(frmOptions&)> onOptions;
    std::map<OptionsCheck, CheckState> checks;
    std::string seconds;
    CursorPosition cursor{400, 300};

    RecordingView() {
        looks[Control::Shape2].rect = {120, 720, 2055, 1935};
        looks[Control::LabelZeit] = {"34",           true,  21.75,
                                     RGB(255, 0, 0), false, {960, 1560, 495, 495}};
        looks[Control::Lbl_NoAuction].rect = {201, 960, 1845, 1440};
        looks[Control::Label2].text = "Label2gdfg ";
    }
    // Where a label's top lies when centred on Shape2.
    double centredTop(Control c) { return 720 + 1935 / 2.0 - looks[c].rect.height / 2; }

    void setCaption(const std::string& caption) override { windowCaption = caption; }
    void setCaption(Control c, const std::string& text) override { looks[c].text = text; }
    std::string caption(Control c) const override { return looks.at(c).text; }
    void setControlVisible(Control c, bool on) override { looks[c].visible = on; }
    void setFontSize(Control c, double points) override { looks[c].fontSize = points; }
    void setColour(Control c, Colour colour) override { looks[c].colour = colour; }
    void setUnderline(Control c, bool on) override { looks[c].underline = on; }
    TwipsRect controlRect(Control c) const override { return looks.at(c).rect; }
    void moveControl(Control c, double left, double top) override {
        looks[c].rect.left = left, looks[c].rect.top = top;
    }
    void setTimerEnabled(bool on) override { timerOn = on; }
    void setTimerInterval(int ms) override { timerMs = ms; }
    void messageBox(const std::string& text, MessageIcon icon) override {
        messages.emplace_back(text, icon);
    }
    void showOptions(frmOptions& handlers) override { onOptions(handlers); }
    std::uint32_t handle() const override { return 42; }
    TwipsRect normalRect() const override { return normal; }
    void placeNormal(const TwipsRect& r) override { normal = r; }
    int placementState() const override { return state; }
    void setPlacementState(int s) override { state = s; }
    void registerHelpFile(const std::string& name) override { helpFile = name; }
    void showWindow() override { shown = true; }

    void setValue(OptionsCheck box, CheckState s) override { checks[box] = s; }
    CheckState value(OptionsCheck box) const override { return checks.at(box); }
    void setWarnTonSekText(const std::string& text) override { seconds = text; }
    std::string warnTonSekText() const override { return seconds; }
    CursorPosition cursorPosition() const override { return cursor; }
    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 12; }
    void moveDialog(double left, double top) override { dialogAt = {left, top, 0, 0}; }
    void unload() override { unloaded = true; }
};

// The engine's main window over a recording view and fake services, at 5.12.2026 12:00:00.
class EngineTest : public ::testing::Test {
  protected:
    struct Rig {
        FakePlatform fake;
        SharedState shared;
        RecordingView view;
        Form1 form{view, fake.platform, shared};
    };
    std::unique_ptr<Rig> rig;
    FakePlatform* fake = nullptr;
    RecordingView* view = nullptr;
    Form1* form = nullptr;
    SharedState* shared = nullptr;

    // Table-driven tests call it again: a fresh window over empty fakes.
    void SetUp() override {
        rig = std::make_unique<Rig>();
        fake = &rig->fake, view = &rig->view, form = &rig->form, shared = &rig->shared;
        fake->clock.current = fromCivil({2026, 12, 5, 12, 0, 0});
    }
    RecordingView::Look& look(Control c) { return view->looks[c]; }
    static std::string key(const std::string& k) { return "Orvikwerk/Kairola/" + k; }
    void store(const std::string& k, const std::string& text) { fake->store.values[key(k)] = text; }
    std::string stored(const std::string& k) {
        return fake->store.values.count(key(k)) ? fake->store.values[key(k)] : "-";
    }
    DateTime now() const { return fake->clock.current; }
    void at(std::int64_t secondsBeforeEnd) {
        fake->clock.current = DateTime{shared->AuctionEnd.seconds - secondsBeforeEnd};
    }
    void addWindow(const std::string& title, std::uint32_t style = WS_VISIBLE | WS_BORDER) {
        const auto handle = static_cast<std::uint32_t>(100 + fake->windows.windows.size());
        fake->windows.windows.push_back({handle, style, decodeUtf8(title)});
    }
    // An auction window whose end lies `seconds` after the fake clock's present time.
    void addAuction(std::int64_t seconds) {
        const std::string end = formatGeneralDateTime(DateTime{now().seconds + seconds});
        addWindow("eBay Angebot 1234567890 (endet " + end.substr(0, 6) + end.substr(8, 2) +
                  (end.size() > 10 ? end.substr(10) : " 00:00:00") +
                  " MESZ) - Espressokanne aus Aluminium, 6 Tassen - Chromium");
    }
};
