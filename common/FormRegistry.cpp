#include "common/FormRegistry.h"

namespace tavrik {

Form* FormRegistry::Find(const std::string& name) const {
    auto found = loaded_.find(name);
    return found == loaded_.end() ? nullptr : found->second.get();
}

bool FormRegistry::IsVisible(const std::string& name) const {
    const Form* form = Find(name);
    return form != nullptr && form->Visible();
}

Form& FormRegistry::Adopt(const std::string& name, std::unique_ptr<Form> form) {
    Form& adopted = *form;
    loaded_[name] = std::move(form);
    adopted.Form_Load();
    return adopted;
}

void FormRegistry::Unload(const std::string& name) {
    auto found = loaded_.find(name);
    if (found == loaded_.end())
        return;
    // Released after its unload step has run, and out of the map first, so that the step may
    // look the registry up without finding a half-gone form.
    std::unique_ptr<Form> form = std::move(found->second);
    loaded_.erase(found);
    form->Hide();
    form->Form_Unload();
}

} // namespace tavrik
