// A console helper for the end-to-end tests: it runs under the same Wine prefix as the clock,
// finds the clock's window and inspects or messages it. Every command prints one JSON line on
// standard output and exits with 0 on success, 1 on failure (then with an "error" member).

#include <windows.h>
#include <shellapi.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "win/unique_handle.h"
#include "win/window_dc.h"

namespace {

constexpr char kClockImage[] = "Zentrix.exe";
constexpr char kClockClass[] = "ZentrixClock";
constexpr char kMenuClass[] = "#32768";
constexpr DWORD kDefaultFindTimeoutMs = 10000;
constexpr DWORD kDefaultSendTimeoutMs = 5000;
constexpr DWORD kPollIntervalMs = 50;

// A rectangle as the JSON array [left, top, right, bottom].
std::string RectText(const RECT& rect) {
    char text[64];
    std::snprintf(text, sizeof text, "[%ld,%ld,%ld,%ld]", rect.left, rect.top, rect.right,
                  rect.bottom);
    return text;
}

// Builds one JSON object. Texts come in the system code page and leave as JSON escapes, so the
// line stays ASCII whatever the window titles hold.
class Json {
public:
    Json& Number(const char* key, long long value) {
        Key(key);
        text += std::to_string(value);
        return *this;
    }
    Json& Bool(const char* key, bool value) {
        Key(key);
        text += value ? "true" : "false";
        return *this;
    }
    Json& String(const char* key, std::string_view value) {
        Key(key);
        AppendQuoted(value);
        return *this;
    }
    Json& Raw(const char* key, const std::string& json) {
        Key(key);
        text += json;
        return *this;
    }
    Json& Rect(const char* key, const RECT& rect) {
        Key(key);
        text += RectText(rect);
        return *this;
    }
    std::string Done() const { return text + "}"; }

private:
    void Key(const char* key) {
        text += text.size() > 1 ? "," : "";
        AppendQuoted(key);
        text += ":";
    }

    void AppendQuoted(std::string_view value) {
        std::wstring wide(value.size(), L'\0');
        const int length =
            value.empty()
                ? 0
                : MultiByteToWideChar(CP_ACP, 0, value.data(), static_cast<int>(value.size()),
                                      wide.data(), static_cast<int>(wide.size()));
        wide.resize(length);
        text += '"';
        for (const wchar_t c : wide) {
            if (c == L'"' || c == L'\\') {
                text += '\\';
                text += static_cast<char>(c);
            } else if (c >= 0x20 && c < 0x7f) {
                text += static_cast<char>(c);
            } else {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                text += escape;
            }
        }
        text += '"';
    }

    std::string text = "{";
};

int Print(const Json& json) {
    std::printf("%s\n", json.Done().c_str());
    return 0;
}

int Fail(const std::string& error) {
    std::printf("%s\n", Json().String("error", error).Done().c_str());
    return 1;
}

// Decimal or 0x-hex. Negative numbers too, since lParam often packs signed coordinates; the rest
// as unsigned, so that values such as 0xFFFFFFFF80000000 keep their bits.
bool ParseNumber(const char* text, long long& value) {
    char* end = nullptr;
    errno = 0;
    value = text[0] == '-' ? std::strtoll(text, &end, 0)
                           : static_cast<long long>(std::strtoull(text, &end, 0));
    return end != text && *end == '\0' && errno == 0;
}

HWND ParseWindow(const char* text) {
    long long value = 0;
    return ParseNumber(text, value) ? reinterpret_cast<HWND>(static_cast<INT_PTR>(value)) : nullptr;
}

long long HandleNumber(HWND window) {
    return static_cast<long long>(reinterpret_cast<INT_PTR>(window));
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// WM_GETTEXT reaches into other processes' controls as well; a timeout keeps a hung window
// from hanging the tests.
std::string TextOf(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG,
                             kDefaultSendTimeoutMs, &length))
        return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kDefaultSendTimeoutMs, &copied))
        return {};
    text.resize(copied);
    return text;
}

using UniqueProcess = Unique<HANDLE, CloseKernelHandle>;

std::string ImageNameOf(DWORD pid) {
    const UniqueProcess process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process)
        return {};
    char path[MAX_PATH * 2] = "";
    DWORD size = sizeof path;
    if (!QueryFullProcessImageNameA(process.get(), 0, path, &size))
        return {};
    const char* slash = std::strrchr(path, '\\');
    return slash ? slash + 1 : path;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

