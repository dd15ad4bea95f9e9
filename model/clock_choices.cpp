#include "model/clock_choices.h"

TimeFormat TimeChoices::Format(bool regionTwelveHours) const {
    const HourChoice cycle = Hours();
    return {cycle == HourChoice::Hours12 || (cycle == HourChoice::Automatic && regionTwelveHours),
            Seconds(), BlinkingColon() ? Colons::Blinking : Colons::Shown};
}
