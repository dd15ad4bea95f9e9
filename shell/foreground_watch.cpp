#include "shell/foreground_watch.h"

void ForegroundWatch::Start(HWND notified, UINT notice) {
    Stop();
    window = notified;
    message = notice;
    watching = this;
    // Out of context: the events come to this thread's message loop, and no code of the clock's
    // is loaded into other programs.
    foregroundHook.reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                         OnEvent, 0, 0, WINEVENT_OUTOFCONTEXT));
    Follow(GetForegroundWindow());
}

void ForegroundWatch::Stop() {
    foregroundHook.reset();
    moveHook.reset();
    followed = nullptr;
    if (watching == this)
        watching = nullptr;
}

void CALLBACK ForegroundWatch::OnEvent(HWINEVENTHOOK, DWORD event, HWND subject, LONG object,
                                       LONG child, DWORD, DWORD) {
    ForegroundWatch* const watch = watching;
    if (!watch || object != OBJID_WINDOW || child != CHILDID_SELF)
        return;
    watch->heard = true;
    if (event == EVENT_SYSTEM_FOREGROUND)
        watch->Follow(subject);
    else if (subject != watch->followed)
        return;  // a move of another window of the foreground's thread
    PostMessageW(watch->window, watch->message, 0, 0);
}

// The moves of every window are far too many to hear: only those of the foreground window's own
// thread are asked for, and not those of the clock's process, whose own moves mean nothing here.
void ForegroundWatch::Follow(HWND foreground) {
    if (foreground == followed)
        return;
    followed = foreground;
    moveHook.reset();
    DWORD process = 0;
    const DWORD thread = foreground ? GetWindowThreadProcessId(foreground, &process) : 0;
    if (!thread || process == GetCurrentProcessId())
        return;
    moveHook.reset(SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE,
                                   nullptr, OnEvent, process, thread, WINEVENT_OUTOFCONTEXT));
}
