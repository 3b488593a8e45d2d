#include "tools/SampleCatalogue.h"

#include "catalog/CatalogSchema.h"
#include "tools/CatalogFileWriter.h"
#include "tools/CatalogFiles.h"
#include "tools/PendingFile.h"
#include "tools/SampleBearings.h"
#include "tools/SampleDocument.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace tools {
namespace {

// SplitMix64: the same numbers on every platform and library, which the
// distributions of <random> do not promise.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool oneIn(int n) { return below(n) == 0; }
    template <typename T, size_t N> const T& pick(const std::array<T, N>& items) { return items[below(N)]; }

private:
    std::uint64_t m_state;
};

constexpr int UseCount = 4;
constexpr int BasePartsPerUse = 8;
constexpr long PartsPerScale = 2000;
constexpr int ExtraCarsPerScale = 2;

struct MakerStyle {
    const char* name;
    const char* carPrefix;
    std::array<const char*, UseCount> families; // parts-number beginnings, one per use
    const char* pattern;                        // rest of a parts number: '#' a digit, '@' a letter
    std::array<const char*, 6> models;          // in car-number order
    const char* codePrefix;                     // of the car codes in CarSpecMaster
    std::array<const char*, 4> engines;
};

const std::array<MakerStyle, 9>& makers() {
    static const std::array<MakerStyle, 9> styles = {{
        {"TOYOTA",
         "T",
         {"90369-", "90363-", "13505-", "31230-"},
         "#####",
         {"VERENZA", "ALTEON", "PRIMALUX", "CORAVEL", "LANDRA", "HARVEN VAN"},
         "E-AE",
         {"4A-FE", "5A-FE", "3S-GE", "1KZ-TE"}},
        {"NISSAN",
         "N",
         {"40210-", "43210-", "13070-", "30502-"},
         "#@###",
         {"SERENTA", "BLUEMIRA", "CALDERA", "AVENTRA", "PRAIRO", "DATRUCK"},
         "E-U",
         {"GA15DE", "SR20DE", "KA24E", "TD27"}},
        {"HONDA",
         "H",
         {"44300-", "42200-", "14520-", "22810-"},
         "@@#-#0#",
         {"CIVANO", "ACCORTE", "INSPARA", "LOGAN", "STREMA", "ODESSA"},
         "E-EG",
         {"D15B", "B16A", "F22B", "J30A"}},
        {"MAZDA",
         "M",
         {"B455-", "G030-", "FE01-", "B001-"},
         "##-###",
         {"FAMILIO", "CAPELLA SP", "DEMIRA", "BONGOLA", "ROADIA", "TRIBUTA"},
         "E-BH",
         {"B5", "FS", "KF", "R2"}},
        {"MITSUBISHI",
         "B",
         {"MB", "MR", "MD", "MN"},
         "######",
         {"LANCERA", "GALANTE", "PAJARO", "MIRAGEON", "DELIKA", "COLTEN"},
         "E-CB",
         {"4G15", "4G63", "6G72", "4D56"}},
        {"SUZUKI",
         "S",
         {"09262-", "09265-", "12810-", "23265-"},
         "#####",
         {"SWIFTA", "ALTOLA", "JIMNA", "ESCUDA", "WAGONA", "CARRIO"},
         "E-HT",
         {"G13B", "F6A", "K6A", "J20A"}},
        {"DAIHATSU",
         "D",
         {"90043-", "90080-", "13540-", "31250-"},
         "#####",
         {"MIRANO", "CHARADE S", "TERIA", "HIJETTA", "MOVERA", "ROCKA"},
         "E-L",
         {"EF-SE", "HC-E", "K3-VE", "CB-23"}},
        {"SUBARU",
         "U",
         {"28016", "28015", "13033", "30502"},
         "@@###",
         {"LEGARA", "IMPRESSA", "FORESTA", "SAMBRA", "PLEIA", "VIVARO"},
         "E-BG",
         {"EJ18", "EJ20", "EN07", "EJ25"}},
        {"ISUZU",
         "I",
         {"8-94", "8-97", "8-98", "5-09"},
         "###-###-#",
         {"GEMINO", "BIGHORNE", "ELFA", "ASKARA", "WIZARDO", "PIAZZO"},
         "E-JT",
         {"4XE1", "4JG2", "6VD1", "4HF1"}},
    }};
    return styles;
}