Json DescribeWindow(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    RECT client{};
    GetClientRect(window, &client);
    DWORD pid = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &pid);
    // Where the window's thread sends keyboard input: the dialog keys need the focus there.
    GUITHREADINFO input{};
    input.cbSize = sizeof input;
    GetGUIThreadInfo(thread, &input);
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    return Json()
        .Number("hwnd", HandleNumber(window))
        .Number("pid", pid)
        .String("image", ImageNameOf(pid))
        .String("class", ClassOf(window))
        .Rect("rect", rect)
        .Number("width", rect.right - rect.left)
        .Number("height", rect.bottom - rect.top)
        .Number("client_width", client.right)
        .Number("client_height", client.bottom)
        .Number("style", static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)))
        .Number("exstyle", static_cast<DWORD>(exStyle))
        .Bool("topmost", (exStyle & WS_EX_TOPMOST) != 0)
        .Bool("visible", IsWindowVisible(window) != FALSE)
        .Bool("enabled", IsWindowEnabled(window) != FALSE)
        .Number("owner", HandleNumber(GetWindow(window, GW_OWNER)))
        .Number("thread_active", HandleNumber(input.hwndActive))
        .Number("thread_focus", HandleNumber(input.hwndFocus))
        .Number("foreground", HandleNumber(GetForegroundWindow()));
}

std::string CaptionOf(HWND window) {
    // GetWindowTextA reads another process's caption without sending it a message.
    char caption[256] = "";
    GetWindowTextA(window, caption, sizeof caption);
    return caption;
}

// The clock is the one window of its class in its process; message boxes, the skin chooser and
// the About box have captions. Other windows of the process are
// found by their captions: the first caption of the list that a visible window has wins, and
// the empty caption stands for the clock (a start-up may show the skin chooser instead).
HWND FindClockWindow(const std::vector<std::string>& captions) {
    const std::vector<HWND> windows = TopLevelWindows();
    for (const std::string& wanted : captions) {
        for (const HWND window : windows) {
            if (!IsWindowVisible(window) || CaptionOf(window) != wanted ||
                (wanted.empty() && ClassOf(window) != kClockClass))
                continue;
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            if (lstrcmpiA(ImageNameOf(pid).c_str(), kClockImage) == 0)
                return window;
        }
    }
    return nullptr;
}

// Reads "--timeout-ms N" out of the arguments that follow the command.
DWORD TimeoutOption(std::vector<const char*>& args, DWORD fallback) {
    for (size_t i = 0; i + 1 < args.size(); ++i) {
        long long value = 0;
        if (std::strcmp(args[i], "--timeout-ms") == 0 && ParseNumber(args[i + 1], value) &&
            value >= 0) {
            args.erase(args.begin() + i, args.begin() + i + 2);
            return static_cast<DWORD>(value);
        }
    }
    return fallback;
}

// Takes every "--title TEXT" out of the arguments that follow the command; without any, the
// clock's own empty caption.
std::vector<std::string> TitleOptions(std::vector<const char*>& args) {
    std::vector<std::string> titles;
    for (size_t i = 0; i + 1 < args.size();) {
        if (std::strcmp(args[i], "--title") == 0) {
            titles.emplace_back(args[i + 1]);
            args.erase(args.begin() + i, args.begin() + i + 2);
        } else {
            ++i;
        }
    }
    if (titles.empty())
        titles.emplace_back();
    return titles;
}

int Find(std::vector<const char*> args) {
    const DWORD timeout = TimeoutOption(args, kDefaultFindTimeoutMs);
    const std::vector<std::string> titles = TitleOptions(args);
    const ULONGLONG deadline = GetTickCount64() + timeout;
    for (;;) {
        if (const HWND found = FindClockWindow(titles))
            return Print(DescribeWindow(found).String("title", CaptionOf(found)));
        if (GetTickCount64() >= deadline)
            return Fail("no such visible window of the clock");
        Sleep(kPollIntervalMs);
    }
}

int Rect(HWND window) {
    return Print(DescribeWindow(window));
}

bool ParseMessage(const std::vector<const char*>& args, UINT& message, WPARAM& wParam,
                  LPARAM& lParam) {
    long long values[3] = {};
    for (int i = 0; i < 3; ++i)
        if (!ParseNumber(args[1 + i], values[i]))
            return false;
    message = static_cast<UINT>(values[0]);
    wParam = static_cast<WPARAM>(values[1]);
    lParam = static_cast<LPARAM>(values[2]);
    return true;
}

