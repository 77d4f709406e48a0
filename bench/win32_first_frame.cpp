// The floor under Qt: a plain Win32 program showing a window of the toy's client size with a
// one-entry menu bar, ended after its first painted frame, reporting as the Qt programs do.
#include "process_report.h"

namespace {

constexpr UINT FirstFramePainted = WM_APP;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static bool painted = false;
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(window, &paint);
        FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
        EndPaint(window, &paint);
        // as in the Qt programs, the frame is done when the paint pass has returned
        if (!painted) PostMessageW(window, FirstFramePainted, 0, 0);
        painted = true;
        return 0;
    }
    case FirstFramePainted:
        printFirstFrameTime();
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

int main() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"FirstFrame";
    if (!RegisterClassW(&windowClass)) return 1;

    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 1, L"E&xit");
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");

    constexpr DWORD Style = WS_OVERLAPPEDWINDOW;
    RECT frame{0, 0, 599, 439};
    AdjustWindowRectEx(&frame, Style, TRUE, 0);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"First frame", Style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, bar, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    printPeakMemory();
    return 0;
}
