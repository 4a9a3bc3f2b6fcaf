#pragma once

#include <string>

#include "base/control_design.h"

#include <windows.h>

#include "platform/windows/com_apartment.h"
#include "platform/windows/win_handles.h"
#include "shell/win32/window_object.h"

// The window a label lies on: it paints what shows through the label and hears its mouse; the
// keys pressed while the label has the focus go to it as well.
class LabelHost {
  public:
    // Paints the host's surface; the context's origin is the host's client origin.
    virtual void paintBackground(HDC dc) = 0;
    virtual void labelMouseMove(int id) = 0;
    virtual void labelClicked(int id) = 0;
    virtual ComApartment& apartment() = 0;

  protected:
    ~LabelHost() = default;
};

// A transparent label; the engine places it, fitted to the text it measures here. It keeps its
// caption exactly as set ("\r\n" included); WM_GETTEXT reads it as shown. A screen reader meets
// a command as a link, named by its caption and described by its tool tip, that it can follow.
class Win32Label {
  public:
    struct Look {
        std::wstring family;
        double points;
        Alignment alignment;
        bool wrap;
        Colour colour;
        bool command; // with the hand cursor
        std::wstring toolTip;
        bool legible;
    };
    Win32Label(HWND parent, LabelHost& host, int id, Look look, const std::string& caption,
               const RECT& rect, UINT dpi);

    HWND window() const { return m_window.get(); }
    void setCaption(const std::string& caption);
    void setFontSize(double points);
    void setColour(Colour colour);
    void setUnderline(bool underline);
    // The keyboard's focus cue, drawn while the label has the focus.
    void setFocusCue(bool on);
    // The present caption in the present font, in pixels; wrapped at the present width.
    SIZE textExtent() const;
    // In the host's client pixels.
    void place(const RECT& rect);
    // Another dpi: the font keeps its size in points.
    void setDpi(UINT dpi);

  private:
    friend LRESULT CALLBACK windowObjectProc<Win32Label>(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    UINT drawFlags() const;
    void paint();
    void newFont();

    LabelHost& m_host;
    int m_id;
    Look m_look;
    UINT m_dpi;
    bool m_underline = false;
    bool m_focusCue = false;
    std::wstring m_shown;
    RECT m_rect;
    UniqueFont m_font;
    UniqueWindow m_window;
};
