#include "forms/StageReport.h"

#include "forms/Form.h"
#include "forms/MsgBox.h"

namespace forms {

void StageReport::databaseOpened() {
    if (!m_failed)
        m_stage = Stage::Table;
}

QString StageReport::message() const {
    return m_stage == Stage::Database ? QStringLiteral("DataBase not Open") : QStringLiteral("Table not Open");
}

void StageReport::report() {
    MsgBox(message());
    if (m_form)
        m_form->setMousePointer(0);
    m_failed = true;
}

} // namespace forms
