#pragma once
// The text a face shows for a time of day: 24 or 12 hours, with or without the seconds, the
// colons steady or blinking. Its characters are those LayoutGlyphs gives cells.

#include <string>
#include <string_view>

struct TimeOfDay {
    int hour = 0;  // 0 to 23
    int minute = 0;
    int second = 0;
};

enum class Colons {
    Shown,
    Blinking,  // shown on even seconds, blank on odd ones
    Hidden,    // as a blinking colon's odd seconds: what a preview of them shows
};

struct TimeFormat {
    bool twelveHours = false;
    bool seconds = true;
    Colons colons = Colons::Shown;

    // Whether the face changes with every second, not only with every minute.
    bool ChangesEverySecond() const { return seconds || colons == Colons::Blinking; }
};

// An hour of the day on a 12-hour clock: midnight to 11:59 is AM, noon to 23:59 is PM, and the
// hours 0 and 12 are 12.
struct TwelveHour {
    int hour;  // 1 to 12
    bool pm;
};

constexpr TwelveHour ToTwelveHours(int hour) {
    const int onDial = hour % 12;
    return {onDial == 0 ? 12 : onDial, hour >= 12};
}

// "HH:MM:SS" or "HH:MM" in 24 hours; in 12 hours the hour's tens are blank below 10 and the AM or
// PM indicator follows the last digit. A blinking colon is blank on odd seconds.
std::string FaceText(const TimeOfDay& time, const TimeFormat& format);

// Whether a regional time format picture, such as "h:mm:ss tt" or "HH' h 'mm", counts the hours
// to 12: it holds an "h" outside its quoted literal text.
bool IsTwelveHourPicture(std::wstring_view picture);
