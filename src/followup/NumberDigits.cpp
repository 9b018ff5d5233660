#include "followup/NumberDigits.h"

namespace followup {

QString numberDigits(const QString& text)
{
    QString digits;
    for (const QChar c : text) {
        if (c == u' ')
            continue;
        if (c < u'0' || c > u'9')
            break;
        if (!digits.isEmpty() || c != u'0')
            digits += c;
    }
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

} // namespace followup
