#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/form1_view.h"
#include "options/options_view.h"

// Keeps what the engine last asked of each control, the window and the options dialog.
struct RecordingView : Form1View, OptionsView {
    struct Look {
        std::string text;
        bool visible = true, underline = false;
        double fontSize = 0;
        Colour colour = 0;
        TwipsRect rect;
    };
    std::map<Control, Look> looks{
        {Control::Shape2, {"", true, false, 0, 0, {120, 720, 2055, 1935}}},
        {Control::LabelZeit, {"34", true, false, 21.75, RGB(255, 0, 0), {960, 1560, 495, 495}}},
        {Control::Lbl_NoAuction, {"", true, false, 0, 0, {201, 960, 1845, 1440}}},
        {Control::Label2, {"Label2gdfg ", true, false, 0, 0, {}}}};
    std::string windowCaption, helpFile, seconds;
    bool timerOn = true, shown = false, unloaded = false;
    int timerMs = 500, state = 0;
    TwipsRect normal, dialogAt;
    std::vector<std::pair<std::string, MessageIcon>> messages;
    std::function<void(frmOptions&)> onOptions;
    std::map<OptionsCheck, CheckState> checks;

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
    CursorPosition cursorPosition() const override { return {400, 300}; }
    double twipsPerPixelX() const override { return 15; }
    double twipsPerPixelY() const override { return 12; }
    void moveDialog(double left, double top) override { dialogAt = {left, top, 0, 0}; }
    void unload() override { unloaded = true; }
};
