// The screen object: the active form.
#pragma once

namespace forms {

class Form;

class Screen {
public:
    // The form whose button or key started the running handler; outside a
    // handler, the form of the active window. nullptr when there is none.
    static Form* ActiveForm();
};

} // namespace forms
