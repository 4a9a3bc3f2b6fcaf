#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "shell/win32/win32_label.h"

#include <windows.h>

#include "shell/win32/announcer.h"
#include "shell/win32/dpi.h"
#include "shell/win32/window_object.h"

// The main window on Win32, made from the engine's design of Form1 and driven by it. Each
// control's id is its Control value plus one.
class Win32Form1Window : public Form1View, private LabelHost {
  public:
    Win32Form1Window(Platform& platform, SharedState& shared);
    Win32Form1Window(const Win32Form1Window&) = delete;
    Win32Form1Window& operator=(const Win32Form1Window&) = delete;

    HWND window() const { return m_window.get(); }
    const Twips& twips() const { return m_twips; }
    // The COM apartment of the window's thread, for what a screen reader asks of its windows.
    ComApartment& apartment() override { return m_apartment; }
    Form1& form1() { return *m_form1; }

    void setCaption(const std::string& caption) override;
    void setCaption(Control label, const std::string& caption) override;
    void setControlVisible(Control control, bool visible) override;
    void setFontSize(Control label, double points) override;
    void setColour(Control control, Colour colour) override;
    void setUnderline(Control label, bool underline) override;
    void showFocusCue(std::optional<Control> command) override;
    // Windows set to show keyboard cues always (SPI_GETKEYBOARDCUES).
    bool focusCuesAlways() const override;
    TwipsSize textExtent(Control label) const override;
    void placeControl(Control control, const TwipsRect& rect) override;
    void announce(const std::string& text) override;
    void startTimer(int ms) override;
    void stopTimer() override;
    void messageBox(std::string_view title, const std::string& text, MessageIcon icon) override;
    void setFocus(Control control) override;
    std::optional<Control> focusedControl() const override;
    TwipsSize twipsPerPixel() const override;
    std::unique_ptr<OptionsView> newOptionsView() override;
    std::uint32_t handle() const override;
    TwipsRect normalRect() const override;
    void placeNormal(const TwipsRect& rect) override;
    WindowState placementState() const override;
    void setPlacementState(WindowState state) override;
    void showWindow() override;

  private:
    struct Shape {
        TwipsRect rect;
        Colour fill;
        bool visible = true;
    };

    friend LRESULT CALLBACK windowObjectProc<Win32Form1Window>(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void ensureToolTips(HWND label);
    void changeDpi(UINT dpi, const RECT& suggested);
    void paintBackground(HDC dc) override;
    void labelMouseMove(int id) override;
    void labelClicked(int id) override;
    void redrawShape(const Shape& shape);
    Win32Label& label(Control control) const { return *m_labels.at(control); }
    RECT pixels(const TwipsRect& rect) const;

    // First in, last out: the windows' accessible objects live in it.
    ComApartment m_apartment;
    Twips m_twips;
    std::map<Control, Shape> m_shapes;
    std::map<Control, std::unique_ptr<Win32Label>> m_labels;
    std::map<Control, TwipsRect> m_placed; // each label's rectangle as the engine placed it
    WindowState m_pendingState = WindowState::Normal; // to show with, while the window is hidden
    std::optional<Control> m_focus;                   // to give back when the window is activated
    std::vector<std::pair<HWND, std::wstring>> m_toolTipTexts; // each label's, until made
    UniqueWindow m_toolTips;
    UniqueWindow m_window;
    std::optional<Announcer> m_announcer;
    // Built once the window and its controls are there: it starts Timer1 as it is built.
    std::optional<Form1> m_form1;
};