int Send(std::vector<const char*> args) {
    const DWORD timeout = TimeoutOption(args, kDefaultSendTimeoutMs);
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    if (args.size() != 4 || !ParseMessage(args, message, wParam, lParam))
        return Fail("usage: send HWND MSG WPARAM LPARAM [--timeout-ms N]");
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(ParseWindow(args[0]), message, wParam, lParam, SMTO_ABORTIFHUNG,
                             timeout, &result))
        return Fail("send failed or timed out, error " + std::to_string(GetLastError()));
    return Print(Json().Number("result", static_cast<long long>(result)));
}

int Post(const std::vector<const char*>& args) {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    if (args.size() != 4 || !ParseMessage(args, message, wParam, lParam))
        return Fail("usage: post HWND MSG WPARAM LPARAM");
    if (!PostMessageA(ParseWindow(args[0]), message, wParam, lParam))
        return Fail("post failed, error " + std::to_string(GetLastError()));
    return Print(Json().Bool("posted", true));
}

int Region(HWND window) {
    const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    const int type = GetWindowRgn(window, region.get());
    if (type == ERROR)
        return Print(Json().String("type", "none"));

    std::vector<char> buffer(GetRegionData(region.get(), 0, nullptr));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (buffer.empty() || !GetRegionData(region.get(), static_cast<DWORD>(buffer.size()), data))
        return Fail("GetRegionData failed");
    const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
    std::string list = "[";
    for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        list += i ? "," : "";
        list += RectText(rects[i]);
    }
    list += "]";
    const char* name = type == NULLREGION ? "null" : type == SIMPLEREGION ? "simple" : "complex";
    return Print(Json().String("type", name).Rect("bounds", data->rdh.rcBound).Raw("rects", list));
}

int Windows() {
    std::string list = "[";
    for (const HWND window : TopLevelWindows()) {
        list += list.size() > 1 ? "," : "";
        list += DescribeWindow(window).String("title", TextOf(window)).Done();
    }
    list += "]";
    return Print(Json().Raw("windows", list));
}

int Text(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, CollectWindow, reinterpret_cast<LPARAM>(&children));
    std::string list = "[";
    for (const HWND child : children) {
        list += list.size() > 1 ? "," : "";
        list += Json()
                    .Number("hwnd", HandleNumber(child))
                    .Number("id", GetDlgCtrlID(child))
                    .String("class", ClassOf(child))
                    .String("text", TextOf(child))
                    .Bool("visible", IsWindowVisible(child) != FALSE)
                    .Done();
    }
    list += "]";
    return Print(Json().String("text", TextOf(window)).Raw("children", list));
}

bool SendListMessage(HWND list, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return SendMessageTimeoutW(list, message, wParam, lParam, SMTO_ABORTIFHUNG,
                               kDefaultSendTimeoutMs, &result) &&
           static_cast<LRESULT>(result) != LB_ERR;
}

// One list box entry in the system code page. It is asked for in UTF-16: across processes Wine
// hands the ANSI message the list box's wide text unconverted.
bool ListEntry(HWND list, DWORD_PTR index, std::string& entry) {
    DWORD_PTR length = 0;
    if (!SendListMessage(list, LB_GETTEXTLEN, index, 0, length))
        return false;
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendListMessage(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()), copied))
        return false;
    entry.assign(text.size() * 2, '\0');
    entry.resize(WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(copied), entry.data(),
                                     static_cast<int>(entry.size()), nullptr, nullptr));
    return true;
}

// The entries of a list box and the selected one (-1 for none).
int Items(HWND list) {
    DWORD_PTR count = 0;
    DWORD_PTR selected = 0;
    if (!SendListMessage(list, LB_GETCOUNT, 0, 0, count))
        return Fail("the list box does not answer");
    if (!SendListMessage(list, LB_GETCURSEL, 0, 0, selected))
        selected = static_cast<DWORD_PTR>(LB_ERR);
    std::string entries = "[";
    for (DWORD_PTR i = 0; i < count; ++i) {
        std::string entry;
        if (!ListEntry(list, i, entry))
            return Fail("no text for entry " + std::to_string(i));
        // Where to click the entry: its rectangle on the screen.
        RECT rect{};
        DWORD_PTR ignored = 0;
        if (SendListMessage(list, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&rect), ignored))
            MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
        entries += i ? "," : "";
        entries += Json().String("text", entry).Rect("rect", rect).Done();
    }
    entries += "]";
    return Print(Json().Raw("items", entries).Number("selected", static_cast<LRESULT>(selected)));
}

