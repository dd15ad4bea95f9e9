#pragma once
// A static control subclassed by an object that answers its own reflected notifications.

#include <windows.h>

class StaticControl {
public:
    StaticControl() = default;
    virtual ~StaticControl() { Detach(); }
    StaticControl(const StaticControl&) = delete;
    StaticControl& operator=(const StaticControl&) = delete;

    // Subclasses an existing control of a dialog; returns false if it could not be hooked.
    bool Attach(HWND control);
    void Detach();

    HWND Handle() const { return control; }

protected:
    // Called just after the control is subclassed.
    virtual void OnAttached() {}
    // The reflected WM_CTLCOLORSTATIC: the brush to paint the control with, or null to let
    // the dialog answer.
    virtual HBRUSH OnReflectedCtlColor(HDC) { return nullptr; }
    // The reflected STN_CLICKED (the control needs SS_NOTIFY to send it).
    virtual void OnReflectedClick() {}
    // The control's own messages; false passes the message to the control's original procedure.
    virtual bool HandleMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

    // The control's original handling of a message, for handlers that run it first.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);

    HWND control = nullptr;  // not owned: the dialog destroys its controls
};
