// The list items of one PartsStructure row on a parts list page: the part name,
// then its L/R marker, parts number, bearing number and other-make mark in
// fixed columns.
#pragma once

#include "catalog/FieldValue.h"

#include <QStringList>

#include <optional>

namespace carlookup {

// The fields of one row that make its items. std::nullopt stands for a field
// whose read failed (its message already shown): every test on it counts as
// satisfied, so such a row takes the branch of a level-1 line, of a non-empty
// field, of the 100-character name field and of the two-item form.
struct PartRow {
    std::optional<catalog::FieldValue> DispLevel;
    std::optional<catalog::FieldValue> PartsName;
    std::optional<catalog::FieldValue> RL;
    std::optional<catalog::FieldValue> PartsNo;
    std::optional<catalog::FieldValue> BearingNo;
    std::optional<catalog::FieldValue> OtherMk;
};

// One item when the name fits in 40 characters (name field, L/R, parts number
// field, bearing number field, other-make mark, joined by blanks); otherwise
// two: the name alone in 100 characters, then the data behind 41 blanks. With
// a one-character L/R the data columns start at 42, 44, 60 and 81 either way.
QStringList partLineItems(const PartRow& row);

} // namespace carlookup
