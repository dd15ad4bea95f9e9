#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/label_dialog.h"
#include "app/time_zone_dialog.h"
#include "res/resource.h"
#include "tests/win/link_probe.h"
#include "win/wide_text.h"

namespace {

// Types `keys` into the control with the focus once the dialog's loop runs, as the user would:
// each one a character, except Enter and Escape, which are pressed (their key codes are their
// characters). A dialog that the keys leave open ends with kLeftOpen.
template <class BaseDialog>
class KeyedDialog : public BaseDialog {
public:
    static constexpr INT_PTR kLeftOpen = 99;

    template <class... Args>
    explicit KeyedDialog(std::wstring keys, Args&&... args)
        : BaseDialog(GetModuleHandleA(nullptr), nullptr, std::forward<Args>(args)...),
          keys(std::move(keys)) {}

protected:
    static constexpr UINT kType = WM_APP + 8;
    static constexpr UINT_PTR kGiveUpTimer = 8;

    bool OnInitDialog() override {
        const bool focusFirstTabStop = BaseDialog::OnInitDialog();
        PostMessageW(this->Handle(), kType, 0, 0);
        SetTimer(this->Handle(), kGiveUpTimer, 10000, nullptr);
        return focusFirstTabStop;
    }

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_TIMER && wParam == kGiveUpTimer) {
            this->EndDialog(kLeftOpen);
            return true;
        }
        if (message != kType)
            return BaseDialog::HandleMessage(message, wParam, lParam, result);
        const HWND focus = GetFocus();
        for (const wchar_t key : keys)
            PostMessageW(focus, key == VK_RETURN || key == VK_ESCAPE ? WM_KEYDOWN : WM_CHAR, key,
                         1);
        return true;
    }

private:
    std::wstring keys;
};

std::vector<std::wstring> ListedNames(HWND list) {
    std::vector<std::wstring> names;
    for (LRESULT i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
        std::wstring name(SendMessageW(list, LB_GETTEXTLEN, i, 0) + 1, L'\0');
        name.resize(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name.data())));
        names.push_back(name);
    }
    return names;
}

TEST(TimeZoneDialogTest, TypedTextNarrowsTheListWhateverItsCaseAndScript) {
    const std::wstring eastern = L"(UTC-05:00) Eastern Time";
    const std::wstring moscow = L"(UTC+03:00) \u041c\u043e\u0441\u043a\u0432\u0430";
    const std::wstring tokyo = L"(UTC+09:00) \u6771\u4eac";
    const std::vector<TimeZone> zones = {
        {"E", Narrow(eastern), 300}, {"M", Narrow(moscow), -180}, {"T", Narrow(tokyo), -540}};
    ProbedDialog<TimeZoneDialog> dialog(
        [&](HWND window) {
            const HWND edit = GetDlgItem(window, IDC_ZONE_FILTER);
            const HWND list = GetDlgItem(window, IDC_ZONE_LIST);
            EXPECT_EQ(WindowTextOf(window), "Time Zone");
            EXPECT_EQ(GetWindow(window, GW_CHILD), edit);
            EXPECT_EQ(GetFocus(), edit);
            EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
            const struct {
                std::wstring typed;
                std::vector<std::wstring> shown;
            } cases[] = {
                {L"", {L"Local time", eastern, moscow, tokyo}},
                {L"tIME", {L"Local time", eastern}},
                {L"\u041c\u041e\u0421\u041a\u0412\u0410", {moscow}},  // in capitals
                {L"\u6771", {tokyo}},
                {L"(utc+", {moscow, tokyo}},
                {L"Mars", {}},
            };
            for (const auto& expected : cases) {
                SCOPED_TRACE(Narrow(expected.typed));
                SetWindowTextW(edit, expected.typed.c_str());
                EXPECT_EQ(ListedNames(list), expected.shown);
                EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0),
                          expected.shown.empty() ? LB_ERR : 0);
            }
        },
        GetModuleHandleA(nullptr), nullptr, "M", zones);
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST(TimeZoneDialogTest, EnterChoosesTheSelectedZoneAndEscapeNone) {
    const struct {
        const char* current;
        std::wstring keys;
        INT_PTR result;
        const char* chosen;
    } cases[] = {
        {"", L"tokyo\r", IDOK, "Tokyo Standard Time"},
        {"Tokyo Standard Time", L"\r", IDOK, "Tokyo Standard Time"},
        {"Tokyo Standard Time", L"LOCAL\r", IDOK, ""},
        {"Tokyo Standard Time", L"local\x1b", IDCANCEL, "Tokyo Standard Time"},
        // A typo: Enter with nothing listed leaves the dialog open for the mend.
        {"", L"tokyos\r\b\r", IDOK, "Tokyo Standard Time"},
    };
    const std::vector<TimeZone> zones = SystemTimeZones();
    for (const auto& expected : cases) {
        SCOPED_TRACE(testing::Message() << expected.current << " " << Narrow(expected.keys));
        KeyedDialog<TimeZoneDialog> dialog(expected.keys, expected.current, zones);
        EXPECT_EQ(dialog.DoModal(), expected.result);
        EXPECT_EQ(dialog.selectedKey, expected.chosen);
    }
}

TEST(LabelDialogTest, EnterKeepsTheTypedLabelAndEscapeTheOldOne) {
    const std::wstring tooLong(LabelDialog::kMaxLength + 6, L'x');
    const struct {
        std::wstring keys;
        INT_PTR result;
        std::string label;
    } cases[] = {
        {L"\r", IDOK, "Office"},
        // The old label starts selected, so typing replaces it.
        {L"\u6771\u4eac\r", IDOK, "\u6771\u4eac"},
        {L"Home\x1b", IDCANCEL, "Office"},
        {tooLong + L"\r", IDOK, std::string(LabelDialog::kMaxLength, 'x')},
    };
    for (const auto& expected : cases) {
        SCOPED_TRACE(Narrow(expected.keys));
        KeyedDialog<LabelDialog> dialog(expected.keys, "Office");
        EXPECT_EQ(dialog.DoModal(), expected.result);
        EXPECT_EQ(dialog.label, expected.label);
    }
}

}  // namespace
