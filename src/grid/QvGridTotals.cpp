// The totals line: its per-column captions and average switches, the text each column shows in
// it, and the band painted under the last row.

#include "grid/GridDrawing.h"
#include "grid/QvGrid.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"

#include <QPainter>

namespace grid {

double QvGrid::TotalsCol(qint32 Col) const
{
    if (Col < 0 || Col >= m_store.Cols())
        return 0;
    return m_store.Total(Col);
}

QString QvGrid::TotalsLineCaption(qint32 Col) const
{
    m_store.CheckColumn(Col);
    return m_store.TotalsSettings().at(Col).Caption;
}

void QvGrid::SetTotalsLineCaption(qint32 Col, const QString& Caption)
{
    if (Col >= 0 && Col < m_store.Cols())
        m_store.TotalsSettings()[Col].Caption = Caption;
    DrawGrid(m_paintEnabled);
}

bool QvGrid::TotalsLineColAvg(qint32 Col) const
{
    m_store.CheckColumn(Col);
    return m_store.TotalsSettings().at(Col).Average;
}

void QvGrid::SetTotalsLineColAvg(qint32 Col, bool Average)
{
    if (Col >= 0 && Col < m_store.Cols())
        m_store.TotalsSettings()[Col].Average = Average;
    DrawGrid(m_paintEnabled);
}

QString QvGrid::TotalsLineText(qint32 Col) const
{
    m_store.CheckColumn(Col);
    const ColumnInfo& column = m_store.Columns().at(Col);
    const TotalsInfo& settings = m_store.TotalsSettings().at(Col);
    if (column.ColType != ColNumber)
        return settings.Caption;
    // Hidden rows count towards the total, so they count towards the average as well.
    double value = TotalsCol(Col);
    if (settings.Average && m_store.Rows() > 0)
        value /= m_store.Rows();
    const QString number = column.Format.isEmpty() ? runtime::CStr(value) : runtime::Format(value, column.Format);
    return settings.Caption.isEmpty() ? number : settings.Caption + QLatin1Char(' ') + number;
}

void QvGrid::PaintTotalsLine(QPainter& Painter, qint32 y, qint32 GridRight, qint32 HScrollPos)
{
    using namespace FrameControl;
    const OleColor headerText = TranslateColor(m_p.ForeColorHdr);
    const FaceColors colors{TranslateColor(m_p.ThemeCustomColorFrom), TranslateColor(m_p.ThemeCustomColorTo)};
    Painter.setClipping(false);
    PixelRect band{0, y + 1, GridRight, y + RowHeightPx() + 1};
    switch (m_p.ThemeStyle) {
    case 0: DrawFrameControl(Painter, band, DFC_BUTTON, DFCS_BUTTONPUSH); break;
    case 1: DrawFrameControl(Painter, band, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT); break;
    case 2:
        if (!DrawThemePart(Painter, this, QStringLiteral("Header"), 1, 1, band))
            DrawButtonFrame(Painter, band, 1, false, false, colors);
        break;
    case 3: DrawButtonFace(Painter, band, 1, colors); break;
    case 4: DrawButtonFrame(Painter, band, 1, false, false, colors); break;
    case 5: DrawButtonFrame(Painter, band, 1, true, true, colors); break;
    case 6: DrawStyledRect(Painter, band, 1, true, false, colors); break;
    case 7: DrawStyledRect(Painter, band, 1, true, true, colors); break;
    default: break;
    }
    DrawLine(Painter, 0, y, GridRight, y, headerText, m_p.GridLineWidth);

    // The band has no font of its own in the cells' sense: it is written in the grid's font.
    Painter.setFont(m_font);
    Painter.setPen(ToQColor(headerText));
    qint32 x = RowNumberWidth;
    for (qint32 c = 0; c < m_store.Cols(); ++c) {
        const qint32 k = m_store.ColOrder().at(c);
        const ColumnInfo& column = m_store.Columns().at(k);
        if (!columnOnScreen(c, HScrollPos) || !column.Visible)
            continue;
        QString text;
        try {
            text = TotalsLineText(k);
        } catch (const std::exception&) {
            // A value the column's format cannot show leaves its place empty.
        }
        if (!text.isEmpty()) {
            PixelRect place{x + 3, y + 3, x + column.WidthPx - 3, y + RowHeightPx()};
            DrawTextAW(Painter, text, -1, place, column.Alignment | EllipsisFlag | TextFormat::DT_NOPREFIX);
        }
        x += column.WidthPx;
    }
}

} // namespace grid
