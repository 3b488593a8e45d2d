// How a database operation of a form reports its failures: the operation is a
// sequence of steps, and a step that fails does not stop it.
//
// A StageReport is armed for one operation (a search, listing a maker's models,
// the Information command). It starts in the database stage ("DataBase not
// Open"); once the database has opened without any failure it moves to the
// table stage ("Table not Open"). A step that raises catalog::CatalogError or
// forms::FormError shows the stage's message in the program's message box, sets
// the form's mouse pointer back to the default and is noted; the failed step has
// no effect (whatever it would have set keeps its value) and the operation goes
// on with its next step. A test that fails counts as satisfied, so the steps it
// guards run.
//
//     forms::StageReport report(this);
//     if (report.run([&] { MakerDb = catalog::DBEngine::Workspaces(0).OpenDatabase(path); }))
//         report.databaseOpened();
//     if (report.test([&] { return MakerRs.RecordCount() < 1; })) { ...not found... }
//
// Error policy: only the errors of the catalogue and forms layers are caught
// and shown; anything else (a fault of the program itself) goes on to the
// runtime's dispatcher. CatalogError is header-only, so forms/ gains no link
// dependency on catalog/.
#pragma once

#include "catalog/CatalogError.h"
#include "forms/FormError.h"

#include <QString>

#include <optional>
#include <type_traits>
#include <utility>

namespace forms {

class Form;

class StageReport {
public:
    enum class Stage { Database, Table };

    // Arms the database stage for an operation of form, whose mouse pointer a
    // failure resets; form may be nullptr (no pointer to reset). The form must
    // outlive the report.
    explicit StageReport(Form* form) : m_form(form) {}

    // Called after the open of the database: moves to the table stage when no
    // step has failed so far, the open included; after any failure the database
    // stage stays in force until the operation ends.
    void databaseOpened();

    // Runs one step. True when it completed; false when it failed, after the
    // stage's message has been shown.
    template <class Step> bool run(Step&& step) {
        try {
            std::forward<Step>(step)();
            return true;
        } catch (const catalog::CatalogError&) {
            report();
        } catch (const FormError&) {
            report();
        }
        return false;
    }

    // The value a step computes, or std::nullopt when the step failed (its
    // message shown).
    template <class Step> auto value(Step&& step) -> std::optional<std::invoke_result_t<Step&>> {
        std::optional<std::invoke_result_t<Step&>> result;
        run([&] { result.emplace(step()); });
        return result;
    }

    // Evaluates a condition as a step: its result, or true when evaluating it
    // failed, because a failed test counts as satisfied.
    template <class Condition> bool test(Condition&& condition) {
        bool result = true;
        run([&] { result = std::forward<Condition>(condition)(); });
        return result;
    }

    Stage stage() const { return m_stage; }
    // Whether any step of this operation has failed.
    bool failed() const { return m_failed; }
    // The message of the stage in force.
    QString message() const;

private:
    void report();

    Form* m_form;
    Stage m_stage = Stage::Database;
    bool m_failed = false;
};

} // namespace forms
