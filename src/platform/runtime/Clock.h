#pragma once

#include <QDate>
#include <QDateTime>

namespace runtime {

// The workstation clock behind Now and Date; tests pin it with setFixed.
class Clock {
public:
    // Local date and time to the whole second (Now has one-second resolution).
    static QDateTime now();
    // Local date (Date).
    static QDate today();
    // Makes now()/today() answer this moment until reset().
    static void setFixed(const QDateTime& moment);
    static void reset();
};

} // namespace runtime
