#include "app/plain_face.h"

#include "model/window_paint_layout.h"
#include "win/rect_conversion.h"

void PaintPlainText(HWND window, HDC dc, const std::string& time) {
    const RECT client = ToRECT(ClientRect(window));
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));  // a system brush, not owned
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    SIZE extent{};
    GetTextExtentPoint32A(dc, time.c_str(), static_cast<int>(time.size()), &extent);
    const Point at = PlainTextOrigin({client.right, client.bottom}, extent.cy);
    TextOutA(dc, at.x, at.y, time.c_str(), static_cast<int>(time.size()));
}

void PaintMinimised(HWND window, HDC dc, HICON icon) {
    SendMessageA(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const Point at = MinimisedIconOrigin(
        ClientRect(window).Extent(), {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)});
    DrawIcon(dc, at.x, at.y, icon);
}
