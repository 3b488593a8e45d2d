// Runs the built catalogue tool as a child process, as a maintainer would.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tooltest {

// The makers of the car lookup, whose files a catalogue folder holds.
inline const std::vector<std::string> Makers = {"TOYOTA", "NISSAN",   "HONDA",  "MAZDA", "MITSUBISHI",
                                                "SUZUKI", "DAIHATSU", "SUBARU", "ISUZU"};

struct ToolResult {
    int exitCode = -1;
    std::string out;
    std::string err;
    // The lines of out, without their line ends.
    std::vector<std::string> outLines() const;
};

// vexorin-catalog from the folder named by VEXORIN_BIN_DIR, with these arguments.
ToolResult runTool(const std::vector<std::string>& args);

// The folder of the real Jet files, or empty when the shared test data is absent.
std::filesystem::path jetTestData();

// Every value of the first column of sql's rows on an SQLite file, as text
// ("" for Null); with attached given, that file is there as database "p".
std::vector<std::string> queryColumn(const std::filesystem::path& file, const std::string& sql,
                                     const std::filesystem::path& attached = {});

// The whole content of a file.
std::string readFile(const std::filesystem::path& file);

} // namespace tooltest
