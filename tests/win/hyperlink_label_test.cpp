#include "about/hyperlink_label.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win/link_probe.h"
#include "tests/win/message_box_watcher.h"
#include "tests/win/test_resources.h"
#include "win/application.h"
#include "win/dialog.h"

namespace {

constexpr COLORREF kLinkColor = RGB(0, 0, 238);
constexpr COLORREF kVisitedColor = RGB(85, 26, 139);
constexpr int kCreatedLabelId = 950;

class TestDialog : public Dialog {
public:
    TestDialog() : Dialog(IDD_TEST_DIALOG, GetModuleHandleA(nullptr), nullptr) {}
};
using LabelDialog = ProbedDialog<TestDialog>;

HWND TemplateLabel(HWND dialog) {
    return GetDlgItem(dialog, IDC_TEST_LABEL);
}

// A plain static control, without SS_NOTIFY, that the test attaches a label to itself.
HWND CreateStatic(HWND dialog, const char* text, DWORD style) {
    return CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, 20, 30, 150, 40,
                           dialog, reinterpret_cast<HMENU>(kCreatedLabelId), nullptr, nullptr);
}

void MoveMouse(HWND label, int x, int y) {
    SendMessageA(label, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

// The static control reports the press to the dialog, which hands it back to the label.
void ClickLabel(HWND label) {
    SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

TEST(HyperlinkLabelTest, TemplateTextIsTheUrlUntilOneIsSet) {
    HyperlinkLabel link;
    LabelDialog dialog([&](HWND window) {
        const HWND label = TemplateLabel(window);
        ASSERT_TRUE(link.Attach(label));
        EXPECT_EQ(ToolTipText(label), "label");

        link.SetURL("http://zentrix.example.org/faces");
        EXPECT_EQ(ToolTipText(label), "http://zentrix.example.org/faces");
        EXPECT_EQ(WindowTextOf(label), "label");
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(HyperlinkLabelTest, SetUpGivesNotificationsUrlTextFontSizeAndCursor) {
    HyperlinkLabel link;
    // Before the label has a window the URL is only kept.
    link.SetURL("mailto:faces@example.org");
    LabelDialog dialog([&](HWND window) {
        const HWND label = CreateStatic(window, "", SS_LEFT);
        const RECT before = RectInParent(label);
        ASSERT_TRUE(link.Attach(label));

        EXPECT_NE(GetWindowLongA(label, GWL_STYLE) & SS_NOTIFY, 0);
        EXPECT_EQ(WindowTextOf(label), "mailto:faces@example.org");
        EXPECT_EQ(ToolTipText(label), "mailto:faces@example.org");

        LOGFONTA font{};
        ASSERT_TRUE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0)),
                               sizeof font, &font));
        EXPECT_STREQ(font.lfFaceName, "Lucida Console");
        EXPECT_EQ(font.lfHeight, 12);
        EXPECT_TRUE(font.lfUnderline);

        // Left-aligned and not centred vertically: the top-left corner stays.
        const RECT after = RectInParent(label);
        const SIZE text = TextExtentOf(label);
        EXPECT_EQ(after.left, before.left);
        EXPECT_EQ(after.top, before.top);
        EXPECT_EQ(after.right - after.left, text.cx);
        EXPECT_EQ(after.bottom - after.top, text.cy);

        SetCursor(LoadCursorA(nullptr, IDC_ARROW));
        EXPECT_EQ(SendMessageA(label, WM_SETCURSOR, reinterpret_cast<WPARAM>(label),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE);
        EXPECT_NE(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(HyperlinkLabelTest, ColourFollowsHoverAndVisitedState) {
    HyperlinkLabel link;
    const COLORREF hover = GetSysColor(COLOR_HIGHLIGHT);
    LabelDialog dialog([&](HWND window) {
        const HWND label = TemplateLabel(window);
        ASSERT_TRUE(link.Attach(label));
        RECT client{};
        GetClientRect(label, &client);
        const int outside = client.right + 5;

        const LinkPaint first = PaintOfLink(window, label);
        EXPECT_EQ(first.textColor, kLinkColor);
        EXPECT_EQ(first.backgroundMode, TRANSPARENT);
        EXPECT_EQ(first.brush, GetStockObject(NULL_BRUSH));

        MoveMouse(label, 2, 2);
        EXPECT_EQ(GetCapture(), label);
        EXPECT_EQ(PaintOfLink(window, label).textColor, hover);
        MoveMouse(label, client.right - 1, client.bottom - 1);
        EXPECT_EQ(GetCapture(), label);
        EXPECT_EQ(PaintOfLink(window, label).textColor, hover);
        MoveMouse(label, outside, 2);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(PaintOfLink(window, label).textColor, kLinkColor);

        link.SetVisited(true);
        EXPECT_EQ(PaintOfLink(window, label).textColor, kVisitedColor);
        MoveMouse(label, 2, 2);
        EXPECT_EQ(PaintOfLink(window, label).textColor, hover);
        MoveMouse(label, 2, client.bottom);
        EXPECT_EQ(PaintOfLink(window, label).textColor, kVisitedColor);

        // A window that takes the mouse away ends the hover, as the pointer's leaving would.
        MoveMouse(label, 2, 2);
        SetCapture(window);
        EXPECT_EQ(PaintOfLink(window, label).textColor, kVisitedColor);
        ReleaseCapture();
        MoveMouse(label, 2, 2);
        EXPECT_EQ(GetCapture(), label);
        MoveMouse(label, outside, 2);

        link.SetVisited(false);
        EXPECT_EQ(PaintOfLink(window, label).textColor, kLinkColor);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(HyperlinkLabelTest, FailedOpenExplainsItselfAndLeavesTheLinkUsable) {
    MessageBoxWatcher watcher;
    HyperlinkLabel link;
    // No program opens this scheme, and the URL is too long for the browser fallback's
    // command line, so the shell's own answer is what the user hears.
    const std::string unopenable = "zentrix-test-nohandler:" + std::string(600, 'x');
    LabelDialog dialog([&](HWND window) {
        const HWND label = TemplateLabel(window);
        ASSERT_TRUE(link.Attach(label));
        link.SetURL(unopenable);
        link.SetVisited(true);

        ClickLabel(label);
        EXPECT_EQ(PaintOfLink(window, label).textColor, kLinkColor);
        ClickLabel(label);
        MoveMouse(label, 2, 2);
        EXPECT_EQ(GetCapture(), label);
        MoveMouse(label, -3, 2);
        EXPECT_EQ(GetCapture(), nullptr);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);

    const std::vector<SeenMessageBox> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 2u);
    for (const SeenMessageBox& box : seen) {
        EXPECT_EQ(box.caption, Application::Current()->AppName());
        EXPECT_EQ(box.text,
                  "Unable to open hyperlink:\n\nThere is no application associated\nwith the "
                  "given filename extension.");
    }
}

TEST(HyperlinkLabelTest, SuccessfulOpenMarksTheLinkVisited) {
    MessageBoxWatcher watcher;
    HyperlinkLabel link;
    // A program that starts and ends at once without a window stands in for the browser.
    char systemDirectory[MAX_PATH] = {};
    GetSystemDirectoryA(systemDirectory, sizeof systemDirectory);
    LabelDialog dialog([&](HWND window) {
        const HWND label = TemplateLabel(window);
        ASSERT_TRUE(link.Attach(label));
        link.SetURL(std::string(systemDirectory) + "\\rundll32.exe");
        ClickLabel(label);
        EXPECT_EQ(PaintOfLink(window, label).textColor, kVisitedColor);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(watcher.Seen().empty());
}

// Lets the dialog's own messages run (timers among them) for `milliseconds`, or until `done`.
void PumpMessages(
    DWORD milliseconds, const std::function<bool()>& done = [] { return false; }) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds && !done()) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}

TEST(HyperlinkLabelTest, ToolTipShowsTheUrlWhileThePointerRestsOnTheLabel) {
    HyperlinkLabel link;
    LabelDialog dialog([&](HWND window) {
        const HWND label = TemplateLabel(window);
        ASSERT_TRUE(link.Attach(label));
        link.SetURL("http://zentrix.example.org/");
        const HWND toolTip = ToolTipOf(label);
        ASSERT_NE(toolTip, nullptr);
        EXPECT_FALSE(IsWindowVisible(toolTip));

        // The pointer has to be over the label on screen, in the active window.
        ShowWindow(window, SW_SHOWNORMAL);
        SetForegroundWindow(window);
        POINT middle{2, 2};
        ClientToScreen(label, &middle);
        SetCursorPos(middle.x, middle.y);
        MoveMouse(label, 2, 2);
        // Its timer is due after the initial delay; a busy machine may run it late.
        PumpMessages(
            10 * static_cast<DWORD>(SendMessageA(toolTip, TTM_GETDELAYTIME, TTDT_INITIAL, 0)) +
                2000,
            [&] { return IsWindowVisible(toolTip) != FALSE; });
        EXPECT_TRUE(IsWindowVisible(toolTip));
        MoveMouse(label, -3, 2);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(HyperlinkLabelTest, ToolTipGoesWithTheLabelOrItsDialog) {
    HWND dialogToolTip = nullptr;
    HyperlinkLabel link;
    LabelDialog dialog([&](HWND window) {
        ASSERT_TRUE(link.Attach(TemplateLabel(window)));
        dialogToolTip = ToolTipOf(TemplateLabel(window));

        const HWND control = CreateStatic(window, "short-lived", 0);
        HWND ownToolTip = nullptr;
        {
            HyperlinkLabel shortLived;
            ASSERT_TRUE(shortLived.Attach(control));
            ownToolTip = ToolTipOf(control);
            ASSERT_NE(ownToolTip, nullptr);
        }
        EXPECT_FALSE(IsWindow(ownToolTip));
        DestroyWindow(control);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_NE(dialogToolTip, nullptr);
    EXPECT_FALSE(IsWindow(dialogToolTip));
}

// Reads defaults from a scratch key of the current user's registry.
class ReadRegistryDefaultTest : public ::testing::Test {
protected:
    static constexpr char kRoot[] = "Software\\Zentrix tests";
    static constexpr char kKey[] = "Software\\Zentrix tests\\value";

    void SetUp() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key);
        RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
    }

    // Programs may store a text without its terminator; the registry keeps what it is given.
    void SetDefault(const std::string& value, bool terminated = true) {
        ASSERT_EQ(
            RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           static_cast<DWORD>(value.size() + (terminated ? 1 : 0))),
            ERROR_SUCCESS);
    }

    HKEY key = nullptr;
};

TEST_F(ReadRegistryDefaultTest, ValueThatFitsThePathLimitIsRead) {
    const std::string longest(MAX_PATH - 1, 'v');
    SetDefault(longest);
    std::string value = "before";
    EXPECT_EQ(HyperlinkLabel::ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value), ERROR_SUCCESS);
    EXPECT_EQ(value, longest);

    SetDefault(longest, false);
    value.clear();
    EXPECT_EQ(HyperlinkLabel::ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value), ERROR_SUCCESS);
    EXPECT_EQ(value, longest);

    SetDefault("\"C:\\browser.exe\" \"%1\"");
    EXPECT_EQ(HyperlinkLabel::ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value), ERROR_SUCCESS);
    EXPECT_EQ(value, "\"C:\\browser.exe\" \"%1\"");
}

TEST_F(ReadRegistryDefaultTest, ValueTooLongOrMissingKeyFailsAndLeavesTheOutput) {
    SetDefault(std::string(MAX_PATH, 'v'));
    std::string value = "before";
    EXPECT_NE(HyperlinkLabel::ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value), ERROR_SUCCESS);
    EXPECT_EQ(value, "before");
    // Exactly filling the buffer leaves no room for the terminator.
    SetDefault(std::string(MAX_PATH, 'v'), false);
    EXPECT_NE(HyperlinkLabel::ReadRegistryDefault(HKEY_CURRENT_USER, kKey, value), ERROR_SUCCESS);
    EXPECT_EQ(value, "before");

    EXPECT_EQ(HyperlinkLabel::ReadRegistryDefault(HKEY_CURRENT_USER,
                                                  std::string(kRoot) + "\\missing", value),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(value, "before");
}

}  // namespace
