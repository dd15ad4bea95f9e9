#include "bench/median_timer.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {
size_t minimumRuns = 3;
double minimumSeconds = 0.5;
}  // namespace

void SetShortRuns() {
    minimumRuns = 1;
    minimumSeconds = 0;
}

double MedianSeconds(const std::function<void()>& prepare, const std::function<void()>& measured) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    const double tick = 1.0 / static_cast<double>(frequency.QuadPart);

    std::vector<double> runs;
    double total = 0;
    while (runs.size() < minimumRuns || total < minimumSeconds) {
        prepare();
        LARGE_INTEGER start{}, end{};
        QueryPerformanceCounter(&start);
        measured();
        QueryPerformanceCounter(&end);
        runs.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * tick);
        total += runs.back();
    }
    const auto middle = runs.begin() + static_cast<std::ptrdiff_t>(runs.size() / 2);
    std::nth_element(runs.begin(), middle, runs.end());
    return *middle;
}
