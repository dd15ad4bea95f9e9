#include "app/regional_format.h"

#include <windows.h>

#include <iterator>

#include "face/time_format.h"

bool RegionUsesTwelveHours() {
    wchar_t picture[128] = {};  // the format allows 80 characters
    return GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STIMEFORMAT, picture,
                           static_cast<int>(std::size(picture))) > 0 &&
           IsTwelveHourPicture(picture);
}

std::wstring LongDateToday() {
    // No date given: the local date of this moment.
    const int length = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr,
                                       nullptr, 0, nullptr);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length), L'\0');
    const int written = GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_LONGDATE, nullptr, nullptr,
                                        text.data(), length, nullptr);
    text.resize(written > 0 ? static_cast<size_t>(written - 1) : 0);  // less the terminator
    return text;
}
