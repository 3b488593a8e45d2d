// The peak resident memory of the bench process, so that each benchmark can
// report its own: reset() before the timed loop, MiB() after it.
//
//     benchsupport::PeakMemory::reset();
//     for (auto _ : state) { ... }
//     state.counters["peak_MiB"] = benchsupport::PeakMemory::MiB();
//
// Read from /proc on Linux; elsewhere MiB() gives 0 and reset() does nothing.
#pragma once

namespace benchsupport {

class PeakMemory {
public:
    // Starts a new peak at the present resident size.
    static void reset();
    // The peak resident size since the last reset (or the start), in MiB.
    static double MiB();
};

} // namespace benchsupport
