// The views of the modal forms, by form name: the platform asks here for the dialog that draws a
// form it is told to show.
#pragma once

#include "common/Form.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace tavrik {

class FormViews {
public:
    using Factory = std::function<std::unique_ptr<QDialog>(Form& form, QWidget* parent)>;

    void Register(const std::string& formName, Factory factory) { factories_[formName] = std::move(factory); }
    // Throws std::runtime_error when no view draws that form.
    std::unique_ptr<QDialog> Create(Form& form, QWidget* parent) const {
        auto found = factories_.find(form.Name());
        if (found == factories_.end())
            throw std::runtime_error("There is no window for the form " + form.Name() + ".");
        return found->second(form, parent);
    }

private:
    std::map<std::string, Factory> factories_;
};

} // namespace tavrik