// The key state as the window system holds it for all processes: Wine learns of a key only from
// events that reach one of its windows, so a test asks here whether a modifier really counts.
int Keys() {
    const auto down = [](int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; };
    return Print(Json()
                     .Bool("shift", down(VK_SHIFT))
                     .Bool("control", down(VK_CONTROL))
                     .Bool("left_button", down(VK_LBUTTON))
                     .Bool("right_button", down(VK_RBUTTON)));
}

// Tells the window system where the pointer is. Wine sees pointer moves only over its own
// windows, and it drops a move to the place where it last saw the pointer; a test that has moved
// the pointer elsewhere says so here. Like any move this one reaches the window under the point.
int Cursor(const std::vector<const char*>& args) {
    long long x = 0, y = 0;
    if (args.size() != 2 || !ParseNumber(args[0], x) || !ParseNumber(args[1], y))
        return Fail("usage: cursor X Y");
    if (!SetCursorPos(static_cast<int>(x), static_cast<int>(y)))
        return Fail("SetCursorPos failed, error " + std::to_string(GetLastError()));
    POINT now{};
    GetCursorPos(&now);
    return Print(Json().Number("x", now.x).Number("y", now.y));
}

// A popup menu of the driver's own, drawn by the same window system as the clock's; what it
// looks like on the screen is what the clock's menu should look like. It stays open until its
// owner window gets WM_CANCELMODE (a test posts it once it has captured the screen) or until
// the timeout.
struct ShownMenu {
    HMENU menu = nullptr;
    RECT window{};
    std::vector<RECT> items;
};
ShownMenu shownMenu;

BOOL CALLBACK TakeOwnPopup(HWND window, LPARAM found) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(window) && ClassOf(window) == kMenuClass)
        *reinterpret_cast<HWND*>(found) = window;
    return TRUE;
}

// Notes where the open menu and its items stand.
void CALLBACK NoteShownMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND popup = nullptr;
    EnumWindows(TakeOwnPopup, reinterpret_cast<LPARAM>(&popup));
    if (popup)
        GetWindowRect(popup, &shownMenu.window);
    for (int i = 0; i < GetMenuItemCount(shownMenu.menu); ++i) {
        RECT item{};
        GetMenuItemRect(nullptr, shownMenu.menu, i, &item);
        shownMenu.items.push_back(item);
    }
}

void CALLBACK EndShownMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

// Arguments: X Y TIMEOUT_MS ITEM...; an item "-" is a separator, a leading "+" checks the item,
// a leading "*" marks it as the chosen one of a group, and a leading ">" makes it a submenu.
int ShowMenu(const std::vector<const char*>& args) {
    long long x = 0, y = 0, timeout = 0;
    if (args.size() < 3 || !ParseNumber(args[0], x) || !ParseNumber(args[1], y) ||
        !ParseNumber(args[2], timeout) || timeout <= 0)
        return Fail("usage: showmenu X Y TIMEOUT_MS ITEM...");
    const UniqueMenu menu(CreatePopupMenu());
    shownMenu.menu = menu.get();
    UINT id = 1;
    for (size_t i = 3; i < args.size(); ++i) {
        const std::string_view item = args[i];
        if (item == "-") {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        if (item.front() == '>') {
            // A submenu, drawn with its arrow; the parent menu destroys it with itself.
            const std::string text(item.substr(1));
            AppendMenuA(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()),
                        text.c_str());
            continue;
        }
        const bool checked = item.front() == '+';
        const bool radio = item.front() == '*';
        const bool greyed = item.front() == '~';
        const std::string text(checked || radio || greyed ? item.substr(1) : item);
        AppendMenuA(menu.get(),
                    MF_STRING | (checked ? MF_CHECKED : MF_UNCHECKED) | (greyed ? MF_GRAYED : 0),
                    id, text.c_str());
        if (radio)
            CheckMenuRadioItem(menu.get(), id, id, id, MF_BYCOMMAND);
        ++id;
    }
    const UniqueWindow owner(CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP,
                                             static_cast<int>(x), static_cast<int>(y), 1, 1,
                                             nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(owner.get());
    // The first timer runs in the menu's own message loop, once the menu is on the screen.
    SetTimer(nullptr, 0, USER_TIMER_MINIMUM, NoteShownMenu);
    SetTimer(nullptr, 0, static_cast<UINT>(timeout), EndShownMenu);
    TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON, static_cast<int>(x), static_cast<int>(y), 0,
                   owner.get(), nullptr);
    if (shownMenu.items.empty())
        return Fail("the menu did not show");
    std::string items = "[";
    for (const RECT& item : shownMenu.items) {
        items += items.size() > 1 ? "," : "";
        items += RectText(item);
    }
    items += "]";
    return Print(Json().Rect("rect", shownMenu.window).Raw("items", items));
}

