#include "carinfo/Information.h"

namespace carinfo {

// Placeholder until the car information pages land.
void Information() {}

} // namespace carinfo
