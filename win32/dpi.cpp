#include "win32/dpi.h"

#include "draw/scale.h"

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using MetricsForDpi = int(WINAPI*)(int, UINT);
using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// A function of user32.dll by name; null where this system has none. Looked
// up at each use: they are called seldom, and a static would bring in the
// runtime's guard for it.
template <typename Function>
Function User32(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

}  // namespace

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : kBaseDpi;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int WindowDpi(HWND window) {
    const DpiForWindow dpiForWindow = User32<DpiForWindow>("GetDpiForWindow");
    const int dpi = window != nullptr && dpiForWindow != nullptr ? static_cast<int>(dpiForWindow(window)) : 0;
    return ClampDpi(dpi > 0 ? dpi : ScreenDpi());
}

int MetricForDpi(int index, int dpi) {
    const MetricsForDpi metricsForDpi = User32<MetricsForDpi>("GetSystemMetricsForDpi");
    return metricsForDpi != nullptr ? metricsForDpi(index, static_cast<UINT>(dpi)) : GetSystemMetrics(index);
}

SIZE OuterSizeForDpi(int clientWidth, int clientHeight, DWORD style, int dpi) {
    const AdjustForDpi adjustForDpi = User32<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT rect = {0, 0, clientWidth, clientHeight};
    if (adjustForDpi == nullptr || !adjustForDpi(&rect, style, FALSE, 0, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&rect, style, FALSE, 0);
    return {rect.right - rect.left, rect.bottom - rect.top};
}
