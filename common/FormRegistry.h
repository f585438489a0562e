// The loaded forms of one session, by name: each form's single global instance, loaded on first
// use and released when unloaded.
#pragma once

#include "common/Form.h"

#include <map>
#include <memory>
#include <string>

namespace tavrik {

class Session;

class FormRegistry {
public:
    explicit FormRegistry(Session& session) : session_(session) {}

    // The loaded instance, or nullptr.
    Form* Find(const std::string& name) const;
    bool IsLoaded(const std::string& name) const { return Find(name) != nullptr; }
    bool IsVisible(const std::string& name) const;
    // The loaded instance when it is an F, or nullptr.
    template <class F> F* FindAs(const std::string& name) const { return dynamic_cast<F*>(Find(name)); }

    // The loaded instance of F under that name; built and its Form_Load run on first use.
    template <class F> F& Load(const std::string& name) {
        if (Form* loaded = Find(name))
            return dynamic_cast<F&>(*loaded);
        return dynamic_cast<F&>(Adopt(name, std::make_unique<F>(session_)));
    }
    // Runs the form's Form_Unload and releases it; nothing happens when it is not loaded.
    void Unload(const std::string& name);

private:
    Form& Adopt(const std::string& name, std::unique_ptr<Form> form);

    Session& session_;
    std::map<std::string, std::unique_ptr<Form>> loaded_;
};

} // namespace tavrik
