// The timed loops' clock: monotonic, in microseconds.
#pragma once
#include <windows.h>

inline double microseconds_now()
{
    LARGE_INTEGER t, frequency;
    QueryPerformanceCounter(&t);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}
