// The failure rule of the Information command: the command is a sequence of
// steps, and a step that fails does not stop it.
//
// A FailureReport starts in the database stage ("DataBase not Open"); once the
// maker database has opened it is in the table stage ("Table not Open"). A step
// that raises catalog::CatalogError or forms::FormError shows the stage's
// message, sets the mouse pointer of the parts list page back to the default
// and is noted; the failed step has no effect (what it would have set keeps its
// value) and the command goes on with its next step. A test that fails counts
// as satisfied, so each test is written so that its true branch is the one a
// failure must take.
//
//     FailureReport report(page);
//     if (report.run([&] { Module1::InfoDb = catalog::DBEngine::Workspaces(0).OpenDatabase(path); }))
//         report.databaseOpened();
//     if (report.test([&] { return Module1::InfoRs.RecordCount() < 1; })) { ...no data... }
//
// Error policy: only the two errors of the layers below are caught and shown;
// anything else (a fault of the program itself) goes on to the runtime.
#pragma once

#include "catalog/CatalogError.h"
#include "forms/FormError.h"

#include <QString>

#include <utility>

namespace forms {
class Form;
}

namespace carinfo {

class FailureReport {
public:
    enum class Stage { Database, Table };

    // form: the form whose mouse pointer a failure resets; may be nullptr (no
    // pointer to reset). It must outlive the report.
    explicit FailureReport(forms::Form* form) : m_form(form) {}

    // The maker database has opened: later failures are reported as "Table not Open".
    void databaseOpened() { m_stage = Stage::Table; }

    // Runs one step. True when it completed; false when it failed, after the
    // stage's message has been shown.
    template <class Step> bool run(Step&& step) {
        try {
            std::forward<Step>(step)();
            return true;
        } catch (const catalog::CatalogError&) {
            report();
        } catch (const forms::FormError&) {
            report();
        }
        return false;
    }

    // Evaluates a condition as a step. Its result, or true when evaluating it
    // failed: a failed test counts as satisfied.
    template <class Condition> bool test(Condition&& condition) {
        bool result = true;
        run([&] { result = std::forward<Condition>(condition)(); });
        return result;
    }

    Stage stage() const { return m_stage; }
    // Whether any step has failed so far.
    bool failed() const { return m_failed; }
    // The message of the current stage.
    QString message() const;

private:
    void report();

    forms::Form* m_form;
    Stage m_stage = Stage::Database;
    bool m_failed = false;
};

} // namespace carinfo
