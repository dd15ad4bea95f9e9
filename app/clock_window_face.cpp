// The face of the clock window: the second it shows, ticks aimed just past each turn of the
// wall-clock second, and painting.

#include <time.h>

#include <utility>

#include "app/clock_window.h"
#include "win/paint_context.h"
#include "win/window_dc.h"

// Each tick shows the second it finds, if the face does not show it yet, and aims the next tick
// just past the next second: a timer of a fixed period would drift against the second and now
// and then skip one.
void ClockWindow::OnTimer() {
    if (!timerId)
        return;
    const WallTime now = WallClockNow();
    if (ticker.TakeNewSecond(now))
        ShowTime(LocalTimeText(now));
    // A timer already running at the period wanted is left alone: setting it costs a round trip
    // to the window server, whose timers keep their phase.
    if (const unsigned period = SecondTicker::NextPeriod(now); period != tickPeriod) {
        SetTimer(Handle(), kClockTimerId, period, nullptr);
        tickPeriod = period;
    }
    ReturnHome();
    FollowFullScreen();
}

void ClockWindow::ShowTime(std::string time) {
    shownTime = std::move(time);
    if (!skin.HasBackground()) {
        InvalidateRect(Handle(), nullptr, FALSE);  // the plain text face, drawn whole
        return;
    }
    const Rect changed =
        face.Update(skin.background, skin.glyphs, shownTime, placement.Mode(), zoom);
    if (changed.IsEmpty())
        return;
    // The shape can only have changed inside the cells that changed, which are drawn anyway.
    if (skin.values.ShapeFollowsFace() && !face.Image().IsEmpty())
        SetShape(face.Image().CreateRegion(skin.values.KeyColor()), false);
    // Drawn at once: an invalidation and a WM_PAINT would cost half a dozen round trips to the
    // window server a tick. What the window cannot show now, WM_PAINT draws later from the face.
    const WindowDc dc(Handle());
    IntersectClipRect(dc.get(), changed.left, changed.top, changed.right, changed.bottom);
    face.Image().Draw(dc.get(), 0, 0);
}

void ClockWindow::Resynchronise() {
    _tzset();  // the runtime reads the time zone once, unless told it may have changed
    ticker.Forget();
    face.Reset();
    OnTimer();
}

void ClockWindow::OnPaint() {
    const PaintContext paint(Handle());
    if (IsIconic(Handle())) {
        PaintMinimised(paint.Dc());
        return;
    }
    if (skin.HasBackground())
        face.Image().Draw(paint.Dc(), 0, 0);  // a face without memory for it draws nothing
    else
        PaintPlainText(paint.Dc());
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
