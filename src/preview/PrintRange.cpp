#include "preview/PrintRange.h"

#include <QRegularExpression>

namespace preview {

int leadingNumber(const QString& text)
{
    static const QRegularExpression leading(QStringLiteral(R"(^\s*([+-]?\d+))"));
    const QRegularExpressionMatch match = leading.match(text);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString limitedFrom(const QString& from, const QString& to)
{
    QString text = leadingNumber(from) < 1 ? QStringLiteral("1") : from;
    if (leadingNumber(to) < leadingNumber(text))
        text = to;
    return text;
}

QString limitedTo(const QString& to, const QString& from, int pageCount)
{
    QString text = leadingNumber(to) > pageCount ? QString::number(pageCount) : to;
    if (leadingNumber(from) > leadingNumber(text))
        text = from;
    return text;
}

std::optional<QString> steppedNumber(const QString& text, int keyCode)
{
    constexpr int kUp = 38;
    constexpr int kDown = 40;
    if (keyCode != kUp && keyCode != kDown)
        return std::nullopt;
    return QString::number(leadingNumber(text) + (keyCode == kUp ? 1 : -1));
}

bool ValidateNumericKey(const QString& text, int& keyAscii, bool decimals, bool negatives)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*-?(\d+\.?\d*|\.\d+)\s*$)"));
    if (keyAscii == 8 || keyAscii <= 0)
        return number.match(text).hasMatch();
    if ((keyAscii == '-' && !negatives) || (keyAscii == '.' && !decimals))
        keyAscii = 0;
    if (keyAscii != 0 && number.match(text + QChar(keyAscii)).hasMatch())
        return true;
    keyAscii = 0;
    return false;
}

QString printingText(int page, const QString& rangeEnd)
{
    QString text = QStringLiteral("Printing page ") + QString::number(page);
    if (!rangeEnd.isEmpty())
        text += QStringLiteral(" of ") + rangeEnd;
    return text;
}

} // namespace preview
