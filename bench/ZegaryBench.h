#pragma once

#include <chrono>
#include <ctime>

// The clocks the benchmark programs read: wall time since a moment, and
// this thread's processor time, for trials on a machine that other work
// shares.
using ZegarBench = std::chrono::steady_clock;

inline double SekundyOd(ZegarBench::time_point t0) {
    return std::chrono::duration<double>(ZegarBench::now() - t0).count();
}

inline double CzasWatku() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + 1e-9 * double(t.tv_nsec);
}
