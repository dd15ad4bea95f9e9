#include "face/time_format.h"

#include "face/face_layout.h"

namespace {

void AppendTwoDigits(std::string& text, int value, char tensWhenZero = '0') {
    text.push_back(value >= 10 ? static_cast<char>('0' + value / 10) : tensWhenZero);
    text.push_back(static_cast<char>('0' + value % 10));
}

}  // namespace

std::string FaceText(const TimeOfDay& time, const TimeFormat& format) {
    const bool colonShown = format.colons == Colons::Shown ||
                            (format.colons == Colons::Blinking && time.second % 2 == 0);
    const char colon = colonShown ? ':' : kBlankColon;
    const TwelveHour twelve = ToTwelveHours(time.hour);
    std::string text;
    if (format.twelveHours)
        AppendTwoDigits(text, twelve.hour, kBlankDigit);
    else
        AppendTwoDigits(text, time.hour);
    text.push_back(colon);
    AppendTwoDigits(text, time.minute);
    if (format.seconds) {
        text.push_back(colon);
        AppendTwoDigits(text, time.second);
    }
    if (format.twelveHours)
        text.push_back(twelve.pm ? kPmIndicator : kAmIndicator);
    return text;
}

bool IsTwelveHourPicture(std::wstring_view picture) {
    bool quoted = false;
    for (const wchar_t c : picture) {
        if (c == L'\'')
            quoted = !quoted;
        else if (c == L'h' && !quoted)
            return true;
    }
    return false;
}
