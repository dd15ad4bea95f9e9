#include <gtest/gtest.h>

#include "app/clock_app.h"
#include "tests/win/message_box_watcher.h"
#include "tests/win/test_resources.h"
#include "win/dialog.h"
#include "win/static_control.h"
#include "win/unique_handle.h"
#include "win/window_dc.h"

namespace {

class RecordingLabel : public StaticControl {
public:
    UniqueBrush brush{CreateSolidBrush(RGB(1, 2, 3))};
    int clicks = 0;

protected:
    HBRUSH OnReflectedCtlColor(HDC) override { return brush.get(); }
    void OnReflectedClick() override { ++clicks; }
};

// Attaches a label, sends the notifications a static control causes, and notes where it
// stands once shown.
class ProbeDialog : public Dialog {
public:
    ProbeDialog() : Dialog(IDD_TEST_DIALOG, GetModuleHandleA(nullptr), nullptr) {}

    RecordingLabel label;
    LRESULT labelColorAnswer = 0;
    LRESULT plainColorAnswer = 0;
    RECT shownAt{};

protected:
    static constexpr UINT kShown = WM_APP + 1;

    bool OnInitDialog() override {
        label.Attach(GetDlgItem(Handle(), IDC_TEST_LABEL));
        const WindowDc dc(Handle());
        const auto colorAnswer = [&](HWND control) {
            return SendMessageA(Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                                reinterpret_cast<LPARAM>(control));
        };
        labelColorAnswer = colorAnswer(label.Handle());
        plainColorAnswer = colorAnswer(GetWindow(label.Handle(), GW_HWNDNEXT));
        SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(IDC_TEST_LABEL, STN_CLICKED),
                     reinterpret_cast<LPARAM>(label.Handle()));
        PostMessageA(Handle(), kShown, 0, 0);
        return true;
    }

    bool HandleMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
        if (message != kShown)
            return false;
        GetWindowRect(Handle(), &shownAt);
        EndDialog(IDOK);
        return true;
    }
};

TEST(DialogTest, ReflectsStaticNotificationsToTheControl) {
    ProbeDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(dialog.labelColorAnswer), dialog.label.brush.get());
    EXPECT_EQ(dialog.label.clicks, 1);
    // A control that is not subclassed leaves the colour to the dialog manager.
    EXPECT_NE(reinterpret_cast<HBRUSH>(dialog.plainColorAnswer), dialog.label.brush.get());
    EXPECT_EQ(dialog.label.Handle(), nullptr);  // detached when the control went away
}

TEST(DialogTest, CentresADialogLeftAtItsTemplatePlace) {
    ProbeDialog dialog;
    dialog.DoModal();
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const RECT& at = dialog.shownAt;
    EXPECT_NEAR((at.left + at.right) / 2, (work.left + work.right) / 2, 1);
    EXPECT_NEAR((at.top + at.bottom) / 2, (work.top + work.bottom) / 2, 1);
}

TEST(ClockAppTest, SocketFailureShowsItsMessageAndNoClock) {
    MessageBoxWatcher watcher;
    {
        ClockApp app([] { return false; });
        app.Run(GetModuleHandleA(nullptr));
        const std::vector<SeenMessageBox> seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].text, "Windows sockets initialization failed.");
        EXPECT_EQ(seen[0].caption, app.AppName());
        EXPECT_EQ(app.MainWindow(), nullptr);
    }
    EXPECT_EQ(watcher.OtherWindowsSeen(), 0);
}

TEST(ClockAppTest, RealSocketLayerStartsVersionOneOne) {
    EXPECT_TRUE(ClockApp::StartSockets());
}

}  // namespace
