#pragma once

#include <QDateTime>
#include <optional>

namespace db {

// The database server's clock, which getdate() reads. Tests fix it independently of the
// workstation's clock; by default it is the machine's time.
class ServerClock {
public:
    static QDateTime now();
    static void setFixed(const QDateTime& now);
    static void reset();

private:
    static std::optional<QDateTime>& fixed();
};

} // namespace db
