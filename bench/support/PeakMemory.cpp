#include "bench/support/PeakMemory.h"

#include <fstream>
#include <string>

namespace benchsupport {

void PeakMemory::reset() {
    // Writing 5 to clear_refs resets the process's VmHWM to its present size.
    std::ofstream("/proc/self/clear_refs") << "5";
}

double PeakMemory::MiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

} // namespace benchsupport
