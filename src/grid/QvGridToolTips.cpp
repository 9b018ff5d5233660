// Tooltips for cut-off cells and headings: after the mouse has rested 1,500 ms on a cell or heading
// whose text does not fit, the whole text shows in a small window laid over it. The wait runs on a
// timer read against TickCount(), so it does not restart when the mouse moves on to another cell:
// whatever cell or heading is under the mouse when it ends gets the tooltip.

#include "grid/CellToolTipWindow.h"
#include "grid/QvGrid.h"
#include "grid/RoundHalfEven.h"

#include <QCursor>
#include <QFontMetrics>
#include <QLocale>
#include <QScreen>
#include <QTimer>

#include <exception>

namespace grid {

namespace {

constexpr qint64 ToolTipDelayMs = 1500;
// How often a running wait looks at the clock.
constexpr qint64 ToolTipPollMs = 50;

using namespace TextFormat;

} // namespace

void QvGrid::showToolTipDelayed(qint32 Row, qint32 Col)
{
    if (!m_props.AutoToolTips || m_toolTipWaiting || EditPending())
        return;
    if (Row == -1 ? columnAt(Col).Heading.isEmpty()
                  : !cellOnGrid(Row, Col) || columnAt(Col).ColType == ColCheckBox
                        || m_store.CellAt(Row, m_store.ColOrder().at(Col)).Text.isEmpty())
        return;
    m_toolTipWaiting = true;
    m_toolTipStartTick = TickCount();
    scheduleToolTipCheck(ToolTipPollMs);
}

void QvGrid::scheduleToolTipCheck(qint64 Delay)
{
    const quint32 wait = m_toolTipWait;
    QTimer::singleShot(int(Delay), this, [this, wait] {
        if (wait == m_toolTipWait && m_toolTipWaiting)
            toolTipWaitStep();
    });
}

void QvGrid::toolTipWaitStep()
{
    const qint64 left = m_toolTipStartTick + ToolTipDelayMs - TickCount();
    if (left > 0) {
        scheduleToolTipCheck(std::min(left, ToolTipPollMs));
        return;
    }
    m_toolTipWaiting = false;
    // A cell that cannot be measured or placed gets no tooltip; the timer never throws.
    try {
        if (m_hoverHeading)
            showHeadingToolTip(m_hoverCol);
        else
            showCellToolTip(m_hoverRow, m_hoverCol);
    } catch (const std::exception& error) {
        qWarning("QvGrid %s: showing the tooltip of row %d, column %d failed: %s", qPrintable(objectName()),
                 int(m_hoverRow), int(m_hoverCol), error.what());
        hideToolTip();
    }
}

void QvGrid::cancelToolTip()
{
    // A check already scheduled for the abandoned wait finds another wait number and does nothing.
    ++m_toolTipWait;
    m_toolTipWaiting = false;
    hideToolTip();
}

void QvGrid::hideToolTip()
{
    if (m_toolTip != nullptr)
        m_toolTip->hide();
}

bool QvGrid::pointerUnderToolTip() const
{
    if (m_toolTip == nullptr || !m_toolTip->isVisible())
        return false;
    const QPoint at = QCursor::pos();
    return m_toolTip->geometry().contains(at) && viewport()->rect().contains(viewport()->mapFromGlobal(at));
}

const QWidget* QvGrid::CellToolTip() const { return m_toolTip; }

void QvGrid::showCellToolTip(qint32 Row, qint32 Col)
{
    if (Row == -1)
        return;
    hideToolTip();
    if (EditPending() || !cellOnGrid(Row, Col))
        return;
    const qint32 colIndex = m_store.ColOrder().at(Col);
    const ColumnInfo& column = m_store.Columns().at(colIndex);
    const RowInfo& record = m_store.RowAt(Row);
    const CellInfo& cell = record.Cells.at(colIndex);
    if (cell.Text.isEmpty() || column.ColType == ColCheckBox)
        return;

    // The cell's font: the grid's, with the cell's bold, italic and face (underline is not shown).
    QFont font = m_font;
    font.setBold(FlagIsSet(cell.Flags, CellFlag::Bold));
    font.setItalic(FlagIsSet(cell.Flags, CellFlag::Italic));
    const CellFormat look = m_store.CellLook(Row, colIndex);
    if (cell.FormatIndex != -1)
        font.setFamily(look.FontName);
    const QFontMetrics metrics(font);

    const QString text = shownText(column, cell);
    qint32 pad = RoundHalfEven(metrics.horizontalAdvance(QStringLiteral("ABCDWXYZ")) / 14.0);
    const qint32 vpad = 2 * m_props.MinVerticalOffset + 2;
    const qint32 rowHeight = record.Height;
    qint32 width = metrics.horizontalAdvance(text);
    qint32 avail = column.WidthPx - (isIndentedColumn(Col) ? m_metrics.RowIndent : 0);
    width = std::max(width, avail);
    avail -= pad + (look.ImageIndex != 0 ? m_metrics.ImageWidth : 0);

    PixelRect measured{0, 0, column.WidthPx, 0};
    bool cutOff = false;
    if (!FlagIsSet(cell.Flags, CellFlag::WordWrap) || !m_props.AllowWordWrap) {
        CalcTextRect(font, text, measured, DT_CALCRECT | DT_SINGLELINE | m_metrics.EllipsisFlag);
        cutOff = measured.Right + pad > avail;
    } else {
        if (rowHeight > m_metrics.HeaderTextHeight + vpad && m_expandRowImage > 0)
            avail -= pad + m_metrics.ImageWidth;
        avail -= 2;
        CalcTextRect(font, text, measured, DT_CALCRECT | DT_WORDBREAK | m_metrics.EllipsisFlag);
        cutOff = !(measured.Bottom + vpad <= rowHeight && measured.Right + pad <= avail);
    }
    if (!cutOff)
        return;

    QRect columnRect;
    GetColRect(Col, columnRect);
    const QPoint corner = viewport()->mapToGlobal(QPoint(columnRect.left(), GetRowTop(Row, -1)));
    showToolTipWindow(text, font, cell.Alignment, Col, corner, width, rowHeight, pad);
}

void QvGrid::showHeadingToolTip(qint32 Col)
{
    hideToolTip();
    if (EditPending() || !m_props.ColumnHeaders || Col < 0 || Col >= m_store.Cols() || !headingCut(Col))
        return;
    const ColumnInfo& column = columnAt(Col);
    const QFontMetrics metrics(m_props.FontHeader);
    const qint32 pad = RoundHalfEven(metrics.horizontalAdvance(QStringLiteral("ABCDWXYZ")) / 14.0);
    // Laid over the whole header face, which the first column's indent does not narrow.
    QRect columnRect;
    GetColRect(Col, columnRect);
    const qint32 left = isIndentedColumn(Col) ? m_metrics.RowNumberWidth : columnRect.left();
    const QPoint corner = viewport()->mapToGlobal(QPoint(left, m_metrics.CaptionHeight));
    showToolTipWindow(column.Heading, m_props.FontHeader, column.Alignment, Col, corner,
                      std::max(qint32(metrics.horizontalAdvance(column.Heading)), column.WidthPx),
                      m_metrics.HeaderHeight - m_metrics.CaptionHeight, pad);
}

void QvGrid::showToolTipWindow(const QString& Text, const QFont& Font, qint32 Alignment, qint32 Col, QPoint Corner,
                               qint32 Width, qint32 Height, qint32 Pad)
{
    const qint32 vpad = 2 * m_props.MinVerticalOffset + 2;
    const qint32 pad = 2 * Pad;
    qint32 width = Width;
    PixelRect area{0, 0, width, 0};
    CalcTextRect(Font, Text, area, DT_CALCRECT | DT_WORDBREAK | m_metrics.EllipsisFlag);
    // Near the screen's right edge the text wraps at the room that is left.
    bool rewrapped = false;
    const QScreen* display = screen();
    const qint32 room = display != nullptr ? display->geometry().right() + 1 - Corner.x() : width;
    if (room < width) {
        width = room - pad;
        area = {0, 0, width, 0};
        CalcTextRect(Font, Text, area, DT_CALCRECT | DT_WORDBREAK | m_metrics.EllipsisFlag);
        rewrapped = true;
    }
    area.Left = Col > 0 ? 1 : 2;
    area.Top = -1;
    // The padding, but never less than the margins the text is drawn within: the whole text shows.
    area.Right += std::max(pad, area.Left + 9);
    area.Bottom = area.Bottom >= Height ? area.Bottom + vpad : Height;

    const QRect geometry(Corner, QSize(area.Right, area.Bottom));
    const PixelRect textRect{area.Left + 3, area.Top, area.Right - 6, area.Bottom};
    const qint32 format = Text.contains(QLatin1Char('\r')) || rewrapped ? DT_WORDBREAK
                                                                        : (Alignment | DT_WORDBREAK | DT_SINGLELINE);
    auto* window = static_cast<CellToolTipWindow*>(m_toolTip);
    if (window == nullptr) {
        window = new CellToolTipWindow(this);
        m_toolTip = window;
    }
    window->SetContent(Text, Font, textRect, format | m_metrics.EllipsisFlag, geometry);
    // A tooltip window stays above the others.
    window->show();
}

QString QvGrid::GetInfo(qint32 lInfo)
{
    const QLocale locale;
    switch (lInfo) {
    case 0x0004: return locale.nativeLanguageName();                      // native language name
    case 0x0008: return locale.nativeTerritoryName();                     // native country name
    case 0x000E: return locale.decimalPoint();                            // decimal separator
    case 0x000F: return locale.groupSeparator();                          // thousands separator
    case 0x0014: return locale.currencySymbol();                          // currency symbol
    case 0x0059: return locale.name().section(QLatin1Char('_'), 0, 0);     // ISO 639 language
    case 0x005A: return locale.name().section(QLatin1Char('_'), 1, 1);     // ISO 3166 country
    case 0x1001: return QLocale::languageToString(locale.language());    // English language name
    case 0x1002: return QLocale::territoryToString(locale.territory());  // English country name
    default: return {};
    }
}

} // namespace grid
