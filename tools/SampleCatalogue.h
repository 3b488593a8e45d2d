// The invented catalogue that "vexorin-catalog sample" writes: PartsNo.MDB,
// one Tessik-<MAKER>.MDB for each of the nine makers and catalog.pdf, in our
// SQLite form, the same bytes on every run.
//
// Scale 1 is a small catalogue (a few hundred rows) that shows every case the
// lookups must handle: models whose car-number order is not their name order,
// cars of one, two and three classes, part lines at display levels 0 and 1,
// part names stored padded to 60 or 80 characters (one list line) and unpadded
// (two list lines), left/right marks "L", "R", "LR", empty and Null, empty and
// Null fields, other-make marks "*", cars with one to eight specification groups
// (one to three car information pages), years of 4, 15 and 25 characters, a
// model with no part lines (its search finds no data).
//
// Each further unit of scale adds about 2000 parts numbers to PartsMaster and
// two models to each maker; from scale 2 on each maker also has the model
// "FLEET (ALL TYPES)", car number <prefix>99999, with 10 x scale part lines
// for each application and class and 2 x scale specification rows per class
// in up to 27 groups (nine car information pages), for the benchmarks.
//
// Errors: throws std::runtime_error (policy of tools/, see SqliteStatement.h).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tools {

class SampleCatalogue {
public:
    // scale must be 1 or more.
    explicit SampleCatalogue(int scale);

    // The names of the files that write() makes, in the order it makes them.
    static std::vector<std::string> fileNames();

    // Writes the files into dir (which must exist), all or none: throws, and
    // leaves no file of its own behind, when one of them exists already or
    // writing fails.
    void write(const std::filesystem::path& dir) const;

private:
    int m_scale;
};

} // namespace tools
