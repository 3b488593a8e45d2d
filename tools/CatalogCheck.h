// The check of a catalogue folder: what would make a lookup fail or show wrong
// data, read through the catalogue layer, so in either stored form.
//
// Errors: throws std::runtime_error only when the folder itself cannot be
// read (policy of tools/, see CatalogFileWriter.h); a file that cannot be
// opened or read is a finding.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tools {

class CatalogCheck {
public:
    // One line for each finding, "<file>: <what>", in the order of the files
    // (PartsNo.MDB, then the makers' files in the makers' order); empty when
    // the folder is clean. File names match without regard to case, as the
    // program finds them.
    static std::vector<std::string> run(const std::filesystem::path& dir);
};

} // namespace tools
