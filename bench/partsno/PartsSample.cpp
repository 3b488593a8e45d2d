#include "PartsSample.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace benchpartsno {

void makePartsSample(const std::filesystem::path& dataDir, int scale, const std::filesystem::path& binDir) {
    std::filesystem::create_directories(dataDir);
    const std::filesystem::path tool = binDir / "vexorin-catalog";
    if (!std::filesystem::exists(tool))
        throw std::runtime_error("no " + tool.string() + ": build the target vexorin-catalog first");
    const std::string command = "\"" + tool.string() + "\" sample \"" + dataDir.string() + "\" --scale " +
                                std::to_string(scale) + " >/dev/null";
    if (std::system(command.c_str()) != 0 || !std::filesystem::exists(dataDir / "PartsNo.MDB"))
        throw std::runtime_error("vexorin-catalog sample did not make " + (dataDir / "PartsNo.MDB").string());
}

} // namespace benchpartsno
