// The failure rule of the catalogue lookups: an operation (a search) is a
// sequence of steps, and a step that fails does not stop it.
//
// A FailureReport is armed for one operation of one form. It starts in the
// database stage ("DataBase not Open"); once the database has opened without
// any failure it moves to the table stage ("Table not Open"). A step that
// raises catalog::CatalogError or forms::FormError shows the stage's message,
// sets the form's mouse pointer back to the default and is noted; the failed
// step has no effect and the operation goes on with its next step. A test that
// fails counts as satisfied, so the steps it guards run.
//
//     FailureReport report(*this);
//     report.run([&] { PartsDb = catalog::DBEngine::Workspaces(0).OpenDatabase(path); });
//     report.databaseOpened();
//     if (report.test([&] { return PartsRs.RecordCount() < 1; })) { ...not found... }
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

namespace partsno {

class FailureReport {
public:
    enum class Stage { Database, Table };

    // Arms the database report for an operation of form, whose mouse pointer a
    // failure resets. The form must outlive the report.
    explicit FailureReport(forms::Form& form) : m_form(form) {}

    // Arms the table report in place of the database report when no step has
    // failed so far; after an earlier failure the database report stays armed
    // until the operation ends.
    void databaseOpened();

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
    // Whether any step of this operation has failed.
    bool failed() const { return m_failed; }
    // The message of the armed stage.
    QString message() const;

private:
    void report();

    forms::Form& m_form;
    Stage m_stage = Stage::Database;
    bool m_failed = false;
};

} // namespace partsno
