#include "carinfo/FailureReport.h"

#include "forms/Form.h"
#include "forms/MsgBox.h"

namespace carinfo {

QString FailureReport::message() const {
    return m_stage == Stage::Database ? QStringLiteral("DataBase not Open") : QStringLiteral("Table not Open");
}

void FailureReport::report() {
    forms::MsgBox(message());
    if (m_form)
        m_form->setMousePointer(0);
    m_failed = true;
}

} // namespace carinfo
