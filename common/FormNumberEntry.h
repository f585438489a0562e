// One new form number the common library already holds for a form, as RequestFormNumber lists it.
#pragma once

#include <cstdint>

namespace tavrik {

class FormNumberEntry {
public:
    explicit FormNumberEntry(std::int64_t number) : number_(number) {}

    std::int64_t GetFormNumber() const { return number_; }

private:
    std::int64_t number_;
};

} // namespace tavrik
