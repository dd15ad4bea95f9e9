#pragma once
// How the user's regional format in Windows writes times and dates.

#include <string>

#include "model/zone_time.h"

// Whether the user's time format counts the hours to 12.
bool RegionUsesTwelveHours();

// Today's date written long, as the user's region writes it ("Tuesday, December 8, 2026"); empty
// when it cannot be had.
std::wstring LongDateToday();
// The date of `time` written long, as the user's region writes it; empty when it cannot be had.
std::wstring LongDate(const CivilTime& time);

// The local time of this moment, as the user's region writes it ("5:41:07 PM"); empty when it
// cannot be had.
std::wstring TimeNow();
