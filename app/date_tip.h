#pragma once
// The tooltip that tells the date, and where the clock is elsewhere its place, while the pointer
// rests on the clock.

#include <windows.h>

#include <functional>
#include <string>

#include "win/unique_handle.h"

class DateTip {
public:
    // Puts the tip over the whole of `clock`.
    void Create(HWND clock);
    // Hands the tip a mouse message of the clock, from which it tells when the pointer rests.
    // Relayed rather than watched through a subclass of the clock, which would add a lookup of
    // the window's properties to every message, the timer's included.
    void Relay(HWND clock, UINT message, WPARAM wParam, LPARAM lParam) const;

    // Answers what the tip asks the clock: how it is to notify, and the text to show, which
    // `text` gives at the moment it asks, so that the date follows midnight; a tip without text
    // does not show. Returns whether the message was the tip's, with the answer in `result`.
    bool Answer(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result,
                const std::function<std::wstring()>& text);

private:
    UniqueWindow tip;
    std::wstring shownText;  // the tip reads it after the notification
};
