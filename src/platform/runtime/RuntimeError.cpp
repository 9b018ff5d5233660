#include "platform/runtime/RuntimeError.h"

namespace runtime {
namespace {

const char* describe(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::InvalidProcedureCall: return "Invalid procedure call or argument";
    case ErrorNumber::Overflow: return "Overflow";
    case ErrorNumber::SubscriptOutOfRange: return "Subscript out of range";
    case ErrorNumber::TypeMismatch: return "Type mismatch";
    case ErrorNumber::ObjectVariableNotSet: return "Object variable or With block variable not set";
    case ErrorNumber::InvalidUseOfNull: return "Invalid use of Null";
    case ErrorNumber::PrinterError:
        return "Problem getting printer information from the system. Make sure the printer is set up correctly.";
    }
    return "Application-defined or object-defined error";
}

} // namespace

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error(describe(number)), number_(number)
{
}

RuntimeError::RuntimeError(ErrorNumber number, const std::string& description)
    : std::runtime_error(description), number_(number)
{
}

} // namespace runtime
