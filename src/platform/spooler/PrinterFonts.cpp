#include "platform/spooler/PrinterFonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QRegularExpression>

namespace spooler {
namespace {

constexpr int kPointSize = 12;
constexpr double kDraftLinesPerInch = 6.0;

// The characters per inch of a resident draft font, or 0 for any other name.
int draftPitch(const QString& name)
{
    static const QRegularExpression draft(QStringLiteral("^draft\\s*(\\d+)\\s*cpi$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = draft.match(name.trimmed());
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

PrinterFont printerFont(const QString& name, QPaintDevice* device)
{
    const int pitch = draftPitch(name);
    if (pitch <= 0) {
        const QFont font(name, kPointSize);
        return {font, QFontMetricsF(font, device).height()};
    }

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(kPointSize);
    // the advance of one character within a line (a single character's leaves letter spacing out)
    const auto advance = [device](const QFont& f) {
        constexpr int kSample = 100;
        return QFontMetricsF(f, device).horizontalAdvance(QString(kSample, QLatin1Char('M'))) / kSample;
    };
    const double cell = device->logicalDpiX() / double(pitch);
    font.setStretch(qBound(1, qRound(100.0 * cell / advance(font)), 4000));
    // The stretch is a whole percentage: letter spacing takes up what is left of the cell. Its unit
    // is not the device's pixel, so it is measured.
    const double stretched = advance(font);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
    const double spacingUnit = advance(font) - stretched;
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacingUnit > 0 ? (cell - stretched) / spacingUnit : 0.0);
    return {font, device->logicalDpiY() / kDraftLinesPerInch, cell};
}

} // namespace spooler
