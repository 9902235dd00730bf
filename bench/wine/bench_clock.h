// The timed loops' clock: monotonic, in microseconds; and what a loop of
// rounds reports. On a machine others share, one slow round says nothing about
// the code: the best round is the code's own pace, the median what a host
// typically sees.
#pragma once
#include <windows.h>

#include <algorithm>
#include <vector>

inline double microseconds_now()
{
    LARGE_INTEGER t, frequency;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

struct round_figures {
    double best, median;
};

inline round_figures figures_of(std::vector<double> rounds)
{
    if (rounds.empty()) return {0, 0};
    std::sort(rounds.begin(), rounds.end());
    return {rounds.front(), rounds[rounds.size() / 2]};
}

// Runs round() `rounds` times; each round's time in microseconds divided by
// per_round (the calls a round makes).
template <typename F>
round_figures time_rounds(int rounds, double per_round, F round)
{
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        const double start = microseconds_now();
        round();
        times.push_back((microseconds_now() - start) / per_round);
    }
    return figures_of(times);
}
