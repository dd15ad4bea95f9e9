#include "about/about_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/win/link_probe.h"

namespace {

// The About box of the test program, owned by no window.
class TestAbout : public AboutDialog {
public:
    TestAbout() : AboutDialog(GetModuleHandleA(nullptr), nullptr) {}
};
using ProbedAbout = ProbedDialog<TestAbout>;

constexpr COLORREF kLinkColor = RGB(0, 0, 238);

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;  // null where the template gives no text to compare
    DWORD style;       // style bits beyond WS_CHILD and WS_VISIBLE that must be set
    RECT at;           // dialog units: left, top, width, height
};

const ExpectedControl kControls[] = {
    {IDOK, "Button", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, {85, 133, 61, 14}},
    {IDC_LOGO, "Static", nullptr, SS_BITMAP, {59, 7, 117, 49}},
    {-1, "Static", "written by", SS_CENTER | WS_GROUP, {15, 80, 206, 10}},
    {-1, "Button", "", BS_GROUPBOX, {7, 65, 222, 62}},
    {IDC_WEB_LINK, "Static", "visit us on the net!", SS_CENTER | WS_GROUP, {15, 57, 206, 8}},
    {IDC_MAIL_LINK,
     "Static",
     "Quellmark Software Development",
     SS_CENTER | WS_GROUP,
     {15, 95, 206, 10}},
    {-1, "Static", nullptr, SS_CENTER | WS_GROUP, {15, 110, 206, 10}},
};

// The dialog manager turns position and size into pixels each on its own.
RECT PixelsOf(HWND dialog, const RECT& dialogUnits) {
    RECT pixels = dialogUnits;
    MapDialogRect(dialog, &pixels);
    return {pixels.left, pixels.top, pixels.left + pixels.right, pixels.top + pixels.bottom};
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

TEST(AboutDialogTest, ControlsStandAsTheTemplatePutsThem) {
    ProbedAbout dialog([](HWND window) {
        EXPECT_EQ(WindowTextOf(window), "About Zentrix - The Skinable Digital Clock");
        std::vector<HWND> children;
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        ASSERT_EQ(children.size(), std::size(kControls));

        for (size_t i = 0; i < children.size(); ++i) {
            const HWND child = children[i];
            const ExpectedControl& expected = kControls[i];
            SCOPED_TRACE(testing::Message() << "control " << i);
            EXPECT_EQ(static_cast<short>(GetDlgCtrlID(child)), expected.id);
            EXPECT_EQ(lstrcmpiA(ClassOf(child).c_str(), expected.className), 0);
            if (expected.text) {
                EXPECT_EQ(WindowTextOf(child), expected.text);
            }
            const DWORD style = GetWindowLongA(child, GWL_STYLE);
            EXPECT_EQ(style & (expected.style | WS_CHILD | WS_VISIBLE),
                      expected.style | WS_CHILD | WS_VISIBLE);
            // The links move and the logo takes its bitmap's size; all else stands as given.
            const RECT where = RectInParent(child);
            const RECT given = PixelsOf(window, expected.at);
            EXPECT_EQ(where.left == given.left && where.top == given.top,
                      expected.id != IDC_WEB_LINK && expected.id != IDC_MAIL_LINK);
            if (expected.id == -1 || expected.id == IDOK) {
                EXPECT_EQ(where.right, given.right);
                EXPECT_EQ(where.bottom, given.bottom);
            }
        }

        const HWND logo = GetDlgItem(window, IDC_LOGO);
        EXPECT_NE(GetWindowLongA(logo, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
        BITMAP picture{};
        ASSERT_TRUE(
            GetObjectA(reinterpret_cast<HBITMAP>(SendMessageA(logo, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                       sizeof picture, &picture));
        EXPECT_EQ(picture.bmWidth, 170);
        EXPECT_EQ(picture.bmHeight, 72);
        const RECT frame = RectInParent(logo);
        EXPECT_EQ(frame.right - frame.left, 170);
        EXPECT_EQ(frame.bottom - frame.top, 72);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(AboutDialogTest, EachLinkShrinksToItsTextCentredOnItsPlace) {
    ProbedAbout dialog([](HWND window) {
        for (const ExpectedControl& expected : kControls) {
            if (expected.id != IDC_WEB_LINK && expected.id != IDC_MAIL_LINK)
                continue;
            SCOPED_TRACE(expected.text);
            const HWND link = GetDlgItem(window, expected.id);
            EXPECT_EQ(WindowTextOf(link), expected.text);
            LOGFONTA font{};
            ASSERT_TRUE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(link, WM_GETFONT, 0, 0)),
                                   sizeof font, &font));
            EXPECT_STREQ(font.lfFaceName, "Lucida Console");
            EXPECT_TRUE(font.lfUnderline);

            const RECT given = PixelsOf(window, expected.at);
            const RECT where = RectInParent(link);
            const SIZE text = TextExtentOf(link);
            ASSERT_LT(text.cx, given.right - given.left);
            // Same middle; an odd difference leaves the label one pixel wider than its text.
            EXPECT_EQ(where.left + where.right, given.left + given.right);
            EXPECT_GE(where.right - where.left, text.cx);
            EXPECT_LE(where.right - where.left, text.cx + 1);
            EXPECT_EQ(where.top, given.top);
            EXPECT_EQ(where.bottom - where.top, text.cy);
        }
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(AboutDialogTest, TooltipsHoldTheUrlsAndLinksStartUnvisited) {
    ProbedAbout dialog([](HWND window) {
        const HWND web = GetDlgItem(window, IDC_WEB_LINK);
        const HWND mail = GetDlgItem(window, IDC_MAIL_LINK);
        EXPECT_EQ(ToolTipText(web), AboutDialog::kWebPageUrl);
        EXPECT_EQ(ToolTipText(mail), AboutDialog::kMailUrl);
        EXPECT_EQ(ToolTipText(web).rfind("http://", 0), 0u);
        EXPECT_EQ(ToolTipText(mail).rfind("mailto:", 0), 0u);
        EXPECT_EQ(PaintOfLink(window, web).textColor, kLinkColor);
        EXPECT_EQ(PaintOfLink(window, mail).textColor, kLinkColor);
        // Hovering one link leaves the other alone.
        SendMessageA(web, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
        EXPECT_EQ(PaintOfLink(window, web).textColor, GetSysColor(COLOR_HIGHLIGHT));
        EXPECT_EQ(PaintOfLink(window, mail).textColor, kLinkColor);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

}  // namespace
