// The catalogue of the car information bench: the sample catalogue at a scale,
// or, where the catalogue tool cannot write it, a comparable maker database
// written here; and the car in it with the most specification rows.
#pragma once

#include <filesystem>
#include <string>

namespace benchcarinfo {

struct BenchCar {
    std::string maker;  // "TOYOTA"
    std::string carNo;  // as stored in MakerMaster and CarSpecMaster
    long long carClass; // the class whose specification rows are the most
    long rows = 0;      // CarSpecMaster rows of that car and class
    std::string source; // where the catalogue came from, for the report
};

// Writes the catalogue into dataDir and picks the car. Throws std::runtime_error on failure.
BenchCar makeInfoSample(const std::filesystem::path& dataDir, int scale, const std::filesystem::path& binDir);

} // namespace benchcarinfo
