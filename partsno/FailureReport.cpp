#include "partsno/FailureReport.h"

#include "forms/Form.h"
#include "forms/MsgBox.h"

namespace partsno {

void FailureReport::databaseOpened() {
    if (!m_failed)
        m_stage = Stage::Table;
}

QString FailureReport::message() const {
    return m_stage == Stage::Database ? QStringLiteral("DataBase not Open") : QStringLiteral("Table not Open");
}

void FailureReport::report() {
    forms::MsgBox(message());
    m_form.setMousePointer(0);
    m_failed = true;
}

} // namespace partsno
