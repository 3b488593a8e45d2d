// The loaded forms in load order, and the program's form instances.
#pragma once

#include "forms/Form.h"

#include <functional>
#include <memory>

namespace forms {

class Forms {
public:
    // Number of loaded forms.
    static int Count();
    // Loaded form i, from 0 in load order; throws FormError out of range.
    static Form& Item(int index);

    using Factory = std::function<std::unique_ptr<Form>()>;
    // Makes a form addressable by its design name; the program registers each
    // form once before it starts.
    static void registerForm(const QString& name, Factory factory);
    // The default instance of the form of that name, created (not loaded) on
    // first use; it lives until the program's run ends. Throws FormError for an
    // unregistered name.
    static Form& Default(const QString& name);
    template <class F> static F& Default(const QString& name) { return dynamic_cast<F&>(Default(name)); }

    // A further instance (a page), owned by the runtime and destroyed once it
    // has been unloaded and no handler runs any more.
    template <class F> static F& New() {
        auto owned = std::make_unique<F>();
        F& form = *owned;
        adoptInstance(std::move(owned));
        return form;
    }

private:
    static void adoptInstance(std::unique_ptr<Form> form);
};

} // namespace forms
