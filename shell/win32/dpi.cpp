#include "shell/win32/dpi.h"

#include <cmath>

#include "platform/windows/system_function.h"

UINT windowDpi(HWND window) {
    static const auto kForWindow =
        systemFunction<UINT WINAPI(HWND)>(L"user32.dll", "GetDpiForWindow");
    if (kForWindow && window)
        if (const UINT dpi = kForWindow(window))
            return dpi;
    const WindowDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSX);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

SIZE frameSize(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto kForDpi = systemFunction<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>(
        L"user32.dll", "AdjustWindowRectExForDpi");
    RECT r{0, 0, clientWidth, clientHeight};
    if (!kForDpi || !kForDpi(&r, style, FALSE, exStyle, dpi))
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

UniqueFont createFont(const wchar_t* family, double points, bool underline, UINT dpi) {
    const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    return UniqueFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, family));
}

int Twips::toPixels(double twips) const {
    return static_cast<int>(std::lround(twips / perPixel()));
}
