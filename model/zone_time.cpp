#include "model/zone_time.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::int64_t kMillisecondsPerMinute = 60'000;
constexpr std::int64_t kMillisecondsPerDay = 86'400'000;
// The calendar repeats every 400 years, which hold 146097 days. Counting each year from March
// puts the leap day at its end, so every year's months begin on the same days of it.
constexpr std::int64_t kDaysPerEra = 146'097;
constexpr std::int64_t kMarchFirstOfYearZero = 719'468;  // days from 0000-03-01 to 1970-01-01
constexpr int kThursday = 4;                             // 1970-01-01

// Division and remainder rounded down, so that instants before 1970 fall in the day they are in.
std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

std::int64_t FloorMod(std::int64_t value, std::int64_t divisor) {
    return value - FloorDiv(value, divisor) * divisor;
}

int Weekday(std::int64_t days) {
    return static_cast<int>(FloorMod(days + kThursday, 7));
}

// The day on which `change` falls in `year`: a weekday counted from the first of the month
// (week 5 steps back into the month when it has only four of that weekday), or an absolute date.
std::int64_t ChangeDay(const ZoneChange& change, int year) {
    if (change.year != 0)
        return DaysFromCivil(change.year, change.month, change.week);
    const std::int64_t first = DaysFromCivil(year, change.month, 1);
    const std::int64_t daysInMonth = change.month == 12
                                         ? DaysFromCivil(year + 1, 1, 1) - first
                                         : DaysFromCivil(year, change.month + 1, 1) - first;
    std::int64_t day = (change.weekday - Weekday(first) + 7) % 7 + 7 * (change.week - 1);
    while (day >= daysInMonth)
        day -= 7;
    return first + day;
}

// When `change` falls in `year` in UTC, where the time that holds until it is UTC minus
// `biasMinutes`.
ZoneInstant ChangeInstant(const ZoneChange& change, int year, int biasMinutes) {
    const std::int64_t timeOfDay =
        ((change.hour * 60 + change.minute) * 60 + change.second) * 1000 + change.millisecond;
    return ChangeDay(change, year) * kMillisecondsPerDay + timeOfDay +
           biasMinutes * kMillisecondsPerMinute;
}

int StandardYear(ZoneInstant utc, int standardTimeBias) {
    return ToCivil(utc - standardTimeBias * kMillisecondsPerMinute).year;
}

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r\n";
    const size_t begin = text.find_first_not_of(kSpace);
    if (begin == std::string_view::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(kSpace) + 1 - begin);
}

}  // namespace

CivilTime ToCivil(ZoneInstant time) {
    const std::int64_t days = FloorDiv(time, kMillisecondsPerDay);
    const std::int64_t seconds = FloorMod(time, kMillisecondsPerDay) / 1000;
    const std::int64_t shifted = days + kMarchFirstOfYearZero;
    const std::int64_t era = FloorDiv(shifted, kDaysPerEra);
    const std::int64_t dayOfEra = shifted - era * kDaysPerEra;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int month =
        static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    return {
        .year = static_cast<int>(era * 400 + yearOfEra + (month <= 2)),
        .month = month,
        .day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1),
        .weekday = Weekday(days),
        .hour = static_cast<int>(seconds / 3600),
        .minute = static_cast<int>(seconds / 60 % 60),
        .second = static_cast<int>(seconds % 60),
    };
}

std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::int64_t marchYear = year - (month <= 2);
    const std::int64_t era = FloorDiv(marchYear, 400);
    const std::int64_t yearOfEra = marchYear - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * kDaysPerEra + dayOfEra - kMarchFirstOfYearZero;
}

ZoneInstant DaylightStart(const ZoneRules& rules, int year) {
    return ChangeInstant(rules.toDaylight, year, rules.bias + rules.standardBias);
}

ZoneInstant DaylightEnd(const ZoneRules& rules, int year) {
    return ChangeInstant(rules.toStandard, year, rules.bias + rules.daylightBias);
}

bool InDaylightSaving(ZoneInstant utc, const ZoneRules& rules) {
    if (!rules.HasDaylightSaving())
        return false;
    // The changes of the zone's own year: daylight time that spans the new year holds until
    // that year's end of it and again from that year's start.
    const int year = StandardYear(utc, rules.bias + rules.standardBias);
    if (ChangeDay(rules.toDaylight, year) == ChangeDay(rules.toStandard, year))
        return false;
    const ZoneInstant start = DaylightStart(rules, year);
    const ZoneInstant end = DaylightEnd(rules, year);
    return start < end ? start <= utc && utc < end : utc >= start || utc < end;
}

int UtcOffsetMinutes(ZoneInstant utc, const ZoneRules& rules) {
    return -(rules.bias + (InDaylightSaving(utc, rules) ? rules.daylightBias : rules.standardBias));
}

std::optional<ZoneInstant> ZoneClock::Local(ZoneInstant utc) {
    const std::optional<int> offset = OffsetMinutes(utc);
    if (!offset)
        return std::nullopt;
    return utc + *offset * kMillisecondsPerMinute;
}

std::optional<int> ZoneClock::OffsetMinutes(ZoneInstant utc) {
    const ZoneRules* at = RulesAt(utc);
    if (!at)
        return std::nullopt;
    return UtcOffsetMinutes(utc, *at);
}

const ZoneRules* ZoneClock::RulesAt(ZoneInstant utc) {
    // The zone's year turns at its own midnight, which only its rules tell: the year found with
    // the rules last had is checked once more with the rules of that year. A year whose rules
    // cannot be had is not asked for again until the year turns.
    for (int round = 0; round < 2; ++round) {
        const int wanted = StandardYear(utc, standardTimeBias);
        if (wanted == year)
            break;
        year = wanted;
        rules = source(wanted);
        if (!rules)
            break;
        standardTimeBias = rules->bias + rules->standardBias;
    }
    return rules ? &*rules : nullptr;
}

std::string DefaultZoneLabel(std::string_view displayName) {
    std::string_view name = Trimmed(displayName);
    if (name.starts_with('(')) {
        const size_t offsetEnd = name.find(')');
        if (offsetEnd != std::string_view::npos)
            name.remove_prefix(offsetEnd + 1);
    }
    const size_t lastComma = name.rfind(',');
    if (lastComma != std::string_view::npos)
        name.remove_prefix(lastComma + 1);
    return std::string(Trimmed(name));
}

std::string OffsetText(int minutes) {
    if (minutes == 0)
        return "\u00b10 h";
    const int magnitude = std::abs(minutes);
    char text[24] = {};
    if (const int rest = magnitude % 60; rest != 0)
        std::snprintf(text, sizeof text, "%c%d:%02d h", minutes > 0 ? '+' : '-', magnitude / 60,
                      rest);
    else
        std::snprintf(text, sizeof text, "%c%d h", minutes > 0 ? '+' : '-', magnitude / 60);
    return text;
}
