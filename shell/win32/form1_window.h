#pragma once

#include <array>
#include <memory>

#include "app/form1.h"
#include "shell/win32/label_control.h"

#include <windows.h>

#include "shell/win32/dpi.h"
#include "shell/win32/window_object.h"

class Win32Shell;

// The main window on Win32: a small fixed panel with the countdown, a status line and four
// commands, laid out in twips and driven by the engine's Form1.
class Form1Window : public Form1View, private LabelHost {
  public:
    Form1Window(Platform& platform, SharedState& shared);
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    HWND window() const { return m_window.get(); }
    const Twips& twips() const { return m_twips; }
    HFONT defaultFont() const { return m_defaultFont.get(); }

    void setCaption(const std::string& caption) override;
    void setCaption(Control label, const std::string& caption) override;
    std::string caption(Control label) const override;
    void setControlVisible(Control control, bool visible) override;
    void setFontSize(Control label, double points) override;
    void setColour(Control control, Colour colour) override;
    void setUnderline(Control label, bool underline) override;
    TwipsRect controlRect(Control control) const override;
    void moveControl(Control control, double left, double top) override;
    void setTimerEnabled(bool enabled) override;
    void setTimerInterval(int ms) override;
    void messageBox(const std::string& text, MessageIcon icon) override;
    void showOptions(frmOptions& handlers) override;
    std::uint32_t handle() const override;
    TwipsRect normalRect() const override;
    void placeNormal(const TwipsRect& rect) override;
    int placementState() const override;
    void setPlacementState(int state) override;
    void registerHelpFile(const std::string& fileName) override;
    void showWindow() override;

    Form1 form1;

  private:
    struct Shape {
        TwipsRect rect;
        Colour fill = RGB(255, 255, 255);
        bool visible = true;
    };

    friend LRESULT CALLBACK windowObjectProc<Form1Window>(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void addToolTip(HWND label, const wchar_t* text);
    void changeDpi(UINT dpi, const RECT& suggested);
    void paintBackground(HDC dc) override;
    void labelMouseMove(int id) override;
    void labelClicked(int id) override;
    Shape* shape(Control control);
    const Shape* shape(Control control) const;
    LabelControl& label(Control control) const;
    RECT pixels(const TwipsRect& rect) const;

    Twips m_twips;
    std::array<Shape, 3> m_shapes{};
    std::array<std::unique_ptr<LabelControl>, 11> m_labels{};
    UniqueFont m_defaultFont;
    bool m_timerOn = false;
    int m_interval = 500;
    int m_pendingState = 0; // the state to show with, while the window is hidden
    std::wstring m_helpFile;
    UniqueWindow m_toolTips;
    UniqueWindow m_window;
};
