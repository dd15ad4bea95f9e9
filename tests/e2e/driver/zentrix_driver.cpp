// A console helper for the end-to-end tests: it runs under the same Wine prefix as the clock,
// finds the clock's window and inspects or messages it. Every command prints one JSON line on
// standard output and exits with 0 on success, 1 on failure (then with an "error" member).

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "win/unique_handle.h"

namespace {

constexpr char kClockImage[] = "Zentrix.exe";
constexpr char kDialogClass[] = "#32770";
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
        .Number("owner", HandleNumber(GetWindow(window, GW_OWNER)))
        .Number("thread_active", HandleNumber(input.hwndActive))
        .Number("thread_focus", HandleNumber(input.hwndFocus))
        .Number("foreground", HandleNumber(GetForegroundWindow()));
}

bool HasCaption(HWND window) {
    // GetWindowTextA reads another process's caption without sending it a message.
    char first[2] = "";
    return GetWindowTextA(window, first, sizeof first) > 0;
}

// The clock is the one captionless dialog of its process; message boxes, the skin chooser and
// the About box, dialogs of the same class, all have captions.
HWND FindClock() {
    for (const HWND window : TopLevelWindows()) {
        if (!IsWindowVisible(window) || ClassOf(window) != kDialogClass || HasCaption(window))
            continue;
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (lstrcmpiA(ImageNameOf(pid).c_str(), kClockImage) == 0)
            return window;
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

int Find(std::vector<const char*> args) {
    const DWORD timeout = TimeoutOption(args, kDefaultFindTimeoutMs);
    const ULONGLONG deadline = GetTickCount64() + timeout;
    for (;;) {
        if (const HWND clock = FindClock())
            return Print(DescribeWindow(clock));
        if (GetTickCount64() >= deadline)
            return Fail("no visible clock window");
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

int WorkArea() {
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return Print(Json()
                     .Rect("workarea", work)
                     .Number("screen_width", GetSystemMetrics(SM_CXSCREEN))
                     .Number("screen_height", GetSystemMetrics(SM_CYSCREEN)));
}

constexpr char kUsage[] =
    "usage: zentrix_driver find [--timeout-ms N] | rect HWND | send HWND MSG WPARAM LPARAM "
    "[--timeout-ms N] | post HWND MSG WPARAM LPARAM | region HWND | windows | text HWND | "
    "workarea";

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Fail(kUsage);
    const std::string command = argv[1];
    std::vector<const char*> args(argv + 2, argv + argc);

    if (command == "find")
        return Find(args);
    if (command == "windows")
        return Windows();
    if (command == "workarea")
        return WorkArea();
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
    return Fail(kUsage);
}
