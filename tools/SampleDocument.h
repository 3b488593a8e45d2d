// The printed catalogue of the sample: a PDF document listing its bearings by
// application, as the main menu's "Bearing Information" opens it.
//
// Errors: throws std::runtime_error (policy of tools/, see SqliteStatement.h).
#pragma once

#include <filesystem>

namespace tools {

class SampleDocument {
public:
    // Writes the document to file (replacing it). The bytes are the same on
    // every run on one machine: the creation date is fixed. Needs no display;
    // starts Qt's offscreen platform when no application object exists.
    static void write(const std::filesystem::path& file);
};

} // namespace tools
