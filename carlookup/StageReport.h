// The failure rule of the car lookup's catalogue operations (listing a maker's
// models, the parts search): an operation is a sequence of steps, and a step
// that fails does not stop it.
//
// A StageReport is armed for one operation of Ptn2. It starts in the database
// stage ("DataBase not Open"); once the maker database has opened without any
// failure it moves to the table stage ("Table not Open"). A step that raises
// catalog::CatalogError or forms::FormError shows the stage's message, sets the
// form's mouse pointer back to the default and is noted; the failed step has no
// effect (whatever it would have set keeps its value) and the operation goes on
// with its next step. A test that fails counts as satisfied.
//
//     StageReport report(*this);
//     if (report.run([&] { MakerDb = catalog::DBEngine::Workspaces(0).OpenDatabase(path); }))
//         report.databaseOpened();
//     if (report.test([&] { return MakerRs.RecordCount() < 1; })) { ...not found... }
//
// Error policy: only the two errors of the layers below are caught and shown;
// anything else (a fault of the program itself) goes on to the runtime.
#pragma once

#include "catalog/CatalogError.h"
#include "forms/FormError.h"

#include <QString>

#include <optional>
#include <type_traits>
#include <utility>

namespace forms {
class Form;
}

namespace carlookup {

class StageReport {
public:
    enum class Stage { Database, Table };

    // Arms the database stage for an operation of form, whose mouse pointer a
    // failure resets. The form must outlive the report.
    explicit StageReport(forms::Form& form) : m_form(form) {}

    // Moves to the table stage when no step has failed so far; after an earlier
    // failure the database stage stays in force until the operation ends.
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
        return value(std::forward<Condition>(condition)).value_or(true);
    }

    Stage stage() const { return m_stage; }
    // Whether any step of this operation has failed.
    bool failed() const { return m_failed; }
    // The message of the stage in force.
    QString message() const;

private:
    void report();

    forms::Form& m_form;
    Stage m_stage = Stage::Database;
    bool m_failed = false;
};

} // namespace carlookup
