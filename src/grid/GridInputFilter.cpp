#include "grid/GridInputFilter.h"

namespace grid {

namespace {

constexpr qint16 BackspaceKey = 8;
constexpr qint16 FullStopKey = 46;

} // namespace

CaseForcing CaseForcingOf(const QString& InputFilter)
{
    if (InputFilter == QLatin1String("<"))
        return CaseForcing::Lower;
    if (InputFilter == QLatin1String(">"))
        return CaseForcing::Upper;
    return CaseForcing::None;
}

qint16 FilterEditKey(const QString& InputFilter, qint16 KeyAscii)
{
    if (InputFilter.isEmpty() || CaseForcingOf(InputFilter) != CaseForcing::None)
        return KeyAscii;
    if (KeyAscii == BackspaceKey || KeyAscii == FullStopKey)
        return KeyAscii;
    return InputFilter.contains(QChar(char16_t(KeyAscii)), Qt::CaseSensitive) ? KeyAscii : qint16(0);
}

QValidator::State CaseForcingValidator::validate(QString& Input, int&) const
{
    if (m_forcing == CaseForcing::Upper)
        Input = Input.toUpper();
    else if (m_forcing == CaseForcing::Lower)
        Input = Input.toLower();
    return Acceptable;
}

} // namespace grid
