#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

// The trappable errors the runtime helpers raise, numbered as the original runtime numbered them.
enum class ErrorNumber {
    InvalidProcedureCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    ObjectVariableNotSet = 91,
    InvalidUseOfNull = 94,
    PrinterError = 484,
};

// Thrown where the original runtime raised a trappable error; what() carries its standard description.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorNumber number);
    // The error with a description of its own in place of the standard one.
    RuntimeError(ErrorNumber number, const std::string& description);
    ErrorNumber number() const { return number_; }

private:
    ErrorNumber number_;
};

} // namespace runtime
