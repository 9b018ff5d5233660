#include "grid/GridDrawing.h"
#include "grid/QvGrid.h"
#include "grid/RoundHalfEven.h"

#include <QFontMetrics>
#include <QPainter>

namespace grid {

using namespace TextFormat;
using namespace FrameControl;

void QvGrid::DrawCaption()
{
    if (m_p.Caption.isEmpty())
        return;
    // The band spans the visible width (twips) plus the row-number column, from one pixel left
    // of the edge.
    const double width = VisibleWidth() * logicalDpiX() / 1440.0;
    const PixelRect band{-1, 0, RoundHalfEven(width + 1 + RowNumberWidth), CaptionHeight};
    const FaceColors colors{TranslateColor(m_p.ThemeCustomColorFrom), TranslateColor(m_p.ThemeCustomColorTo)};
    paintOnSurface([&](QPainter& painter) {
        painter.setFont(m_p.FontHeader);
        painter.setPen(ToQColor(TranslateColor(m_p.ForeColorHdr)));
        PixelRect face = band;
        switch (m_p.ThemeStyle) {
        case 0: DrawFrameControl(painter, face, DFC_BUTTON, DFCS_BUTTONPUSH); break;
        case 1: DrawFrameControl(painter, face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT); break;
        case 2:
            if (!DrawThemePart(painter, this, QStringLiteral("Header"), 1, 1, face))
                DrawButtonFrame(painter, face, 1, false, false, colors);
            break;
        case 3: DrawButtonFace(painter, face, 1, colors); break;
        case 4: DrawButtonFrame(painter, face, 1, true, false, colors); break;
        case 5: DrawButtonFrame(painter, face, 1, true, true, colors); break;
        case 6: DrawStyledRect(painter, face, 1, true, false, colors); break;
        case 7: DrawStyledRect(painter, face, 1, true, true, colors); break;
        default: break;
        }
        PixelRect text{band.Left + 15, CaptionHeight / 8, band.Right - 15, band.Bottom};
        DrawTextAW(painter, m_p.Caption, -1, text, m_p.CaptionAlignment | EllipsisFlag | DT_NOPREFIX);
        painter.setFont(m_font);
    });
}

qint32 QvGrid::DrawColumnHeaders(bool SingleLine)
{
    if (m_store.Cols() == 0)
        return 0;
    HotHeader = -1;
    qint32 x = 0;
    paintOnSurface([&](QPainter&) {
        if (m_p.ShowRowNumbers)
            DrawColumnHeader(-1, 1, false, true);
        const QList<qint32>& order = m_store.ColOrder();
        for (qint32 position = 0; position < qint32(order.size()); ++position) {
            if (!columnOnScreen(position, SBGetValue(0)))
                continue;
            ColumnInfo& column = m_store.Column(order[position]);
            if (!column.Visible)
                continue;
            column.Left = x;
            DrawColumnHeader(position, 1, SingleLine, false);
            x += column.WidthPx;
        }
    });
    return RowNumberWidth + x;
}

void QvGrid::DrawColumnHeader(qint32 Position, qint32 State, bool SingleLine, bool RowNumberCell)
{
    if (!m_p.ColumnHeaders || (Position < 0 && !RowNumberCell) || Position >= m_store.Cols())
        return;
    if (Position == SwapCol || Position == DragCol)
        State = 3;
    if (!m_p.AllowColumnSort && !m_p.AllowColumnSwap && !m_p.AllowColumnDrag)
        State = 1;
    const ColumnInfo* column = RowNumberCell ? nullptr : &columnAt(Position);
    PixelRect face{-1, CaptionHeight, RowNumberWidth, HeaderHeight};
    if (RowNumberCell)
        State = 1;
    else
        face = PixelRect{RowNumberWidth + column->Left - 1, CaptionHeight,
                         RowNumberWidth + column->Left + column->WidthPx, HeaderHeight};
    const FaceColors colors{TranslateColor(m_p.ThemeCustomColorFrom), TranslateColor(m_p.ThemeCustomColorTo)};

    paintOnSurface([&](QPainter& painter) {
        painter.setFont(m_p.FontHeader);
        painter.setPen(ToQColor(TranslateColor(m_p.ForeColorHdr)));
        static constexpr qint32 classicStates[3] = {DFCS_BUTTONPUSH, DFCS_BUTTONPUSH | DFCS_HOT,
                                                    DFCS_BUTTONPUSH | DFCS_PUSHED};
        const bool knownState = State >= 1 && State <= 3;
        switch (m_p.ThemeStyle) {
        case 0:
            if (knownState)
                DrawFrameControl(painter, face, DFC_BUTTON, classicStates[State - 1]);
            break;
        case 1:
            if (knownState)
                DrawFrameControl(painter, face, DFC_BUTTON,
                                 State == 1 ? (DFCS_BUTTONPUSH | DFCS_FLAT) : classicStates[State - 1]);
            break;
        case 2:
            if (!DrawThemePart(painter, this, QStringLiteral("Header"), 1, State, face))
                DrawButtonFrame(painter, face, State, false, false, colors);
            break;
        case 3: {
            PixelRect office = face;
            DrawButtonFace(painter, office, State, colors);
            break;
        }
        case 4: DrawButtonFrame(painter, face, State, false, false, colors); break;
        case 5: DrawButtonFrame(painter, face, State, false, true, colors); break;
        case 6: DrawStyledRect(painter, face, State, false, false, colors); break;
        case 7: DrawStyledRect(painter, face, State, false, true, colors); break;
        default: break;
        }
        if (RowNumberCell)
            return;

        // The sort arrow of the primary (large) or secondary (small) sort column, and the margin
        // it keeps on the right.
        const qint32 index = m_store.ColOrder()[Position];
        const qint32 arrowX = RowNumberWidth + column->Left + column->WidthPx - 12;
        qint32 margin = 6;
        if (column->WidthPx > 8 && index == SortCol1) {
            DrawSortArrow(painter, arrowX, CaptionHeight + 6, 9, 5, column->SortState);
            margin = 13;
        } else if (column->WidthPx > 8 && index == SortCol2) {
            DrawSortArrow(painter, arrowX, CaptionHeight + 6, 6, 3, column->SortState);
            margin = 13;
        }
        PixelRect text{RowNumberWidth + column->Left + 5, CaptionHeight,
                       RowNumberWidth + column->Left + column->WidthPx - margin, HeaderHeight};
        if (State == 2)
            text.Top -= 1;
        else if (State == 3)
            text.Top += 1;
        if (m_p.ColumnHeaderLines > 1 && !SingleLine) {
            const QFontMetrics metrics = painter.fontMetrics();
            const QString heading = FitTextToWidth(metrics, column->Heading, text.Width(), m_p.ColumnHeaderLines);
            PixelRect extent{0, 0, text.Width(), 0};
            const qint32 height = CalcTextRect(m_p.FontHeader, heading, extent, 0);
            text.Top += RoundHalfEven((HeaderHeight - CaptionHeight - height) / 2.0);
            DrawTextAW(painter, heading, -1, text,
                       column->Alignment | DT_WORDBREAK | DT_WORD_ELLIPSIS | EllipsisFlag | DT_NOPREFIX);
        } else {
            DrawTextAW(painter, column->Heading, -1, text, column->Alignment | DT_SINGLELINE | EllipsisFlag | DT_NOPREFIX);
        }
        painter.setFont(m_font);
    });
}

QRect QvGrid::CellPartRect(qint32 Row, qint32 Col, qint32 Y, qint32 Part) const
{
    if (!cellOnGrid(Row, Col))
        return QRect();
    const ColumnInfo& column = columnAt(Col);
    const CellPartSizes sizes{CheckBoxSize, ImageWidth, ImageHeight};
    return GetCellPartRect(column, m_store.RowAt(Row).Height, Y, Part, sizes, RowNumberWidth).toQRect();
}

} // namespace grid
