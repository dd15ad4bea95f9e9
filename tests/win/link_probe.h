#pragma once
// Looking at hyperlink labels from outside, the way the user sees them: inside a running
// dialog, by their colour on the dialog's colour request and by their tooltip.

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

// Runs `probe` once the dialog's message loop is running, then ends the dialog with IDOK. The
// dialog manager shows the dialog only when its queue first runs empty, so it may still be
// hidden then.
template <class BaseDialog>
class ProbedDialog : public BaseDialog {
public:
    template <class... Args>
    explicit ProbedDialog(std::function<void(HWND dialog)> probe, Args&&... args)
        : BaseDialog(std::forward<Args>(args)...), probe(std::move(probe)) {}

protected:
    static constexpr UINT kProbe = WM_APP + 7;

    bool OnInitDialog() override {
        const bool focusFirstTabStop = BaseDialog::OnInitDialog();
        PostMessageA(this->Handle(), kProbe, 0, 0);
        return focusFirstTabStop;
    }

    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message != kProbe)
            return BaseDialog::HandleMessage(message, wParam, lParam, result);
        probe(this->Handle());
        this->EndDialog(IDOK);
        return true;
    }

private:
    std::function<void(HWND)> probe;
};

struct LinkPaint {
    COLORREF textColor;
    int backgroundMode;
    HBRUSH brush;
};

// What the label sets up on a device context when its dialog is asked for its colours.
LinkPaint PaintOfLink(HWND dialog, HWND label);

// The tooltip window that holds the label's tool, or null.
HWND ToolTipOf(HWND label);

// The text of the label's tool in its tooltip; empty if it has none.
std::string ToolTipText(HWND label);

std::string WindowTextOf(HWND window);

// The label's rectangle in its dialog's client coordinates.
RECT RectInParent(HWND control);

// The size of the label's text in the font the label has.
SIZE TextExtentOf(HWND label);
