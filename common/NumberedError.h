// An error that carries its number as well as its text, for the error reporter to show both.
#pragma once

#include <stdexcept>
#include <string>

namespace tavrik {

class NumberedError : public std::runtime_error {
public:
    NumberedError(int number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    int Number() const { return number_; }

private:
    int number_;
};

} // namespace tavrik
