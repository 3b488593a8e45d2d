// The parts-number catalogue the search benchmark runs on: the sample
// catalogue made by vexorin-catalog.
#pragma once

#include <filesystem>

namespace benchpartsno {

// Runs "vexorin-catalog sample dataDir --scale scale" from binDir (about 2000
// parts numbers per unit of scale). Throws std::runtime_error when the tool is
// missing or fails, or has made no PartsNo.MDB.
void makePartsSample(const std::filesystem::path& dataDir, int scale, const std::filesystem::path& binDir);

} // namespace benchpartsno