// Holds a file open for reading, as an editor or a viewer does, sharing it for reading only, for
// the given milliseconds; says so at once.
int Hold(const std::vector<const char*>& args) {
    long long milliseconds = 0;
    if (args.size() != 2 || !ParseNumber(args[1], milliseconds) || milliseconds < 0)
        return Fail("usage: hold PATH MILLISECONDS");
    const UniqueFile file(CreateFileA(args[0], GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return Fail("cannot open " + std::string(args[0]) + ", error " +
                    std::to_string(GetLastError()));
    Print(Json().Bool("held", true));
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(milliseconds));
    return 0;
}

// Shows a window of `className` at `area` in the foreground and says so at once. It stays for
// the given milliseconds or until the driver is ended; with `untilClicked`, the first click of
// the left button on it ends the driver with status 0 instead, and the time running out with 1.
int ShowWindowFor(long long milliseconds, const char* className, const RECT& area,
                  bool untilClicked) {
    const UniqueWindow window(CreateWindowExA(
        0, className, "driver window", WS_POPUP | WS_VISIBLE, area.left, area.top,
        area.right - area.left, area.bottom - area.top, nullptr, nullptr, nullptr, nullptr));
    if (!window)
        return Fail("CreateWindowEx failed, error " + std::to_string(GetLastError()));
    SetForegroundWindow(window.get());
    Print(Json().Number("hwnd", HandleNumber(window.get())).Rect("rect", area));
    std::fflush(stdout);
    const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (MSG message; GetTickCount64() < until;) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (untilClicked && message.message == WM_LBUTTONDOWN)
                return 0;
            DispatchMessageA(&message);
        }
        Sleep(kPollIntervalMs);
    }
    return untilClicked ? 1 : 0;
}

// A window class that answers everything by default, clicks included (a static control lets
// them through to what lies below).
const char* PlainWindowClass(const char* name) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
    return name;
}

// A window in front that covers the primary monitor, as a video, a game or a presentation shows
// itself: captionless, brought to the foreground. Given a class name, the window is of that
// class, as the desktop's own monitor-covering windows are ("WorkerW", "Progman").
int FullScreen(const std::vector<const char*>& args) {
    long long milliseconds = 0;
    if (args.empty() || args.size() > 2 || !ParseNumber(args[0], milliseconds) || milliseconds < 0)
        return Fail("usage: fullscreen MILLISECONDS [CLASS]");
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    const POINT origin{0, 0};
    GetMonitorInfoA(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return ShowWindowFor(milliseconds, args.size() == 2 ? PlainWindowClass(args[1]) : "STATIC",
                         monitor.rcMonitor, false);
}

// A window at LEFT TOP RIGHT BOTTOM that waits for a click: the driver ends with 0 at the first
// one, with 1 when none came within the milliseconds.
int ClickTarget(const std::vector<const char*>& args) {
    long long numbers[5] = {};
    for (size_t i = 0; i < 5; ++i) {
        if (args.size() != 5 || !ParseNumber(args[i], numbers[i]))
            return Fail("usage: clicktarget MILLISECONDS LEFT TOP RIGHT BOTTOM");
    }
    const RECT area{static_cast<LONG>(numbers[1]), static_cast<LONG>(numbers[2]),
                    static_cast<LONG>(numbers[3]), static_cast<LONG>(numbers[4])};
    return ShowWindowFor(numbers[0], PlainWindowClass("ClickTarget"), area, true);
}

// Whether the notification area holds the icon of HWND: a change of nothing succeeds only for an
// icon it holds.
int TrayIcon(HWND window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = 1;
    return Print(Json().Bool("shown", Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE));
}

int WorkArea() {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return Print(Json()
                     .Rect("workarea", work)
                     .Number("screen_width", GetSystemMetrics(SM_CXSCREEN))
                     .Number("screen_height", GetSystemMetrics(SM_CYSCREEN)));
}

// GetDpiForMonitor comes with shcore.dll of Windows 8.1; before that every monitor has the
// system's DPI.
using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

struct MonitorList {
    GetDpiForMonitorFunction dpiForMonitor = nullptr;
    int systemDpi = 0;
    std::string json = "[";
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, RECT*, LPARAM data) {
    auto& list = *reinterpret_cast<MonitorList*>(data);
    MONITORINFOEXA info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info))
        return TRUE;
    UINT dpi = 0;
    UINT dpiY = 0;
    if (!list.dpiForMonitor || FAILED(list.dpiForMonitor(monitor, kEffectiveDpi, &dpi, &dpiY)))
        dpi = list.systemDpi;
    list.json += list.json.size() > 1 ? "," : "";
    list.json += Json()
                     .String("name", info.szDevice)
                     .Rect("rect", info.rcMonitor)
                     .Rect("work", info.rcWork)
                     .Bool("primary", (info.dwFlags & MONITORINFOF_PRIMARY) != 0)
                     .Number("dpi", dpi)
                     .Done();
    return TRUE;
}

