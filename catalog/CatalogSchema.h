// The tables of a catalogue in our SQLite form: their fields and the indexes
// that the lookups' queries use. Shared by everything that writes our form
// (the sample catalogue, convert) and by the in-memory copies of Jet tables.
#pragma once

#include <string>
#include <vector>

namespace catalog {

struct FieldSpec {
    std::string name;
    std::string sqlType; // "TEXT" or "INTEGER"
};

struct TableSpec {
    std::string name;
    std::vector<FieldSpec> fields;
    // CREATE INDEX statements. Text keys use COLLATE NOCASE, the collation of
    // the catalogue's case-blind = and Like, so that SQLite can use them.
    std::vector<std::string> indexes;
};

// PartsMaster, MakerMaster, PartsStructure and CarSpecMaster, in that order.
inline const std::vector<TableSpec>& catalogTables() {
    static const std::vector<TableSpec> tables = {
        {"PartsMaster",
         {{"PartsNo", "TEXT"}, {"BearingNo", "TEXT"}, {"OtherMk", "TEXT"}},
         {"CREATE INDEX PartsMaster_PartsNo ON PartsMaster(PartsNo COLLATE NOCASE)"}},
        {"MakerMaster",
         {{"MakerName", "TEXT"}, {"CarName", "TEXT"}, {"CarNo", "TEXT"}},
         {"CREATE INDEX MakerMaster_MakerName ON MakerMaster(MakerName COLLATE NOCASE, CarNo)"}},
        {"PartsStructure",
         {{"CarNo", "TEXT"},
          {"Application", "TEXT"},
          {"Class", "INTEGER"},
          {"DispLevel", "INTEGER"},
          {"PartsName", "TEXT"},
          {"RL", "TEXT"},
          {"PartsNo", "TEXT"},
          {"BearingNo", "TEXT"},
          {"OtherMk", "TEXT"}},
         {"CREATE INDEX PartsStructure_CarNo ON PartsStructure(CarNo COLLATE NOCASE, Application COLLATE NOCASE)"}},
        {"CarSpecMaster",
         {{"CarNo", "TEXT"},
          {"Class", "INTEGER"},
          {"CarCode", "TEXT"},
          {"Type", "TEXT"},
          {"Year", "TEXT"},
          {"Model", "TEXT"},
          {"Displacement", "TEXT"},
          {"Engine", "TEXT"},
          {"Mission", "TEXT"}},
         {"CREATE INDEX CarSpecMaster_CarNo ON CarSpecMaster(CarNo COLLATE NOCASE, Class)"}},
    };
    return tables;
}

} // namespace catalog
