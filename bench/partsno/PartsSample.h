// The parts-number catalogue the search benchmark runs on: the sample catalogue
// of vexorin-catalog where that tool can make one, else an equivalent PartsNo.MDB
// written here in our SQLite form.
#pragma once

#include <filesystem>
#include <string>

namespace benchpartsno {

// Makes dataDir/PartsNo.MDB with about 2000 × scale parts numbers. Tries
// "vexorin-catalog sample" from binDir first; writes the table itself when the
// tool is missing or fails. Returns a line saying which was used; throws
// std::runtime_error when neither works.
std::string makePartsSample(const std::filesystem::path& dataDir, int scale, const std::filesystem::path& binDir);

} // namespace benchpartsno
