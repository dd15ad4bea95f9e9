#pragma once
// Wall-clock timing of short pieces of work by the platform's performance counter.

#include <functional>

// The median time in seconds of one call of `measured`, called again and again until at least
// 0.5 s have gone by in measured calls and at least three calls were made (one call in all,
// after SetShortRuns). `prepare` runs before each call, outside the measurement.
double MedianSeconds(const std::function<void()>& prepare, const std::function<void()>& measured);

// For a short run, which only shows that every case works.
void SetShortRuns();
