// Painting of the clock window: the face the last tick composed, the icon when minimised.

#include "app/clock_window.h"
#include "win/paint_context.h"

void ClockWindow::OnPaint() {
    const PaintContext paint(Handle());
    if (IsIconic(Handle())) {
        PaintMinimised(paint.Dc());
        return;
    }
    if (background.IsEmpty())
        PaintPlainText(paint.Dc());
    else
        face.Image().Draw(paint.Dc(), 0, 0);  // a face without memory for it draws nothing
}

void ClockWindow::PaintMinimised(HDC dc) {
    SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(Handle(), &client);
    const Point at =
        MinimisedIconOrigin({client.right - client.left, client.bottom - client.top},
                            {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)});
    DrawIcon(dc, at.x, at.y, icon);
}

// Stands in while no skin has a background to show: the text centred on a filled window, so a
// clock without a skin can still be read and right-clicked.
void ClockWindow::PaintPlainText(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));  // a system brush, not owned
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    SIZE extent{};
    GetTextExtentPoint32A(dc, shownTime.c_str(), static_cast<int>(shownTime.size()), &extent);
    const Point at = PlainTextOrigin({client.right, client.bottom}, extent.cy);
    TextOutA(dc, at.x, at.y, shownTime.c_str(), static_cast<int>(shownTime.size()));
}
