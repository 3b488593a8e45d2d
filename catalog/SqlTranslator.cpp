#include "catalog/SqlTranslator.h"

#include "catalog/CatalogError.h"
#include "catalog/JetPattern.h"
#include "catalog/NumberText.h"

namespace catalog {
namespace {

using Affinity = ColumnSchema::Affinity;

class Translator {
public:
    Translator(const TableSchema& table, const std::string& file) : m_table(table), m_file(file) {}

    SqlQuery translate(const SelectQuery& query) {
        std::vector<const ColumnSchema*> selected;
        for (const std::string& name : query.fields)
            selected.push_back(&column(name));
        std::string fields;
        if (selected.empty()) {
            fields = "*";
        } else {
            for (const ColumnSchema* c : selected)
                fields += (fields.empty() ? "" : ", ") + quoteIdentifier(c->name);
        }
        std::string where;
        for (const Condition& condition : query.conditions)
            where += (where.empty() ? " WHERE " : " AND ") + translate(condition);

        const std::string from = " FROM " + quoteIdentifier(m_table.name) + where;
        std::string order;
        if (query.orderBy) {
            const ColumnSchema& key = column(*query.orderBy);
            order = " ORDER BY " + quoteIdentifier(key.name);
            if (key.affinity == Affinity::Text)
                order += " COLLATE NOCASE";
            if (query.descending)
                order += " DESC";
            // Rows with equal keys keep their stored order.
            if (m_table.hasRowid && !query.distinct)
                order += ", rowid";
        } else if (query.distinct) {
            if (selected.empty())
                for (const ColumnSchema& c : m_table.columns)
                    selected.push_back(&c);
            for (const ColumnSchema* c : selected)
                order += (order.empty() ? " ORDER BY " : ", ") + ascendingKey(*c);
        } else if (m_table.hasRowid && query.conditions.empty()) {
            // A scan of the whole table yields rowid order without sorting.
            order = " ORDER BY rowid";
        }

        SqlQuery result;
        result.leadingRowid = m_table.hasRowid && !query.orderBy && !query.distinct && !query.conditions.empty();
        const std::string head = query.distinct        ? "SELECT DISTINCT "
                                 : result.leadingRowid ? "SELECT rowid, "
                                                       : "SELECT ";
        result.select = head + fields + from + order;
        if (query.conditions.empty() && !query.distinct)
            result.count = "SELECT count(*)" + from;
        result.parameters = std::move(m_parameters);
        return result;
    }

private:
    const ColumnSchema& column(const std::string& name) const {
        if (const ColumnSchema* found = m_table.column(name))
            return *found;
        throw CatalogError("Field \"" + name + "\" not found in table " + m_table.name + " of " + m_file);
    }

    std::string parameter(FieldValue value) {
        m_parameters.push_back(std::move(value));
        return "?" + std::to_string(m_parameters.size());
    }

    // Ascending for DISTINCT: Null first, then numbers (and texts that spell
    // one) by value, then the other texts without regard to case.
    static std::string ascendingKey(const ColumnSchema& c) {
        const std::string name = quoteIdentifier(c.name);
        if (c.affinity == Affinity::Numeric)
            return name;
        const std::string number = "vexorin_number(" + name + ")";
        return name + " IS NOT NULL, " + number + " IS NULL, " + number + ", " + name + " COLLATE NOCASE";
    }

    std::string translate(const Condition& condition) {
        const ColumnSchema& c = column(condition.field);
        const std::string name = quoteIdentifier(c.name);
        const FieldValue& constant = condition.constant;
        if (condition.kind == Condition::Kind::Like)
            return like(c, constant.toText());
        if (constant.isText()) {
            const auto number = numberFromText(constant.toText());
            switch (c.affinity) {
            case Affinity::Text:
                return name + " = " + parameter(constant) + " COLLATE NOCASE";
            case Affinity::Numeric:
                // A number field holds its digits as a number: compare by value.
                if (number)
                    return name + " = " + parameter(*number);
                return name + " = " + parameter(constant) + " COLLATE NOCASE";
            case Affinity::None:
                if (number)
                    return "(" + name + " = " + parameter(constant) + " COLLATE NOCASE OR vexorin_number(" + name +
                           ") = " + parameter(*number) + ")";
                return name + " = " + parameter(constant) + " COLLATE NOCASE";
            }
        }
        if (c.affinity == Affinity::Numeric)
            return name + " = " + parameter(constant);
        // A text field that spells the number matches it by value.
        return "vexorin_number(" + name + ") = " + parameter(constant);
    }

    // A literal prefix becomes a range on the field under NOCASE, so that an
    // index of the field (COLLATE NOCASE) serves it; the exact Jet pattern
    // check runs only where the range alone does not decide.
    std::string like(const ColumnSchema& c, const std::string& patternText) {
        const std::string name = quoteIdentifier(c.name);
        const JetPattern pattern(patternText);
        const std::string& prefix = pattern.literalPrefix();
        const auto check = [&] { return "vexorin_like(" + parameter(FieldValue::text(patternText)) + ", " + name + ")"; };
        if (c.affinity != Affinity::Text || prefix.empty())
            return check();
        std::string low = prefix;
        for (char& ch : low)
            if (ch >= 'A' && ch <= 'Z')
                ch = static_cast<char>(ch - 'A' + 'a');
        std::string high = low;
        while (!high.empty() && static_cast<unsigned char>(high.back()) == 0xFF)
            high.pop_back();
        std::string range = name + " >= " + parameter(FieldValue::text(low)) + " COLLATE NOCASE";
        bool exact = true;
        if (!high.empty()) {
            high.back() = static_cast<char>(high.back() + 1);
            // NOCASE folds an upper bound that became a capital letter ("@" + 1
            // is "A"), which widens the range: then the check must decide.
            exact = !(high.back() >= 'A' && high.back() <= 'Z');
            range += " AND " + name + " < " + parameter(FieldValue::text(high)) + " COLLATE NOCASE";
        } else {
            exact = false;
        }
        const bool prefixOnly = patternText.size() == prefix.size() + 1 && patternText.back() == '*' &&
                                patternText.compare(0, prefix.size(), prefix) == 0;
        if (prefixOnly && exact)
            return range;
        return range + " AND " + check();
    }

    const TableSchema& m_table;
    const std::string& m_file;
    std::vector<FieldValue> m_parameters;
};

} // namespace

std::string quoteIdentifier(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

SqlQuery translateQuery(const SelectQuery& query, const TableSchema& table, const std::string& file) {
    return Translator(table, file).translate(query);
}

} // namespace catalog
