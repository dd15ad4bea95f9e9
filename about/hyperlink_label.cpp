#include "about/hyperlink_label.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cstring>
#include <optional>
#include <utility>

#include "about/hyperlink_command.h"
#include "about/hyperlink_error.h"
#include "about/label_geometry.h"
#include "win/application.h"
#include "win/rect_conversion.h"
#include "win/window_dc.h"

static_assert(kStaticCenter == SS_CENTER && kStaticRight == SS_RIGHT &&
              kStaticCenterImage == SS_CENTERIMAGE);

namespace {

// The label's one tool in its tooltip.
constexpr UINT_PTR kToolId = 1;
constexpr int kFontHeight = 12;
// The help viewer's hand cursor, the link cursor of choice where the help viewer is installed.
constexpr WORD kHelpViewerHandCursor = 106;
// A registry default value is read through a buffer of the path limit, terminator included.
constexpr DWORD kRegistryValueCapacity = MAX_PATH;
// Repaints at once, background included, so that a colour change shows while the mouse moves.
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

std::string WindowText(HWND window) {
    std::string text(GetWindowTextLengthA(window), '\0');
    text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size()) + 1));
    return text;
}

bool IsSystemLeadByte(unsigned char c) {
    return IsDBCSLeadByte(c) != FALSE;
}

// The tool record of a label's one tool; the size leaves out the application-data field.
TTTOOLINFOA ToolRecord(HWND label, const std::string& text) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = label;
    tool.uId = kToolId;
    tool.lpszText = const_cast<char*>(text.c_str());
    return tool;
}

// A private copy of the help viewer's hand cursor, loaded from the program as data only.
HCURSOR CopyHelpViewerCursor() {
    char windowsDirectory[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(windowsDirectory, sizeof windowsDirectory);
    if (length == 0 || length >= sizeof windowsDirectory)
        return nullptr;
    const std::string helpViewer = std::string(windowsDirectory, length) + "\\winhlp32.exe";
    const UniqueLibrary module(
        LoadLibraryExA(helpViewer.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!module)
        return nullptr;
    const HCURSOR hand = LoadCursorA(module.get(), MAKEINTRESOURCEA(kHelpViewerHandCursor));
    return hand ? CopyCursor(hand) : nullptr;
}

}  // namespace

HyperlinkLabel::HyperlinkLabel() : hoverColor(GetSysColor(COLOR_HIGHLIGHT)) {}

// Runs when the label is attached to its static control.
void HyperlinkLabel::OnAttached() {
    const HWND control = Handle();
    SetWindowLongA(control, GWL_STYLE, GetWindowLongA(control, GWL_STYLE) | SS_NOTIFY);
    if (url.empty())
        url = WindowText(control);
    if (WindowText(control).empty())
        SetWindowTextA(control, url.c_str());

    LOGFONTA logFont{};
    logFont.lfHeight = kFontHeight;
    logFont.lfUnderline = underline;
    std::strcpy(logFont.lfFaceName, "Lucida Console");
    font.reset(CreateFontIndirectA(&logFont));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);

    AdjustToFit();
    SetDefaultCursor();
    CreateToolTip();
}