// Letters of the parts numbers: no I and O, which read as digits.
constexpr const char Letters[] = "ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr int LetterCount = sizeof Letters - 1;

std::uint64_t patternCapacity(const char* pattern) {
    std::uint64_t capacity = 1;
    for (const char* c = pattern; *c; ++c)
        capacity *= *c == '#' ? 10 : *c == '@' ? LetterCount : 1;
    return capacity;
}

std::string partsNumber(const char* family, const char* pattern, std::uint64_t value) {
    std::string rest = pattern;
    for (size_t i = rest.size(); i-- > 0;) {
        if (rest[i] == '#') {
            rest[i] = static_cast<char>('0' + value % 10);
            value /= 10;
        } else if (rest[i] == '@') {
            rest[i] = Letters[value % LetterCount];
            value /= LetterCount;
        }
    }
    return family + rest;
}

std::string padded(const std::string& text, size_t width) {
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

using catalog::FieldValue;

FieldValue text(const std::string& value) {
    return FieldValue::text(value);
}

FieldValue number(std::int64_t value) {
    return FieldValue::integer(value);
}

const FieldValue Null = FieldValue::null();

struct PartEntry {
    std::string partsNo;
    std::string bearingNo;
    FieldValue otherMk;
};

using PartsPool = std::array<std::vector<PartEntry>, UseCount>;

// The parts numbers of one maker for each use: ascending within a family, as
// a catalogue grows, with random gaps; every sixth of them another make's.
PartsPool makePartsPool(const MakerStyle& maker, size_t makerIndex, long count) {
    std::array<std::vector<std::string>, UseCount> bearings;
    for (const SampleBearing& bearing : sampleBearings())
        bearings[static_cast<int>(bearing.use)].push_back(bearing.number);

    PartsPool pool;
    const std::uint64_t capacity = patternCapacity(maker.pattern);
    for (int use = 0; use < UseCount; ++use) {
        Random random(0x70A1ull * (makerIndex + 1) + static_cast<std::uint64_t>(use));
        const long entries = (count + UseCount - 1 - use) / UseCount;
        std::uint64_t serial = random.next() % (capacity / 4);
        pool[use].reserve(entries);
        for (long i = 0; i < entries; ++i) {
            serial += 1 + random.below(2);
            PartEntry entry;
            entry.partsNo = partsNumber(maker.families[use], maker.pattern, serial % capacity);
            entry.bearingNo = bearings[use][random.below(static_cast<int>(bearings[use].size()))];
            const int mark = random.below(12);
            entry.otherMk = mark < 2 ? text("*") : mark == 2 ? Null : text("");
            pool[use].push_back(std::move(entry));
        }
    }
    return pool;
}

// One line template of a parts list: name nullptr is a Null name, rl nullptr a Null mark.
struct LineTemplate {
    const char* name;
    int level;
    const char* rl;
    bool part; // false: a heading line without parts number
};

const std::array<std::vector<LineTemplate>, UseCount>& lineTemplates() {
    static const std::array<std::vector<LineTemplate>, UseCount> templates = {{
        {{"FRONT AXLE HUB", 0, nullptr, false},
         {"BEARING, FRONT AXLE HUB", 1, "LR", true},
         {"BEARING, FRONT WHEEL OUTER", 1, "L", true},
         {"BEARING, FRONT WHEEL OUTER", 1, "R", true},
         {"", 1, "R", true},
         {"BEARING ASSY, FRONT WHEEL HUB (WITH ABS SENSOR RING)", 1, "LR", true},
         {"STRUT MOUNTING BEARING", 0, "LR", true}},
        {{"REAR AXLE SHAFT", 0, nullptr, false},
         {"BEARING, REAR AXLE SHAFT", 1, "LR", true},
         {"BEARING, REAR WHEEL HUB INNER", 1, "L", true},
         {"BEARING, REAR WHEEL HUB INNER", 1, "R", true},
         {nullptr, 1, "", true},
         {"HUB UNIT, REAR AXLE (4WD, WITH DISC BRAKE AND ABS)", 1, "", true}},
        {{"TIMING BELT", 0, nullptr, false},
         {"PULLEY SUB-ASSY, TIMING BELT TENSIONER", 1, "", true},
         {"PULLEY, TIMING BELT IDLER NO.1", 1, nullptr, true},
         {"BEARING, TENSIONER PULLEY", 1, "", true}},
        {{"CLUTCH RELEASE", 0, nullptr, false},
         {"BEARING ASSY, CLUTCH RELEASE", 1, "", true},
         {"BEARING, INPUT SHAFT FRONT (PILOT)", 1, nullptr, true},
         {"FORK SUB-ASSY, CLUTCH RELEASE WITH BEARING", 0, "", true}},
    }};
    return templates;
}

struct CarPlan {
    std::string carNo;
    std::string name;
    int classes = 1;
    // Stored width of the part names: 0 unpadded (two list lines), else padded with blanks.
    size_t padding = 0;
    // Heading lines store empty texts instead of Null.
    bool emptyTexts = false;
    // Number of the car codes of its specification rows.
    int codeNumber = 100;
};

using Rows = std::vector<Row>;

class MakerWriter {
public:
    MakerWriter(const MakerStyle& maker, const PartsPool& pool, int scale)
        : m_maker(maker), m_pool(pool), m_scale(scale) {}

    void write(const std::filesystem::path& file, size_t makerIndex);

private:
    void addBaseCar(const CarPlan& car, int index, int& pairNumber, Random& random);
    void addExtraCar(const CarPlan& car, Random& random);
    void addFleetCar(const CarPlan& car, Random& random);
    void addLine(const CarPlan& car, int use, int carClass, const LineTemplate& line, const PartEntry& part);
    void addSpecGroups(const CarPlan& car, int carClass, int groups, int rowsEach, bool nullLastGroup, Random& random);
    Row specRow(const CarPlan& car, int carClass, const std::string& modelCode, const FieldValue& code,
                const FieldValue& type, Random& random);
    const PartEntry& basePart(int use, Random& random) const;
    const PartEntry& anyPart(int use, Random& random) const;

    const MakerStyle& m_maker;
    const PartsPool& m_pool;
    int m_scale;
    Rows m_structure;
    Rows m_specs;
    int m_yearForm = 0;
};

const PartEntry& MakerWriter::basePart(int use, Random& random) const {
    const auto& parts = m_pool[use];
    return parts[random.below(static_cast<int>(std::min<size_t>(parts.size(), BasePartsPerUse)))];
}

const PartEntry& MakerWriter::anyPart(int use, Random& random) const {
    const auto& parts = m_pool[use];
    return parts[random.next() % parts.size()];
}

void MakerWriter::addLine(const CarPlan& car, int use, int carClass, const LineTemplate& line, const PartEntry& part) {
    const FieldValue empty = car.emptyTexts ? text("") : Null;
    // An empty name stays empty: padding it would make it a name of blanks.
    const std::string stored = line.name && *line.name && car.padding ? padded(line.name, car.padding) : "";
    const FieldValue name = !line.name ? Null : stored.empty() ? text(line.name) : text(stored);
    const FieldValue rl = line.rl ? text(line.rl) : line.part ? Null : empty;
    m_structure.push_back({text(car.carNo), text(std::to_string(use + 1)), number(carClass), number(line.level), name,
                           rl, line.part ? text(part.partsNo) : empty, line.part ? text(part.bearingNo) : empty,
                           line.part ? part.otherMk : empty});
}

// The year texts of the specification rows, in turn: 4 characters; 10 and 15
// trailing blanks (25 in all, shown in 10); 15 characters; 25 characters with
// text in the last 15; Null; 15 characters and 10 blanks.
FieldValue yearText(int form, Random& random) {
    const int from = 1986 + random.below(16);
    const int to = from + 2 + random.below(5);
    char buffer[64];
    switch (form % 6) {
    case 0:
        std::snprintf(buffer, sizeof buffer, "%04d", from);
        return text(buffer);
    case 1:
        std::snprintf(buffer, sizeof buffer, "%04d.%02d-%02d", from, 1 + random.below(12), to % 100);
        return text(padded(buffer, 25));
    case 2:
        std::snprintf(buffer, sizeof buffer, "%04d.%02d-%04d.%02d", from, 1 + random.below(12), to,
                      1 + random.below(12));
        return text(buffer);
    case 3:
        std::snprintf(buffer, sizeof buffer, "%04d.%02d-%04d.%02d EURO SPEC", from, 1 + random.below(12), to,
                      1 + random.below(12));
        return text(buffer);
    case 4:
        return Null;
    default:
        std::snprintf(buffer, sizeof buffer, "%04d.%02d-%04d.%02d", from, 1 + random.below(12), to,
                      1 + random.below(12));
        return text(padded(buffer, 25));
    }
}

Row MakerWriter::specRow(const CarPlan& car, int carClass, const std::string& modelCode, const FieldValue& code,
                         const FieldValue& type, Random& random) {
    static const std::array<const char*, 4> variants = {"AEMEK", "AEPGK", "BEHSF", "ZEMVK"};
    static const std::array<const char*, 7> displacements = {"660", "1300", "1500", "1600", "1800", "2000", "2400"};
    static const std::array<const char*, 6> missions = {"5MT", "4AT", "CVT", "6MT", "3AT", "5MT 4WD"};
    const FieldValue model = random.oneIn(15) ? Null : text(modelCode + "-" + random.pick(variants));
    const FieldValue displacement = random.oneIn(12) ? Null : text(random.pick(displacements));
    const FieldValue engine = random.oneIn(12) ? text("") : text(random.pick(m_maker.engines));
    const FieldValue mission = random.oneIn(10) ? Null : text(random.pick(missions));
    return {text(car.carNo), number(carClass), code,   type,   yearText(m_yearForm++, random),
            model,           displacement,     engine, mission};
}

// groups groups of rowsEach rows (0: one to three rows each), each group its own
// pair of car code and type. A car code carries a trailing blank on the second
// row of some groups: it still belongs to the group.
void MakerWriter::addSpecGroups(const CarPlan& car, int carClass, int groups, int rowsEach, bool nullLastGroup,
                                Random& random) {
    static const std::array<const char*, 8> types = {"SEDAN", "WAGON",     "COUPE",     "HATCHBACK",
                                                     "VAN",   "4WD SEDAN", "4WD WAGON", "CABRIOLET"};
    for (int group = 0; group < groups; ++group) {
        const std::string code = m_maker.codePrefix + std::to_string(car.codeNumber + group / 2);
        const std::string type = types[(group + carClass) % types.size()];
        const bool nullGroup = nullLastGroup && group == groups - 1;
        const int rows = rowsEach > 0 ? rowsEach : 1 + random.below(3);
        for (int row = 0; row < rows; ++row) {
            const FieldValue codeValue = nullGroup ? Null : text(row == 1 && group % 3 == 1 ? code + " " : code);
            m_specs.push_back(specRow(car, carClass, code, codeValue, nullGroup ? Null : text(type), random));
        }
    }
}

// The base cars show the cases in turn: index 2 has its front suspension lines
// in class 2 only, index 3 no clutch lines; the (car, class) pairs take one to
// eight specification groups in turn; index 1 has a group of Null car code and type.
void MakerWriter::addBaseCar(const CarPlan& car, int index, int& pairNumber, Random& random) {
    const auto& templates = lineTemplates();
    for (int use = 0; use < UseCount; ++use) {
        if (index == 3 && use == 3)
            continue;
        for (int carClass = 1; carClass <= car.classes; ++carClass) {
            if (index == 2 && use == 0 && carClass != 2)
                continue;
            const auto& lines = templates[use];
            addLine(car, use, carClass, lines[0], basePart(use, random));
            bool any = false;
            for (size_t i = 1; i < lines.size(); ++i)
                if (!random.oneIn(3)) {
                    addLine(car, use, carClass, lines[i], basePart(use, random));
                    any = true;
                }
            if (!any)
                addLine(car, use, carClass, lines[1], basePart(use, random));
        }
    }
    for (int carClass = 1; carClass <= car.classes; ++carClass)
        addSpecGroups(car, carClass, pairNumber++ % 8 + 1, 0, index == 1 && carClass == 2, random);
}

void MakerWriter::addExtraCar(const CarPlan& car, Random& random) {
    const auto& templates = lineTemplates();
    for (int use = 0; use < UseCount; ++use) {
        if (use == 3 && random.oneIn(4))
            continue;
        for (int carClass = 1; carClass <= car.classes; ++carClass) {
            const auto& lines = templates[use];
            addLine(car, use, carClass, lines[0], anyPart(use, random));
            for (size_t i = 1; i < lines.size(); ++i)
                if (random.oneIn(2))
                    addLine(car, use, carClass, lines[i], anyPart(use, random));
        }
    }
    for (int carClass = 1; carClass <= car.classes; ++carClass)
        addSpecGroups(car, carClass, 1 + random.below(8), 0, false, random);
}

// The benchmarks' car: 10 x scale lines for each application and class, and
// 2 x scale specification rows per class spread over at most 27 groups.
void MakerWriter::addFleetCar(const CarPlan& car, Random& random) {
    const auto& templates = lineTemplates();
    for (int use = 0; use < UseCount; ++use)
        for (int carClass = 1; carClass <= car.classes; ++carClass) {
            const auto& lines = templates[use];
            for (int i = 0; i < 10 * m_scale; ++i)
                addLine(car, use, carClass, i % 8 == 0 ? lines[0] : lines[1 + i % (lines.size() - 1)],
                        anyPart(use, random));
        }
    const int rows = 2 * m_scale;
    const int groups = std::min(27, rows);
    for (int carClass = 1; carClass <= car.classes; ++carClass)
        addSpecGroups(car, carClass, groups, (rows + groups - 1) / groups, false, random);
}

std::string carNumber(const MakerStyle& maker, int number, int digits) {
    std::string text = std::to_string(number);
    return maker.carPrefix + std::string(digits > static_cast<int>(text.size()) ? digits - text.size() : 0, '0') + text;
}

void MakerWriter::write(const std::filesystem::path& file, size_t makerIndex) {
    static const std::array<int, 6> baseClasses = {1, 2, 3, 1, 2, 3};
    static const std::array<size_t, 6> basePadding = {60, 0, 60, 80, 0, 60};
    static const std::array<const char*, 8> grades = {"GL", "GX", "XL", "SE", "GT", "LX", "EX", "DX"};
    static const std::array<const char*, 5> sizes = {"1.3", "1.5", "1.8", "2.0", "2.4"};

    std::vector<CarPlan> base;
    for (int i = 0; i < 6; ++i)
        base.push_back({carNumber(m_maker, 110 + 10 * i, 4), m_maker.models[i], baseClasses[i], basePadding[i],
                        i % 2 == 1, 10 * (i + 10)});
    // One maker lists a model that has no part lines yet: its search ends at "Data not Found".
    std::vector<CarPlan> noLines;
    if (makerIndex == 1)
        noLines.push_back({carNumber(m_maker, 170, 4), std::string(m_maker.models[0]) + " NEO", 1, 0, false, 170});

    Random random(0xE7A5ull + 131 * makerIndex);
    std::vector<CarPlan> extra;
    for (int i = 0; i < ExtraCarsPerScale * (m_scale - 1); ++i) {
        const std::string name =
            std::string(random.pick(m_maker.models)) + " " + random.pick(sizes) + " " + random.pick(grades);
        const size_t padding = std::array<size_t, 3>{0, 60, 80}[random.below(3)];
        extra.push_back({carNumber(m_maker, 10000 + i, 5), name, 1 + random.below(3), padding, random.oneIn(2),
                         200 + 10 * (i % 70)});
    }
    std::vector<CarPlan> fleet;
    if (m_scale > 1)
        fleet.push_back({m_maker.carPrefix + std::string("99999"), "FLEET (ALL TYPES)", 3, 60, false, 900});

    // Stored order: the base models by name, the later ones by car number.
    Rows makerRows;
    std::vector<const CarPlan*> byName;
    for (const auto& car : base)
        byName.push_back(&car);
    for (const auto& car : noLines)
        byName.push_back(&car);
    std::sort(byName.begin(), byName.end(), [](const CarPlan* a, const CarPlan* b) { return a->name < b->name; });
    for (const CarPlan* car : byName)
        makerRows.push_back({text(m_maker.name), text(car->name), text(car->carNo)});
    for (const auto* cars : {&extra, &fleet})
        for (const auto& car : *cars)
            makerRows.push_back({text(m_maker.name), text(car.name), text(car.carNo)});

    Random baseRandom(0xBA5Eull + 31 * makerIndex);
    int pairNumber = 0;
    for (int i = 0; i < 6; ++i)
        addBaseCar(base[i], i, pairNumber, baseRandom);
    for (const auto& car : extra)
        addExtraCar(car, random);
    for (const auto& car : fleet)
        addFleetCar(car, random);

    const auto& tables = catalog::catalogTables();
    CatalogFileWriter writer;
    for (const auto& [table, rows] :
         {std::pair{&tables[1], &makerRows}, std::pair{&tables[2], &m_structure}, std::pair{&tables[3], &m_specs}}) {
        catalog::SqliteStatement insert = writer.addTable(*table);
        for (const Row& row : *rows)
            CatalogFileWriter::insert(insert, row);
    }
    writer.writeTo(file);
}

void writePartsFile(const std::filesystem::path& file, const std::vector<PartsPool>& pools) {
    CatalogFileWriter writer;
    {
        catalog::SqliteStatement insert = writer.addTable(catalog::catalogTables()[0]);
        for (const PartsPool& pool : pools)
            for (const auto& parts : pool)
                for (const PartEntry& part : parts)
                    CatalogFileWriter::insert(insert, {text(part.partsNo), text(part.bearingNo), part.otherMk});
        // Late additions at the end: Null and empty parts and bearing numbers,
        // a parts number stored with trailing blanks.
        const std::vector<Row> additions = {
            {text("90363-12001   "), text("6204-2RS"), text("*")},
            {Null, text("6205ZZ"), text("")},
            {text(""), text("6203-2RS"), Null},
            {text("90369-00001"), Null, Null},
            {text("90369-00002"), text(""), text("*")},
        };
        for (const Row& row : additions)
            CatalogFileWriter::insert(insert, row);
    }
    writer.writeTo(file);
}

} // namespace

