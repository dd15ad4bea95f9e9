#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/label_dialog.h"
#include "app/time_zone_dialog.h"

namespace {

// Types `keys` into the control with the focus once the dialog's loop runs, as the user would:
// characters, and Enter and Escape pressed (their key codes are their characters). A dialog
// that the keys leave open ends with kLeftOpen.
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
    static constexpr UINT_PTR kGiveUpTimer = 1;

    bool OnInitDialog() override {
        PostMessageW(this->Handle(), kType, 0, 0);
        SetTimer(this->Handle(), kGiveUpTimer, 10000, nullptr);
        return BaseDialog::OnInitDialog();
    }

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_TIMER && wParam == kGiveUpTimer) {
            this->EndDialog(kLeftOpen);
            return true;
        }
        if (message != kType)
            return BaseDialog::HandleMessage(message, wParam, lParam, result);
        for (const wchar_t key : keys) {
            const bool pressed = key == VK_RETURN || key == VK_ESCAPE;
            PostMessageW(GetFocus(), pressed ? WM_KEYDOWN : WM_CHAR, key, 1);
        }
        return true;
    }

private:
    std::wstring keys;
};

TEST(TimeZoneDialogTest, EnterTakesTheFirstZoneWhoseNameHoldsTheTypedTextAndEscapeNone) {
    std::vector<TimeZone> zones = SystemTimeZones();
    zones.push_back({"Moscow", "(UTC+03:00) \u041c\u043e\u0441\u043a\u0432\u0430", -180});
    const std::tuple<const char*, std::wstring, INT_PTR, const char*> cases[] = {
        // current zone, keys, result, chosen zone
        {"", L"tokyo\r", IDOK, "Tokyo Standard Time"},
        {"Tokyo Standard Time", L"\r", IDOK, "Tokyo Standard Time"},
        {"Tokyo Standard Time", L"TIME\r", IDOK, ""},  // local time's entry comes first
        {"", L"\u041c\u041e\u0421\r", IDOK, "Moscow"},
        {"Tokyo Standard Time", L"local\x1b", IDCANCEL, "Tokyo Standard Time"},
        {"", L"tokyos\r\b\r", IDOK, "Tokyo Standard Time"},  // no entry left: Enter waits
    };
    for (const auto& [current, keys, result, chosen] : cases) {
        SCOPED_TRACE(testing::Message() << current << " " << keys);
        KeyedDialog<TimeZoneDialog> dialog(keys, current, zones);
        EXPECT_EQ(dialog.DoModal(), result);
        EXPECT_EQ(dialog.selectedKey, chosen);
    }
}

TEST(LabelDialogTest, EnterKeepsTheTypedLabelAndEscapeTheOldOne) {
    const std::tuple<std::wstring, INT_PTR, std::string> cases[] = {
        {L"\r", IDOK, "Office"},
        {L"\u6771\u4eac\r", IDOK, "\u6771\u4eac"},  // the old label starts selected
        {L"Home\x1b", IDCANCEL, "Office"},
        {std::wstring(LabelDialog::kMaxLength + 6, L'x') + L"\r", IDOK,
         std::string(LabelDialog::kMaxLength, 'x')},
    };
    for (const auto& [keys, result, label] : cases) {
        SCOPED_TRACE(testing::Message() << keys);
        KeyedDialog<LabelDialog> dialog(keys, "Office");
        EXPECT_EQ(dialog.DoModal(), result);
        EXPECT_EQ(dialog.label, label);
    }
}

}  // namespace
