#include "shell/regional_format.h"

#include <windows.h>

#include <iterator>

#include "face/time_format.h"

bool RegionUsesTwelveHours() {
    wchar_t picture[128] = {};  // the format allows 80 characters
    return GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STIMEFORMAT, picture,
                           static_cast<int>(std::size(picture))) > 0 &&
           IsTwelveHourPicture(picture);
}

namespace {

// What `format` writes of this moment: it is called once for the length, once for the text.
template <class Format>
std::wstring FormatNow(Format format) {
    const int length = format(nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length), L'\0');
    const int written = format(text.data(), length);
    text.resize(written > 0 ? static_cast<size_t>(written - 1) : 0);  // less the terminator
    return text;
}

}  // namespace

namespace {

// `date` written long, or the local date of this moment where none is given.
std::wstring LongDateOf(const SYSTEMTIME* date) {
    return FormatNow([date](wchar_t* text, int size) {
        return GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_LONGDATE, date, nullptr, text, size,
                               nullptr);
    });
}

}  // namespace

std::wstring LongDateToday() {
    return LongDateOf(nullptr);
}

std::wstring LongDate(const CivilTime& time) {
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(time.year);
    date.wMonth = static_cast<WORD>(time.month);
    date.wDayOfWeek = static_cast<WORD>(time.weekday);
    date.wDay = static_cast<WORD>(time.day);
    return LongDateOf(&date);
}

std::wstring TimeNow() {
    return FormatNow([](wchar_t* text, int size) {
        return GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, text, size);
    });
}