SampleCatalogue::SampleCatalogue(int scale) : m_scale(scale) {
    if (scale < 1)
        throw std::runtime_error("the scale must be 1 or more");
}

std::vector<std::string> SampleCatalogue::fileNames() {
    std::vector<std::string> names = {PartsFileName};
    for (const MakerStyle& maker : makers())
        names.push_back(makerFileName(maker.name));
    names.push_back(DocumentFileName);
    return names;
}

void SampleCatalogue::write(const std::filesystem::path& dir) const {
    const std::vector<std::string> names = fileNames();
    std::vector<PendingFile> files;
    for (const std::string& name : names)
        files.emplace_back(dir / name);

    std::vector<PartsPool> pools;
    const long extraParts = PartsPerScale * (m_scale - 1);
    for (size_t i = 0; i < makers().size(); ++i) {
        // Spreads the further parts numbers over the makers so that they add up exactly.
        const long count = UseCount * BasePartsPerUse + (extraParts + static_cast<long>(i)) / 9;
        pools.push_back(makePartsPool(makers()[i], i, count));
    }
    writePartsFile(files[0].temporary(), pools);
    for (size_t i = 0; i < makers().size(); ++i)
        MakerWriter(makers()[i], pools[i], m_scale).write(files[i + 1].temporary(), i);
    SampleDocument::write(files.back().temporary());

    for (PendingFile& file : files)
        file.commit();
}

} // namespace tools
