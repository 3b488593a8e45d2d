#include "forms/Forms.h"

#include "forms/FormError.h"
#include "forms/RuntimeState.h"

namespace forms {

int Forms::Count() {
    return static_cast<int>(RuntimeState::instance().loaded.size());
}

Form& Forms::Item(int index) {
    const auto& loaded = RuntimeState::instance().loaded;
    if (index < 0 || index >= static_cast<int>(loaded.size()))
        throw FormError("Forms has no item " + std::to_string(index) + " (" + std::to_string(loaded.size()) +
                        " forms are loaded)");
    return *loaded[static_cast<std::size_t>(index)];
}

void Forms::registerForm(const QString& name, Factory factory) {
    RuntimeState::instance().factories[name] = std::move(factory);
}

Form& Forms::Default(const QString& name) {
    auto& runtime = RuntimeState::instance();
    if (auto found = runtime.defaults.find(name); found != runtime.defaults.end())
        return *found->second;
    const auto factory = runtime.factories.find(name);
    if (factory == runtime.factories.end() || !factory->second)
        throw FormError("no form is registered as " + name.toStdString());
    std::unique_ptr<Form> form = factory->second();
    if (!form)
        throw FormError("the factory of form " + name.toStdString() + " made no form");
    Form& made = *form;
    runtime.defaults.emplace(name, std::move(form));
    return made;
}

void Forms::adoptInstance(std::unique_ptr<Form> form) {
    RuntimeState::instance().pages.push_back(RuntimeState::Page{std::move(form), false});
}

} // namespace forms
