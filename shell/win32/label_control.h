#pragma once

#include <string>

#include "app/form1_view.h"

#include <windows.h>

#include "platform/windows/win_handles.h"
#include "shell/win32/window_object.h"

class LabelControl;

// The window a label lies on: it paints what shows through the label and hears its mouse.
class LabelHost {
  public:
    // Paints the host's surface; the context's origin is the host's client origin.
    virtual void paintBackground(HDC dc) = 0;
    virtual void labelMouseMove(int id) = 0;
    virtual void labelClicked(int id) = 0;

  protected:
    ~LabelHost() = default;
};

// A transparent label that sizes itself to its text. It keeps its caption exactly as set
// ("\r\n" included) so refreshes can compare it; WM_GETTEXT reads it as shown.
class LabelControl {
  public:
    enum class Fit { Grow, KeepCentre, WrapToWidth };
    struct Design {
        int id;
        const wchar_t* family;
        double points;
        Fit fit;
        double left, top, width, height; // twips
        const char* caption;
        Colour colour;
    };
    LabelControl(HWND parent, LabelHost& host, const Design& design, UINT dpi);

    HWND window() const { return m_window.get(); }
    void setCaption(const std::string& caption);
    const std::string& caption() const { return m_caption; }
    void setFontSize(double points);
    void setColour(Colour colour);
    void setUnderline(bool underline);
    void setHandCursor() { m_hand = true; }
    // In the host's client pixels.
    RECT rect() const { return m_rect; }
    void moveTo(int left, int top);
    // Another dpi: the same place and size in inches.
    void rescale(UINT dpi);

  private:
    friend LRESULT CALLBACK windowObjectProc<LabelControl>(HWND, UINT, WPARAM, LPARAM);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    void newFont();
    void fitToText();
    void place(const RECT& rect);

    LabelHost& m_host;
    int m_id;
    std::wstring m_family;
    double m_points;
    Fit m_fit;
    UINT m_dpi;
    bool m_underline = false;
    bool m_hand = false;
    COLORREF m_colour;
    std::string m_caption;
    std::wstring m_shown;
    RECT m_rect{};
    UniqueFont m_font;
    UniqueWindow m_window;
};
