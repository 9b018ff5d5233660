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
    drawGrid(m_paintEnabled);
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
    drawGrid(m_paintEnabled);
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

void QvGrid::paintTotalsLine(QPainter& Painter, qint32 y, qint32 GridRight, qint32 HScrollPos)
{
    using namespace FrameControl;
    const OleColor headerText = TranslateColor(m_props.ForeColorHdr);
    const FaceColors colors{TranslateColor(m_props.ThemeCustomColorFrom), TranslateColor(m_props.ThemeCustomColorTo)};
    Painter.setClipping(false);
    PixelRect band{0, y + 1, GridRight, y + RowHeightPx() + 1};
    switch (themeLook()) {
    case ThemeLook::Classic3D: DrawFrameControl(Painter, band, DFC_BUTTON, DFCS_BUTTONPUSH); break;
    case ThemeLook::ClassicFlat: DrawFrameControl(Painter, band, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT); break;
    case ThemeLook::VisualStyle:
        if (!DrawThemePart(Painter, this, QStringLiteral("Header"), 1, FaceNormal, band))
            DrawButtonFrame(Painter, band, FaceNormal, false, false, colors);
        break;
    case ThemeLook::Office: DrawButtonFace(Painter, band, FaceNormal, colors); break;
    case ThemeLook::Framed: DrawButtonFrame(Painter, band, FaceNormal, false, false, colors); break;
    case ThemeLook::FramedTinted: DrawButtonFrame(Painter, band, FaceNormal, true, true, colors); break;
    case ThemeLook::Banded: DrawStyledRect(Painter, band, FaceNormal, true, false, colors); break;
    case ThemeLook::BandedGrey: DrawStyledRect(Painter, band, FaceNormal, true, true, colors); break;
    default: break;
    }
    DrawLine(Painter, 0, y, GridRight, y, headerText, m_props.GridLineWidth);

    // The band has no font of its own in the cells' sense: it is written in the grid's font.
    Painter.setFont(m_font);
    Painter.setPen(ToQColor(headerText));
    qint32 x = m_metrics.RowNumberWidth;
    for (qint32 c = 0; c < m_store.Cols(); ++c) {
        const qint32 k = m_store.ColOrder().at(c);
        const ColumnInfo& column = m_store.Columns().at(k);
        if (!columnOnScreen(c, HScrollPos) || !column.Visible)
            continue;
        QString text;
        try {
            text = TotalsLineText(k);
        } catch (const std::exception& error) {
            // A value the column's format cannot show leaves its place empty.
            reportPaintFailure("a total", error);
        }
        if (!text.isEmpty()) {
            PixelRect place{x + 3, y + 3, x + column.WidthPx - 3, y + RowHeightPx()};
            DrawTextAW(Painter, text, -1, place, column.Alignment | m_metrics.EllipsisFlag | TextFormat::DT_NOPREFIX);
        }
        x += column.WidthPx;
    }
}

} // namespace grid
