// The bearings of the sample catalogue: every bearing number that its parts
// numbers point to, with the data that its printed catalogue lists.
#pragma once

#include <string>
#include <vector>

namespace tools {

// The four applications of the car lookup, in the order of their codes "1" to "4".
enum class SampleUse { FrontSuspension, RearSuspension, TimingBeltTensioner, ClutchRelease };

struct SampleBearing {
    std::string number;  // "6204-2RS"
    std::string kind;    // "Deep groove ball bearing"
    double bore;         // d, mm
    double outside;      // D, mm
    double width;        // B (or T), mm
    std::string closure; // "2RS" rubber seals, "ZZ" metal shields, "open"
    SampleUse use;
};

// The bearings in the printed catalogue's order, grouped by use.
const std::vector<SampleBearing>& sampleBearings();

// The application's name as the printed catalogue heads its section.
std::string sampleUseTitle(SampleUse use);

} // namespace tools
