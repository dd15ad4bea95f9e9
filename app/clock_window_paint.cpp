// Painting of the clock window: the face once a second, the icon when minimised.

#include "app/clock_face.h"
#include "app/clock_window.h"
#include "win/paint_context.h"

void ClockWindow::OnPaint() {
    const PaintContext paint(Handle());
    if (IsIconic(Handle())) {
        PaintMinimised(paint.Dc());
        return;
    }
    const std::string time = LocalTimeText();
    if (skinLoaded && !background.IsEmpty())
        PaintFace(paint.Dc(), time);
    else
        PaintPlainText(paint.Dc(), time);
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

void ClockWindow::PaintFace(HDC dc, const std::string& time) {
    const PixelImage& shown = face.Compose(background, glyphs, time, dockMode);
    if (shown.IsEmpty())
        return;  // no memory for the face: the window keeps its shape until a later paint
    if (shapeFollowsFace)
        SetShape(shown.CreateRegion(KeyColor()));
    shown.Draw(dc, 0, 0);
}

// Stands in while no skin has a background to show. With no background at all the text is
// centred on a filled window, so a clock without a skin can still be read and right-clicked.
void ClockWindow::PaintPlainText(HDC dc, const std::string& time) {
    Size frame{background.Width(), background.Height()};
    if (background.IsEmpty()) {
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));  // a system brush, not owned
        frame = {client.right, client.bottom};
    }
    background.Draw(dc, 0, 0);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_TOP);
    SIZE extent{};
    GetTextExtentPoint32A(dc, time.c_str(), static_cast<int>(time.size()), &extent);
    const Point at = PlainTextOrigin(frame, extent.cy);
    TextOutA(dc, at.x, at.y, time.c_str(), static_cast<int>(time.size()));
}