void HyperlinkLabel::CreateToolTip() {
    const HWND control = Handle();
    RECT client{};
    GetClientRect(control, &client);
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    toolTip.reset(CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, control, nullptr,
                                  nullptr, nullptr));
    TTTOOLINFOA tool = ToolRecord(control, url);
    tool.rect = client;
    SendMessageA(toolTip.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void HyperlinkLabel::SetURL(std::string newUrl) {
    url = std::move(newUrl);
    if (!IsWindow(Handle()))
        return;
    AdjustToFit();
    TTTOOLINFOA tool = ToolRecord(Handle(), url);
    SendMessageA(toolTip.get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void HyperlinkLabel::SetVisited(bool flag) {
    visited = flag;
    if (IsWindow(Handle()))
        InvalidateRect(Handle(), nullptr, TRUE);
}

void HyperlinkLabel::AdjustToFit() {
    const HWND control = Handle();
    if (!IsWindow(control) || !adjustToFit)
        return;
    RECT rect{};
    GetWindowRect(control, &rect);
    if (const HWND parent = GetParent(control)) {
        auto* corners = reinterpret_cast<POINT*>(&rect);
        ScreenToClient(parent, &corners[0]);
        ScreenToClient(parent, &corners[1]);
    }

    const std::string text = WindowText(control);
    SIZE extent{};
    if (const WindowDc dc(control); dc) {
        const ScopedSelect select(dc.get(), font.get());
        GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }

    const Rect fitted = FitLabelToText(ToRect(rect), extent.cx, extent.cy,
                                       static_cast<unsigned>(GetWindowLongA(control, GWL_STYLE)));
    SetWindowPos(control, nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
                 fitted.bottom - fitted.top, SWP_NOZORDER);
}

void HyperlinkLabel::SetDefaultCursor() {
    if (linkCursor)
        return;
    linkCursor.reset(CopyHelpViewerCursor());
    // Without the help viewer the system's own hand serves.
    if (!linkCursor)
        linkCursor.reset(CopyCursor(LoadCursorA(nullptr, IDC_HAND)));
}

bool HyperlinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // The dialog's modal loop offers no hook before dispatch, so the tooltip sees the mouse
    // here, before the label does.
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST)
        RelayToToolTip(message, wParam, lParam);
    switch (message) {
        case WM_SETCURSOR:
            if (linkCursor)
                SetCursor(linkCursor.get());
            result = linkCursor ? TRUE : FALSE;
            return true;
        case WM_MOUSEMOVE:
            Default(message, wParam, lParam);
            OnMouseMove(lParam);
            result = 0;
            return true;
        case WM_CAPTURECHANGED:
            OnCaptureChanged(reinterpret_cast<HWND>(lParam));
            return false;
        case WM_DESTROY:
            OnDestroy();
            return false;
        default:
            return false;
    }
}

void HyperlinkLabel::RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam) {
    const DWORD position = GetMessagePos();
    MSG relayed{Handle(),
                message,
                wParam,
                lParam,
                static_cast<DWORD>(GetMessageTime()),
                POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)}};
    SendMessageA(toolTip.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

// The label holds the mouse while the pointer is over it, so that it also sees the move that
// takes the pointer away.
void HyperlinkLabel::OnMouseMove(LPARAM lParam) {
    if (!overControl) {
        overControl = true;
        Redraw();
        SetCapture(Handle());
        return;
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    if (PtInRect(&client, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
        return;
    overControl = false;
    ReleaseCapture();
    Redraw();
}

// Another window took the mouse (a message box, a program that was just started), so the
// pointer's leaving will never be seen: the label stops hovering now.
void HyperlinkLabel::OnCaptureChanged(HWND newCapture) {
    if (!overControl || newCapture == Handle())
        return;
    overControl = false;
    Redraw();
}

// The tooltip is owned by the dialog, which destroys it before its controls when it closes.
void HyperlinkLabel::OnDestroy() {
    if (!IsWindow(toolTip.get()))
        static_cast<void>(toolTip.release());
    toolTip.reset();
}

void HyperlinkLabel::Redraw() {
    RedrawWindow(Handle(), nullptr, nullptr, kRedrawNow);
}

HBRUSH HyperlinkLabel::OnReflectedCtlColor(HDC dc) {
    SetTextColor(dc, overControl ? hoverColor : visited ? visitedColor : linkColor);
    SetBkMode(dc, TRANSPARENT);
    // The dialog's background shows through.
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

// Called when the user clicks the link.
void HyperlinkLabel::OnReflectedClick() {
    const int result = GotoURL(url, SW_SHOW);
    const bool opened = LaunchSucceeded(result);
    SetVisited(opened);
    if (opened)
        return;
    MessageBeep(MB_ICONEXCLAMATION);
    ReportError(result);
}

int HyperlinkLabel::GotoURL(const std::string& url, int showCommand) {
    const int shellResult = static_cast<int>(reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, showCommand)));
    if (LaunchSucceeded(shellResult))
        return shellResult;

    // The browser registered for HTML files, started with the URL in place of its "%1".
    std::string htmlClass;
    if (ReadRegistryDefault(HKEY_CLASSES_ROOT, ".htm", htmlClass) != ERROR_SUCCESS)
        return shellResult;
    std::string openCommand;
    if (ReadRegistryDefault(HKEY_CLASSES_ROOT, htmlClass + "\\shell\\open\\command", openCommand) !=
        ERROR_SUCCESS)
        return shellResult;
    const std::optional<std::string> commandLine =
        BuildHyperlinkCommand(openCommand, url, IsSystemLeadByte);
    if (!commandLine)
        return shellResult;
    return static_cast<int>(WinExec(commandLine->c_str(), showCommand));
}

LONG HyperlinkLabel::ReadRegistryDefault(HKEY root, const std::string& subKey, std::string& value) {
    HKEY opened = nullptr;
    const LONG openResult = RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (openResult != ERROR_SUCCESS)
        return openResult;
    const UniqueKey key(opened);
    char buffer[kRegistryValueCapacity];
    LONG size = sizeof buffer;
    const LONG readResult = RegQueryValueA(key.get(), nullptr, buffer, &size);
    if (readResult != ERROR_SUCCESS)
        return readResult;
    // A value stored without its terminator fits only if there is room left to add one.
    const size_t length = strnlen(buffer, static_cast<size_t>(size));
    if (length >= sizeof buffer)
        return ERROR_MORE_DATA;
    value.assign(buffer, length);
    return ERROR_SUCCESS;
}

void HyperlinkLabel::ReportError(int launchResult) {
    if (const Application* app = Application::Current())
        app->ShowMessage(HyperlinkErrorMessage(launchResult).c_str());
}