// The monitors in the order EnumDisplayMonitors gives them, and the screen metrics that
// programs unaware of monitors see.
int Monitors() {
    MonitorList list;
    {
        const WindowDc screen(nullptr);
        list.systemDpi = GetDeviceCaps(screen.get(), LOGPIXELSX);
    }
    const UniqueLibrary shcore(LoadLibraryA("shcore.dll"));
    if (shcore)
        list.dpiForMonitor = reinterpret_cast<GetDpiForMonitorFunction>(
            reinterpret_cast<void*>(GetProcAddress(shcore.get(), "GetDpiForMonitor")));
    if (!EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&list)))
        return Fail("EnumDisplayMonitors failed, error " + std::to_string(GetLastError()));
    list.json += "]";
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const RECT virtualScreen{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                             top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    return Print(Json()
                     .Raw("monitors", list.json)
                     .Number("system_dpi", list.systemDpi)
                     .Number("screen_width", GetSystemMetrics(SM_CXSCREEN))
                     .Number("screen_height", GetSystemMetrics(SM_CYSCREEN))
                     .Rect("virtual_screen", virtualScreen));
}

// Rectangles in the screen's own pixels, as screenshots and xdotool count them: a process that
// is not DPI aware may be shown scaled ones. Wine 8 makes every process per-monitor aware anyway
// and refuses the call. The awareness contexts came with Windows 10, so they are looked up.
void MeasureInPhysicalPixels() {
    using SetContextFunction = BOOL(WINAPI*)(HANDLE);
    const auto setContext = reinterpret_cast<SetContextFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "SetProcessDpiAwarenessContext")));
    if (!setContext) {
        SetProcessDPIAware();
        return;
    }
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, else the first per-monitor awareness.
    if (!setContext(reinterpret_cast<HANDLE>(-4)))
        setContext(reinterpret_cast<HANDLE>(-3));
}

constexpr char kUsage[] =
    "usage: zentrix_driver find [--timeout-ms N] [--title TEXT]... | rect HWND | "
    "send HWND MSG WPARAM LPARAM [--timeout-ms N] | post HWND MSG WPARAM LPARAM | region HWND | "
    "windows | text HWND | items HWND | workarea | monitors | keys | cursor X Y | "
    "showmenu X Y TIMEOUT_MS ITEM... | hold PATH MILLISECONDS | fullscreen MILLISECONDS [CLASS] | "
    "clicktarget MILLISECONDS LEFT TOP RIGHT BOTTOM | trayicon HWND";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Fail(kUsage);
    MeasureInPhysicalPixels();
    const std::string command = argv[1];
    std::vector<const char*> args(argv + 2, argv + argc);

    if (command == "find")
        return Find(args);
    if (command == "windows")
        return Windows();
    if (command == "workarea")
        return WorkArea();
    if (command == "monitors")
        return Monitors();
    if (command == "keys")
        return Keys();
    if (command == "cursor")
        return Cursor(args);
    if (command == "showmenu")
        return ShowMenu(args);
    if (command == "hold")
        return Hold(args);
    if (command == "fullscreen")
        return FullScreen(args);
    if (command == "clicktarget")
        return ClickTarget(args);
    if (command == "send")
        return Send(args);
    if (command == "post")
        return Post(args);

    if (args.size() != 1)
        return Fail(kUsage);
    const HWND window = ParseWindow(args[0]);
    if (!IsWindow(window))
        return Fail("no such window");
    if (command == "rect")
        return Rect(window);
    if (command == "region")
        return Region(window);
    if (command == "text")
        return Text(window);
    if (command == "items")
        return Items(window);
    if (command == "trayicon")
        return TrayIcon(window);
    return Fail(kUsage);
}
