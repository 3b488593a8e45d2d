#include "tools/CatalogCheck.h"

#include "catalog/DBEngine.h"
#include "catalog/TableSchema.h"
#include "tools/CatalogFiles.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <exception>
#include <map>
#include <optional>
#include <set>

namespace tools {
namespace {

namespace fs = std::filesystem;

std::string folded(const std::string& text) {
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// A text as a finding quotes it.
std::string inQuotes(const std::string& text) {
    return "\"" + text + "\"";
}

// A value as a finding shows it: texts in quotes, numbers bare.
std::string shown(const catalog::FieldValue& value) {
    if (value.isNull())
        return "Null";
    return value.isText() ? inQuotes(value.toText()) : value.toText();
}

// The file of that name in dir, compared without regard to case as the
// program's drive mapping does; nullopt when there is none.
std::optional<fs::path> findFile(const fs::path& dir, const std::string& name) {
    if (fs::exists(dir / name))
        return dir / name;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir))
        if (catalog::equalsIgnoringAsciiCase(entry.path().filename().string(), name))
            return entry.path();
    return std::nullopt;
}

// The whole number a Class value stands for, as the lookups read it; nullopt
// for Null, a fraction or a text that is not all digits.
std::optional<long long> wholeClass(const catalog::FieldValue& value) {
    if (const auto whole = value.integerValue())
        return *whole;
    if (const auto real = value.realValue()) {
        if (std::isfinite(*real) && std::trunc(*real) == *real && std::fabs(*real) < 1e18)
            return static_cast<long long>(*real);
        return std::nullopt;
    }
    if (!value.isText())
        return std::nullopt;
    const std::string text = value.toText();
    if (text.empty() || text.size() > 18 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return std::stoll(text);
}

struct TableNeed {
    const char* table;
    std::vector<const char*> fields;
};

class FileCheck {
public:
    FileCheck(std::string fileName, std::vector<std::string>& findings)
        : m_fileName(std::move(fileName)), m_findings(findings) {}

    void report(const std::string& what) { m_findings.push_back(m_fileName + ": " + what); }

    // Opens the file and reports every table and field of needs that it lacks.
    // Returns the tables that have all their fields.
    std::set<std::string> open(const fs::path& path, const std::vector<TableNeed>& needs) {
        std::set<std::string> complete;
        try {
            m_db = catalog::DBEngine::Workspaces(0).OpenDatabase(path.string());
            const std::vector<catalog::TableListing> tables = m_db.tables();
            for (const TableNeed& need : needs) {
                const auto table = std::find_if(tables.begin(), tables.end(), [&](const auto& listing) {
                    return catalog::equalsIgnoringAsciiCase(listing.name, need.table);
                });
                if (table == tables.end()) {
                    report("table " + std::string(need.table) + " is missing");
                    continue;
                }
                bool all = true;
                for (const char* field : need.fields)
                    if (std::none_of(table->fields.begin(), table->fields.end(),
                                     [&](const auto& f) { return catalog::equalsIgnoringAsciiCase(f.first, field); })) {
                        report(std::string(need.table) + ": field " + field + " is missing");
                        all = false;
                    }
                if (all)
                    complete.insert(need.table);
            }
        } catch (const std::exception& error) {
            report(std::string("cannot be read: ") + error.what());
        }
        return complete;
    }

    // Runs query and calls visit for each row; a failure is reported as a finding.
    template <typename Visit> void eachRow(const std::string& query, Visit visit) {
        try {
            catalog::Recordset rows = m_db.OpenRecordset(query, 2);
            for (; !rows.Eof(); rows.MoveNext())
                visit(rows);
            rows.Close();
        } catch (const std::exception& error) {
            report(std::string("cannot be read: ") + error.what());
        }
    }

private:
    std::string m_fileName;
    std::vector<std::string>& m_findings;
    catalog::Database m_db;
};

const std::vector<TableNeed>& makerNeeds() {
    static const std::vector<TableNeed> needs = {
        {"MakerMaster", {"MakerName", "CarName", "CarNo"}},
        {"PartsStructure",
         {"CarNo", "Application", "Class", "DispLevel", "PartsName", "RL", "PartsNo", "BearingNo", "OtherMk"}},
        {"CarSpecMaster", {"CarNo", "Class", "CarCode", "Type", "Year", "Model", "Displacement", "Engine", "Mission"}},
    };
    return needs;
}

// The car numbers of MakerMaster, without regard to case as the lookups'
// queries compare them, each with the models that carry it.
using CarNumbers = std::map<std::string, std::vector<std::string>>;

CarNumbers checkMakerMaster(FileCheck& file, const std::string& maker) {
    CarNumbers cars;
    std::map<std::string, std::string> spelling;
    bool makerListed = false;
    file.eachRow("SELECT MakerName,CarName,CarNo From MakerMaster", [&](const catalog::Recordset& rows) {
        const catalog::FieldValue makerName = rows.Fields("MakerName");
        const catalog::FieldValue carName = rows.Fields("CarName");
        const catalog::FieldValue carNo = rows.Fields("CarNo");
        const std::string name = carName.isNull() ? "(Null)" : carName.toText();
        if (!makerName.isNull() && catalog::equalsIgnoringAsciiCase(makerName.toText(), maker))
            makerListed = true;
        if (carNo.isEmpty()) {
            file.report("MakerMaster: model " + inQuotes(name) + " has no car number");
            return;
        }
        const std::string number = carNo.toText();
        if (number.find('"') != std::string::npos)
            file.report("MakerMaster: car number " + inQuotes(number) + " of model " + inQuotes(name) +
                        " holds a double quote, which breaks the lookups' queries");
        cars[folded(number)].push_back(name);
        spelling.emplace(folded(number), number);
    });
    if (!makerListed)
        file.report("MakerMaster: no model has the maker name " + maker + ", so the maker lists no models");
    for (const auto& [key, models] : cars)
        if (models.size() > 1) {
            std::string names;
            for (const std::string& model : models)
                names += (names.empty() ? "" : ", ") + inQuotes(model);
            file.report("MakerMaster: car number " + inQuotes(spelling[key]) + " belongs to " +
                        std::to_string(models.size()) + " models: " + names);
        }
    return cars;
}

// The distinct classes of one car in a table, as DISTINCT Class yields them.
struct CarClasses {
    std::string carNo; // as first spelt
    std::set<std::string> values;
    std::vector<long long> wholes;
    std::vector<std::string> others;
};

// Reports the rows of table whose car number MakerMaster lacks (when cars is
// given) and the classes that are no whole number; returns each car's classes
// by its folded car number.
std::map<std::string, CarClasses> checkCarRows(FileCheck& file, const std::string& table, const CarNumbers* cars) {
    std::map<std::string, CarClasses> classes;
    std::map<std::string, long> orphans;
    file.eachRow("SELECT CarNo,Class From " + table, [&](const catalog::Recordset& rows) {
        const catalog::FieldValue carNo = rows.Fields("CarNo");
        const catalog::FieldValue carClass = rows.Fields("Class");
        const std::string key = folded(carNo.isNull() ? "" : carNo.toText());
        CarClasses& car = classes[key];
        if (car.values.empty())
            car.carNo = carNo.isNull() ? "" : carNo.toText();
        if (cars && !cars->contains(key))
            ++orphans[key];
        const std::string value = shown(carClass);
        if (!car.values.insert(value).second)
            return;
        if (const auto whole = wholeClass(carClass)) {
            car.wholes.push_back(*whole);
        } else {
            car.others.push_back(value);
            file.report(table + ": car " + inQuotes(car.carNo) + " has the Class " + value +
                        ", which is not a whole number");
        }
    });
    for (const auto& [key, count] : orphans)
        file.report(table + ": car number " + inQuotes(classes[key].carNo) + " has no row in MakerMaster (" +
                    std::to_string(count) + (count == 1 ? " row)" : " rows)"));
    return classes;
}

// A search makes one parts list page for each distinct class of the car and
// puts the lines of class k on page k: only classes 1 to N fill their pages.
void checkClassRange(FileCheck& file, const std::map<std::string, CarClasses>& classes) {
    for (const auto& [key, car] : classes) {
        std::vector<long long> numbers = car.wholes;
        std::sort(numbers.begin(), numbers.end());
        bool oneToN = car.others.empty();
        for (size_t i = 0; oneToN && i < numbers.size(); ++i)
            oneToN = numbers[i] == static_cast<long long>(i + 1);
        if (oneToN)
            continue;
        std::string list;
        for (const long long number : numbers)
            list += (list.empty() ? "" : ", ") + std::to_string(number);
        for (const std::string& other : car.others)
            list += (list.empty() ? "" : ", ") + other;
        file.report("PartsStructure: the classes of car " + inQuotes(car.carNo) + " are " + list + ", not 1 to " +
                    std::to_string(car.values.size()));
    }
}

void checkMakerFile(const fs::path& dir, const std::string& maker, std::vector<std::string>& findings) {
    const std::string fileName = makerFileName(maker);
    FileCheck file(fileName, findings);
    const auto path = findFile(dir, fileName);
    if (!path) {
        file.report("the file is missing");
        return;
    }
    const std::set<std::string> complete = file.open(*path, makerNeeds());
    std::optional<CarNumbers> cars;
    if (complete.contains("MakerMaster"))
        cars = checkMakerMaster(file, maker);
    const CarNumbers* known = cars ? &*cars : nullptr;
    if (complete.contains("PartsStructure"))
        checkClassRange(file, checkCarRows(file, "PartsStructure", known));
    if (complete.contains("CarSpecMaster"))
        checkCarRows(file, "CarSpecMaster", known);
}

} // namespace

std::vector<std::string> CatalogCheck::run(const fs::path& dir) {
    if (!fs::is_directory(dir))
        throw std::runtime_error(dir.string() + " is not a folder");
    std::vector<std::string> findings;
    {
        FileCheck file(PartsFileName, findings);
        if (const auto path = findFile(dir, PartsFileName))
            file.open(*path, {{"PartsMaster", {"PartsNo", "BearingNo", "OtherMk"}}});
        else
            file.report("the file is missing");
    }
    for (const std::string& maker : catalogMakers())
        checkMakerFile(dir, maker, findings);
    return findings;
}

} // namespace tools
