#include "model/icon_presence.h"

void IconPresence::Show(bool on) {
    wanted = on;
    if (!on) {
        shell(IconRequest::Delete);
        shown = false;
        return;
    }
    if (shown)
        return;
    retriesLeft = kRetries;
    Add();
}

void IconPresence::Restore() {
    shown = false;
    if (wanted) {
        retriesLeft = kRetries;
        Add();
    }
}

void IconPresence::Retry() {
    if (!Retrying())
        return;
    --retriesLeft;
    // A change of an icon succeeds only for an icon the shell holds: one whose add timed out.
    shown = shell(IconRequest::Modify) || shell(IconRequest::Add);
}

void IconPresence::Add() {
    shown = shell(IconRequest::Add);
}
