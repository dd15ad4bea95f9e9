#pragma once
// A dialog built from a resource template, modal or modeless, its messages routed to member
// handlers.

#include <windows.h>

class Dialog {
public:
    // The template comes from `instance`'s resources; `owner` (none for a top-level window) is
    // disabled while the dialog runs.
    Dialog(int templateId, HINSTANCE instance, HWND owner);
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Creates the dialog, runs it until EndDialog, and returns that result (-1 if creation failed).
    INT_PTR DoModal();
    // Creates the dialog modeless, its messages coming through the caller's message loop; false
    // if creation failed. The window lives until Destroy.
    bool Create();
    void Destroy();

    HWND Handle() const { return window; }

protected:
    // Runs once the window and its controls exist, before the dialog is first shown.
    // Returning true lets the dialog manager give the focus to the first tab stop.
    virtual bool OnInitDialog() { return true; }

    // A window's own message handling. Returns true when the message was handled, with its
    // result in `result`; false hands it to the dialog manager's default processing.
    virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // WM_COMMAND that no control took back for itself. The default answers IDOK and IDCANCEL.
    virtual bool OnCommand(int id, int notifyCode, HWND control);
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    void EndDialog(INT_PTR result) { ::EndDialog(window, result); }

    HINSTANCE Instance() const { return instance; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId;
    HINSTANCE instance;
    HWND owner;  // not owned
    HWND window =
        nullptr;  // owned by the dialog manager for the length of DoModal, else by Destroy
};

// The dialog manager of Per-Monitor-v2 programs would size `dialog` by its template at a DPI
// change, and base the place it suggests on that size: for a dialog that sizes itself.
void KeepDialogManagerFromScaling(HWND dialog);

// Centres a window over its visible owner, else in the work area of the primary monitor,
// then pushes it back inside the work area, left and top edges first.
void CenterWindow(HWND window);
