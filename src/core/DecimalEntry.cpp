#include "core/DecimalEntry.h"

#include "platform/runtime/Strings.h"
#include "platform/ui/ControlEvents.h"

#include <QLineEdit>

namespace core {

namespace {

constexpr int kPoint = '.';

// Boxes of 2 decimals show two places; every other box shows three.
int places(int decimals) { return decimals == 2 ? 2 : 3; }

QString zeroValue(int decimals) { return QStringLiteral("0.") + QString(places(decimals), QLatin1Char('0')); }

} // namespace

int decimalKeyFilter(const QString& text, int selStart, int selLength, int keyAscii, int decimals)
{
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != kPoint && keyAscii != ui::vbKeyBack)
        return 0;
    if (keyAscii == ui::vbKeyBack)
        return keyAscii;
    const qsizetype point = runtime::InStr(text, QStringLiteral("."));
    // Once the decimals are full, no digit or point goes in anywhere until some text is selected.
    if (point != 0 && selLength == 0 && text.size() - point >= decimals)
        return 0;
    // One point at most: a point is refused while the text outside the selection holds one.
    if (keyAscii == kPoint) {
        const QString kept = text.left(selStart) + text.mid(selStart + selLength);
        if (kept.contains(QChar(kPoint)))
            return 0;
    }
    return keyAscii;
}

QString padDecimals(const QString& text, int decimals)
{
    QString padded = runtime::Trim(text).isEmpty() ? zeroValue(decimals) : text;
    const qsizetype point = runtime::InStr(padded, QStringLiteral("."));
    if (point == 0)
        return padded + QLatin1Char('.') + QString(places(decimals), QLatin1Char('0'));
    if (point == 1)
        padded.prepend(QLatin1Char('0'));
    const qsizetype after = padded.size() - padded.indexOf(QChar(kPoint)) - 1;
    if (after < places(decimals))
        padded += QString(places(decimals) - after, QLatin1Char('0'));
    return padded;
}

QString decimalEntryText(const QString& text, int decimals) { return text.isEmpty() ? zeroValue(decimals) : text; }

void DecimalKeyPress(int& KeyAscii, QLineEdit* Box, int Decimals)
{
    const int selStart = Box->hasSelectedText() ? Box->selectionStart() : Box->cursorPosition();
    KeyAscii = decimalKeyFilter(Box->text(), selStart, Box->selectionLength(), KeyAscii, Decimals);
}

void FormatDecimalText(QLineEdit* Box, int Decimals) { Box->setText(padDecimals(Box->text(), Decimals)); }

void DecimalGotFocus(QLineEdit* Box, int Decimals)
{
    const QString entry = decimalEntryText(Box->text(), Decimals);
    if (entry != Box->text())
        Box->setText(entry);
    Box->selectAll();
}

} // namespace core
