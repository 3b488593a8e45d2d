// The catalogue of the car information bench: the sample catalogue at a
// scale, and the car in it with the most specification rows.
#pragma once

#include <filesystem>
#include <string>

namespace benchsupport {
class SampleFolder;
}

namespace benchcarinfo {

struct BenchCar {
    std::string maker;  // "TOYOTA"
    std::string carNo;  // as stored in MakerMaster and CarSpecMaster
    long long carClass; // the class whose specification rows are the most
    long rows = 0;      // CarSpecMaster rows of that car and class
    std::string source; // where the catalogue came from, for the report
};

// Writes the sample catalogue into folder and picks the car. Throws
// std::runtime_error when the sample cannot be written or has no
// specification rows.
BenchCar writeInfoSample(const benchsupport::SampleFolder& folder, int scale);

} // namespace benchcarinfo
