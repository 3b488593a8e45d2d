// The error of the forms layer: a control or form used when it does not exist.
//
// Error policy of forms/: misuse by program code (a control of an unloaded
// form, a wrong name or kind, an item index out of range) throws FormError;
// handlers treat it like any other failure of a step. Nothing else throws.
#pragma once

#include <stdexcept>
#include <string>

namespace forms {

class FormError : public std::runtime_error {
public:
    explicit FormError(const std::string& description) : std::runtime_error(description) {}
};

} // namespace forms
