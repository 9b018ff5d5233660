#include "platform/runtime/RuntimeError.h"

namespace runtime {
namespace {

const char* describe(ErrorNumber number)
{
    switch (number) {
    case ErrorNumber::InvalidProcedureCall: return "Invalid procedure call or argument";
    case ErrorNumber::Overflow: return "Overflow";
    case ErrorNumber::TypeMismatch: return "Type mismatch";
    case ErrorNumber::InvalidUseOfNull: return "Invalid use of Null";
    }
    return "Application-defined or object-defined error";
}

} // namespace

RuntimeError::RuntimeError(ErrorNumber number)
    : std::runtime_error(describe(number)), number_(number)
{
}

} // namespace runtime
