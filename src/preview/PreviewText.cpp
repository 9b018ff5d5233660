// The page engine's text commands.

#include "preview/clsMultiPgPreview.h"

#include "preview/TextHelpers.h"

#include "platform/runtime/Clock.h"
#include "platform/runtime/DateFormat.h"
#include "platform/runtime/Strings.h"

namespace preview {
namespace {

constexpr double kRightMargin = 0.1; // wrapped text keeps this far from the paper's right edge
constexpr QChar kBullet(0x2022);
constexpr QChar kTherefore(0x2234);
const QString kMeasure = QStringLiteral("TextString");
const QString kSample = QStringLiteral("Sample Text");

bool hasLineBreaks(const QString& text) { return text.contains(u'\r') || text.contains(u'\n'); }

// Characters below "!" (blanks and control characters) are where a line may break.
bool isBreakable(QChar c) { return c.unicode() < 33; }

// A taken piece of a text with breaks: its breaks made blanks and the blanks at its ends removed.
QString cleanedPiece(const QString& piece, bool hasBreaks)
{
    return hasBreaks ? runtime::Trim(removeLineBreaks(piece)) : piece;
}

} // namespace

void clsMultiPgPreview::printAtLineStart(double x, const QString& line, bool lineEnd)
{
    setCurrentX(x);
    surface().print(line, lineEnd);
}

void clsMultiPgPreview::pPrint(const QString& text, double x, bool sameLine)
{
    if (!text.isEmpty()) {
        if (x == -1)
            x = CurrentX();
        if (hasLineBreaks(text) || x + GetTextWidth(text) > m_paper.width()) {
            pMultiline(text, x, m_paper.width() - kRightMargin, {}, sameLine, true);
            return;
        }
    }
    if (x >= 0)
        setCurrentX(x);
    surface().print(text, !sameLine);
}

void clsMultiPgPreview::pMultiline(const QString& text, double x, double rightEdge, const QString& indent, bool sameLine,
                                   bool checkPageEnd)
{
    if (x == -1)
        x = CurrentX();
    if (x > m_paper.width() - kRightMargin)
        x = m_paper.width() - 0.5;
    if (rightEdge < x)
        rightEdge = m_paper.width() - kRightMargin;
    const double available = rightEdge - x;
    if (text.isEmpty()) {
        pPrint({}, -1, sameLine);
        return;
    }
    const bool hasBreaks = hasLineBreaks(text);
    const qsizetype length = text.size();
    qsizetype consumed = 0;
    qsizetype breakPoint = length;
    QString prefix;
    for (qsizetype i = 1; i <= length; ++i) {
        const qsizetype p = i - consumed;
        const QChar c = text[i - 1];
        if (isBreakable(c))
            breakPoint = p;
        const bool tooWide = GetTextWidth(text.mid(consumed, p)) + GetTextWidth(prefix) >= available;
        if (!tooWide && c != u'\r')
            continue;
        if (breakPoint > p) // no blank on this line yet: cut it hard, at least one character long
            breakPoint = std::max<qsizetype>(1, p - prefix.size() - 1);
        printAtLineStart(x, prefix + cleanedPiece(text.mid(consumed, breakPoint), hasBreaks), true);
        consumed += breakPoint;
        breakPoint = length;
        prefix = indent;
        if (checkPageEnd && pEndOfPage(0, true)) {
            pFooter();
            pNewPage();
            pHeader({});
        }
    }
    printAtLineStart(x, prefix + cleanedPiece(text.mid(consumed), hasBreaks), !sameLine);
}

void clsMultiPgPreview::pCenterMultiline(const QString& text, double left, double right, bool keepReturns, bool sameLine)
{
    if (right == -1)
        right = m_paper.width();
    const double available = right - left;
    if (text.isEmpty()) {
        surface().print({}, true);
        return;
    }
    const bool hasBreaks = hasLineBreaks(text);
    const auto centred = [&](const QString& piece) {
        const QString line = hasBreaks ? removeLineBreaks(runtime::Trim(piece)) : runtime::Trim(piece);
        setCurrentX((available - GetTextWidth(line)) / 2 + left);
        return line;
    };
    const qsizetype length = text.size();
    qsizetype consumed = 0;
    qsizetype breakPoint = length;
    for (qsizetype i = 1; i <= length; ++i) {
        const qsizetype p = i - consumed;
        const QChar c = text[i - 1];
        if (isBreakable(c))
            breakPoint = p;
        const bool tooWide = GetTextWidth(text.mid(consumed, p)) >= available;
        if (!tooWide && !(c == u'\r' && !keepReturns))
            continue;
        if (breakPoint > p)
            breakPoint = std::max<qsizetype>(1, p - 1);
        surface().print(centred(text.mid(consumed, breakPoint)), true);
        consumed += breakPoint;
        breakPoint = length;
    }
    surface().print(centred(text.mid(consumed)), !sameLine);
}

void clsMultiPgPreview::pCenter(const QString& text, bool sameLine, double width, double left)
{
    if (width == -1)
        width = m_paper.width() - left;
    const double textWidth = GetTextWidth(text);
    if (textWidth > m_paper.width()) {
        pCenterMultiline(text, left, left + width, true, sameLine);
        return;
    }
    setCurrentX((width - textWidth) / 2 + left);
    pPrint(text, -1, sameLine);
}

void clsMultiPgPreview::pRightJust(const QString& text, double x, bool sameLine)
{
    const double width = GetTextWidth(text);
    if (x == -1)
        x = CurrentX() + width;
    setCurrentX(x - width);
    surface().print(text, !sameLine);
}

void clsMultiPgPreview::pRightTab(const QString& text, double x, bool sameLine)
{
    setCurrentX(m_paper.width() - (GetTextWidth(text) + x));
    surface().print(text, !sameLine);
}

void clsMultiPgPreview::pPrintRotate(const QString& text, int angle, double x)
{
    if (text.isEmpty())
        return;
    if (x != -1)
        setCurrentX(x);
    surface().printRotated(text, std::clamp(angle, 0, 359));
}

void clsMultiPgPreview::pHeader(const QString& title, const std::optional<QString>& subTitle,
                                const std::optional<bool>& titleItalic)
{
    if (title.isEmpty() && m_title.isEmpty())
        return;
    const SurfaceFont kept = surface().font();
    setCurrentY(0);
    setCurrentX(0);
    if (!title.isEmpty())
        m_title = title;
    if (subTitle)
        m_subTitle = *subTitle;
    if (titleItalic)
        m_titleItalic = *titleItalic;
    SurfaceFont& font = surface().font();
    font = {QStringLiteral("Times New Roman"), 16, true, m_titleItalic, kept.underline, kept.strikethru};
    pCenter(m_title);
    font.size = 11;
    font.bold = false;
    font.italic = false;
    if (!m_subTitle.isEmpty())
        pCenter(m_subTitle);
    pDoubleLine(0, -1, 1, true);
    pHalfSpace();
    surface().font() = kept;
}

void clsMultiPgPreview::pFooter(const QString&)
{
    const SurfaceFont kept = surface().font();
    surface().font() = {QStringLiteral("Times New Roman"), 10};
    setCurrentY(m_paper.height() - 2 * GetTextHeight(kSample));
    surface().font() = kept;
}

double clsMultiPgPreview::textHeightAtSize10(const QString& sample)
{
    const double kept = surface().font().size;
    surface().font().size = 10;
    const double height = GetTextHeight(sample);
    surface().font().size = kept;
    return height;
}

bool clsMultiPgPreview::pEndOfPage(double extra, bool footerRoom)
{
    const double room = footerRoom ? 2 * textHeightAtSize10(kMeasure) : GetTextHeight(kMeasure);
    return CurrentY() + GetTextHeight(kMeasure) + room + extra >= m_paper.height();
}

void clsMultiPgPreview::pPrintedDate(bool centred, double x, bool sameLine)
{
    const SurfaceFont kept = surface().font();
    surface().font() = {kept.name, 9};
    const QString text = QStringLiteral("Printed: ") +
                         runtime::FormatDatePattern(runtime::Clock::now(), QStringLiteral("ddd. mmm. d, yyyy \\@ h:mm ampm"));
    if (centred)
        pCenter(text, sameLine);
    else
        pPrint(text, x, sameLine);
    surface().font() = kept;
}

void clsMultiPgPreview::pCancled()
{
    setFontSize(12);
    setFontBold(true);
    setForeColor(0xFF);
    pPrint({});
    pPrint(QStringLiteral("**** PRINTING CANCLED ****"), 0.5);
}

void clsMultiPgPreview::spaceLine(int divisor)
{
    const double kept = surface().font().size;
    setFontSize(std::max(1, FontSize() / divisor));
    pPrint({});
    setFontSize(kept);
}

void clsMultiPgPreview::pHalfSpace() { spaceLine(2); }

void clsMultiPgPreview::pQuarterSpace() { spaceLine(4); }

void clsMultiPgPreview::p15Space()
{
    const double kept = surface().font().size;
    pPrint({});
    setFontSize(FontSize() / 2);
    pPrint({});
    setFontSize(kept);
}

void clsMultiPgPreview::pDots(double toX, double x)
{
    if (x > 0)
        setCurrentX(x);
    while (CurrentX() < toX)
        surface().print(QStringLiteral("."), false);
}

void clsMultiPgPreview::pSpaces(double toX, double x, bool symbols)
{
    if (toX == -1)
        toX = m_paper.width();
    if (x != -1)
        setCurrentX(x);
    const QColor kept = surface().foreColor();
    if (symbols)
        setForeColor(0xFF00);
    while (CurrentX() < toX)
        surface().print(symbols ? QString(kTherefore) : QStringLiteral(" "), false);
    surface().setForeColor(kept);
}

void clsMultiPgPreview::pBullet(double x)
{
    const SurfaceFont kept = surface().font();
    surface().font() = {kept.name, kept.size};
    pPrint(QString(kBullet) + QStringLiteral("  "), x, true);
    surface().font() = kept;
}

void clsMultiPgPreview::pDoubleLine(double x1, double x2, int width, bool stepDown)
{
    const int keptWidth = DrawWidth();
    if (width > 0)
        setDrawWidth(width);
    const double keptX = CurrentX();
    if (x2 <= x1)
        x2 = m_paper.width();
    for (int rule = 0; rule < 2; ++rule) {
        setCurrentY(CurrentY() + 0.03);
        surface().line({x1, CurrentY()}, {x2, CurrentY()});
    }
    setCurrentY(CurrentY() + 0.03);
    setCurrentX(keptX);
    if (width > 0)
        setDrawWidth(keptWidth);
    if (stepDown)
        setCurrentY(CurrentY() + 0.03);
}

} // namespace preview
