// The loaded forms of one session, by name: each form's single global instance, loaded on first
// use and released when unloaded. Forms from other folders are reached through factories that the
// container registers, so a form is never built into a folder that does not own it.
#pragma once

#include "common/Form.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace tavrik {

class Session;

class FormRegistry {
public:
    using Factory = std::function<std::unique_ptr<Form>(Session&)>;

    explicit FormRegistry(Session& session) : session_(session) {}

    void RegisterFactory(const std::string& name, Factory factory) { factories_[name] = std::move(factory); }
    bool HasFactory(const std::string& name) const { return factories_.count(name) != 0; }

    // The loaded instance, or nullptr.
    Form* Find(const std::string& name) const;
    bool IsLoaded(const std::string& name) const { return Find(name) != nullptr; }
    bool IsVisible(const std::string& name) const;

    // Loads the form through its registered factory (once) and runs its Form_Load. Throws
    // std::runtime_error when no factory is registered under that name.
    Form& Load(const std::string& name);
    // Loads a form of the caller's own folder, built directly when no factory overrides it.
    template <class F> F& LoadOwn(const std::string& name) {
        if (Form* loaded = Find(name))
            return dynamic_cast<F&>(*loaded);
        if (HasFactory(name))
            return dynamic_cast<F&>(Load(name));
        return dynamic_cast<F&>(Adopt(name, std::make_unique<F>(session_)));
    }
    // Runs the form's Form_Unload and releases it; nothing happens when it is not loaded.
    void Unload(const std::string& name);

private:
    Form& Adopt(const std::string& name, std::unique_ptr<Form> form);

    Session& session_;
    std::map<std::string, Factory> factories_;
    std::map<std::string, std::unique_ptr<Form>> loaded_;
};

} // namespace tavrik
