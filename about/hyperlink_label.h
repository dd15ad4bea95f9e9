#pragma once
// A static text control that behaves as a hyperlink: underlined in a link colour, fitted to its
// text, a hand cursor and a tooltip with its URL, and a click that opens the URL.

#include <windows.h>

#include <string>

#include "win/static_control.h"
#include "win/unique_handle.h"

class HyperlinkLabel : public StaticControl {
public:
    HyperlinkLabel();

    // Before the label is attached only the URL is stored; the set-up then uses it. Afterwards
    // the tooltip shows the new URL, while the visible text stays.
    void SetURL(std::string newUrl);
    // The visited state decides the colour from the next repaint on, which this asks for.
    void SetVisited(bool flag);
    // Shrinks (or grows) the label to its text, the way its style aligns the text.
    void AdjustToFit();
    // Gives the label a hand cursor, unless it has one.
    void SetDefaultCursor();

    // Opens `url` through the shell, else with the program registered for HTML files. Returns
    // the launch result: above 32 on success, otherwise the shell's own error code.
    static int GotoURL(const std::string& url, int showCommand);
    // The default value of a registry key; non-zero (a registry error code) when the key does
    // not open or its value cannot be read or does not fit, with `value` left as it was.
    static LONG ReadRegistryDefault(HKEY root, const std::string& subKey, std::string& value);
    // Tells the user why the URL could not be opened.
    static void ReportError(int launchResult);

protected:
    void OnAttached() override;
    HBRUSH OnReflectedCtlColor(HDC dc) override;
    void OnReflectedClick() override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void CreateToolTip();
    void RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam);
    void OnMouseMove(LPARAM lParam);
    void OnCaptureChanged(HWND newCapture);
    void OnDestroy();
    void Redraw();

    const COLORREF linkColor = RGB(0, 0, 238);
    const COLORREF visitedColor = RGB(85, 26, 139);
    const COLORREF hoverColor;
    bool overControl = false;
    bool visited = false;
    const bool underline = true;
    const bool adjustToFit = true;
    std::string url;
    UniqueFont font;
    UniqueCursor linkCursor;
    UniqueWindow toolTip;
};
