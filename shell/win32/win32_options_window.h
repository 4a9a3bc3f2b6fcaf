#pragma once

#include <optional>

#include "shared/options_view.h"

#include <windows.h>

#include "platform/windows/win_handles.h"
#include "shell/win32/window_object.h"

class Win32Form1Window;

// The options dialog on Win32, made from the engine's design for each opening and shown modally
// over the main window, whose timer keeps ticking meanwhile. Its clicks and keys go to the
// engine. The ids: IDOK and IDCANCEL for the buttons, 101 on for the others in design order.
class Win32OptionsWindow : public OptionsView {
  public:
    explicit Win32OptionsWindow(Win32Form1Window& owner);
    Win32OptionsWindow(const Win32OptionsWindow&) = delete;
    Win32OptionsWindow& operator=(const Win32OptionsWindow&) = delete;

    void setValue(OptionsControl box, CheckState state) override;
    void setWarnTonSekText(const std::string& text) override;
    std::string warnTonSekText() const override;
    CursorPosition cursorPosition() const override;
    TwipsSize twipsPerPixel() const override;
    void moveDialog(double left, double top) override;
    void messageBox(std::string_view title, const std::string& text, MessageIcon icon) override;
    void setFocus(OptionsControl control) override;
    std::optional<OptionsControl> focusedControl() const override;
    // Returns when the dialog has been unloaded.
    void showModal(WindowController<OptionsControl>& controller) override;
    void unload() override { m_open = false; }

  private:
    friend LRESULT CALLBACK windowObjectProc<Win32OptionsWindow>(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void addControls();
    // The keys the engine answers (Enter, Esc), before the dialog manager would make every Enter
    // an OK; the others as in any dialog.
    bool key(const MSG& msg);
    void drawButton(const DRAWITEMSTRUCT& item);
    HWND control(OptionsControl c) const;

    Win32Form1Window& m_owner;
    WindowController<OptionsControl>* m_controller = nullptr; // while it is shown
    OptionsControl m_focus = OptionsControl::cmdOK;           // to give once it is shown
    UniqueFont m_font;
    UniqueBrush m_back;
    UniqueBrush m_face;
    bool m_open = true;
    UniqueWindow m_window;
};
