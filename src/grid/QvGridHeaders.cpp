#include "grid/GridDrawing.h"
#include "grid/QvGrid.h"
#include "grid/RoundHalfEven.h"

#include "platform/ui/ElidedText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace grid {

using namespace TextFormat;
using namespace FrameControl;

void QvGrid::drawCaption()
{
    if (m_props.Caption.isEmpty())
        return;
    // The band spans the visible width (twips) plus the row-number column, from one pixel left
    // of the edge.
    const double width = VisibleWidth() * logicalDpiX() / 1440.0;
    const PixelRect band{-1, 0, RoundHalfEven(width + 1 + m_metrics.RowNumberWidth), m_metrics.CaptionHeight};
    const FaceColors colors{TranslateColor(m_props.ThemeCustomColorFrom), TranslateColor(m_props.ThemeCustomColorTo)};
    paintOnSurface([&](QPainter& painter) {
        painter.setFont(m_props.FontHeader);
        painter.setPen(ToQColor(TranslateColor(m_props.ForeColorHdr)));
        PixelRect face = band;
        switch (themeLook()) {
        case ThemeLook::Classic3D: DrawFrameControl(painter, face, DFC_BUTTON, DFCS_BUTTONPUSH); break;
        case ThemeLook::ClassicFlat: DrawFrameControl(painter, face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT); break;
        case ThemeLook::VisualStyle:
            if (!DrawThemePart(painter, this, QStringLiteral("Header"), 1, FaceNormal, face))
                DrawButtonFrame(painter, face, FaceNormal, false, false, colors);
            break;
        case ThemeLook::Office: DrawButtonFace(painter, face, FaceNormal, colors); break;
        case ThemeLook::Framed: DrawButtonFrame(painter, face, FaceNormal, true, false, colors); break;
        case ThemeLook::FramedTinted: DrawButtonFrame(painter, face, FaceNormal, true, true, colors); break;
        case ThemeLook::Banded: DrawStyledRect(painter, face, FaceNormal, true, false, colors); break;
        case ThemeLook::BandedGrey: DrawStyledRect(painter, face, FaceNormal, true, true, colors); break;
        default: break;
        }
        PixelRect text{band.Left + 15, m_metrics.CaptionHeight / 8, band.Right - 15, band.Bottom};
        DrawTextAW(painter, m_props.Caption, -1, text, m_props.CaptionAlignment | m_metrics.EllipsisFlag | DT_NOPREFIX);
        painter.setFont(m_font);
    });
}

qint32 QvGrid::drawColumnHeaders(bool SingleLine)
{
    if (m_store.Cols() == 0)
        return 0;
    HotHeader = -1;
    qint32 x = 0;
    paintOnSurface([&](QPainter&) {
        if (m_props.ShowRowNumbers)
            drawColumnHeader(-1, FaceNormal, false, true);
        const QList<qint32>& order = m_store.ColOrder();
        for (qint32 position = 0; position < qint32(order.size()); ++position) {
            if (!columnOnScreen(position, SBGetValue(0)))
                continue;
            ColumnInfo& column = m_store.Column(order[position]);
            if (!column.Visible)
                continue;
            column.Left = x;
            drawColumnHeader(position, FaceNormal, SingleLine, false);
            x += column.WidthPx;
        }
    });
    return m_metrics.RowNumberWidth + x;
}

void QvGrid::drawColumnHeader(qint32 Position, FaceState State, bool SingleLine, bool RowNumberCell)
{
    if (!m_props.ColumnHeaders || (Position < 0 && !RowNumberCell) || Position >= m_store.Cols())
        return;
    if (Position == m_swapCol || Position == m_dragCol)
        State = FacePressed;
    if (!m_props.AllowColumnSort && !m_props.AllowColumnSwap && !m_props.AllowColumnDrag)
        State = FaceNormal;
    const ColumnInfo* column = RowNumberCell ? nullptr : &columnAt(Position);
    PixelRect face{-1, m_metrics.CaptionHeight, m_metrics.RowNumberWidth, m_metrics.HeaderHeight};
    if (RowNumberCell)
        State = FaceNormal;
    else
        face = PixelRect{m_metrics.RowNumberWidth + column->Left - 1, m_metrics.CaptionHeight,
                         m_metrics.RowNumberWidth + column->Left + column->WidthPx, m_metrics.HeaderHeight};
    const FaceColors colors{TranslateColor(m_props.ThemeCustomColorFrom), TranslateColor(m_props.ThemeCustomColorTo)};

    paintOnSurface([&](QPainter& painter) {
        painter.setFont(m_props.FontHeader);
        painter.setPen(ToQColor(TranslateColor(m_props.ForeColorHdr)));
        static constexpr qint32 classicStates[3] = {DFCS_BUTTONPUSH, DFCS_BUTTONPUSH | DFCS_HOT,
                                                    DFCS_BUTTONPUSH | DFCS_PUSHED};
        switch (themeLook()) {
        case ThemeLook::Classic3D:
            DrawFrameControl(painter, face, DFC_BUTTON, classicStates[State - FaceNormal]);
            break;
        case ThemeLook::ClassicFlat:
            DrawFrameControl(painter, face, DFC_BUTTON,
                             State == FaceNormal ? (DFCS_BUTTONPUSH | DFCS_FLAT) : classicStates[State - FaceNormal]);
            break;
        case ThemeLook::VisualStyle:
            if (!DrawThemePart(painter, this, QStringLiteral("Header"), 1, State, face))
                DrawButtonFrame(painter, face, State, false, false, colors);
            break;
        case ThemeLook::Office: {
            PixelRect office = face;
            DrawButtonFace(painter, office, State, colors);
            break;
        }
        case ThemeLook::Framed: DrawButtonFrame(painter, face, State, false, false, colors); break;
        case ThemeLook::FramedTinted: DrawButtonFrame(painter, face, State, false, true, colors); break;
        case ThemeLook::Banded: DrawStyledRect(painter, face, State, false, false, colors); break;
        case ThemeLook::BandedGrey: DrawStyledRect(painter, face, State, false, true, colors); break;
        default: break;
        }
        if (RowNumberCell)
            return;

        // The sort arrow of the primary (large) or secondary (small) sort column, and the margin
        // it keeps on the right.
        const qint32 index = m_store.ColOrder()[Position];
        const qint32 arrowX = m_metrics.RowNumberWidth + column->Left + column->WidthPx - 12;
        if (column->WidthPx > 8 && index == SortCol1)
            DrawSortArrow(painter, arrowX, m_metrics.CaptionHeight + 6, 9, 5, column->SortState);
        else if (column->WidthPx > 8 && index == SortCol2)
            DrawSortArrow(painter, arrowX, m_metrics.CaptionHeight + 6, 6, 3, column->SortState);
        const qint32 textLeft = m_metrics.RowNumberWidth + column->Left + 5;
        PixelRect text{textLeft, m_metrics.CaptionHeight, textLeft + headingRoom(Position), m_metrics.HeaderHeight};
        if (State == FaceHot)
            text.Top -= 1;
        else if (State == FacePressed)
            text.Top += 1;
        if (m_props.ColumnHeaderLines > 1 && !SingleLine) {
            const QFontMetrics metrics = painter.fontMetrics();
            const QString heading = FitTextToWidth(metrics, column->Heading, text.Width(), m_props.ColumnHeaderLines);
            PixelRect extent{0, 0, text.Width(), 0};
            const qint32 height = CalcTextRect(m_props.FontHeader, heading, extent, 0);
            text.Top += RoundHalfEven((m_metrics.HeaderHeight - m_metrics.CaptionHeight - height) / 2.0);
            DrawTextAW(painter, heading, -1, text,
                       column->Alignment | DT_WORDBREAK | DT_WORD_ELLIPSIS | m_metrics.EllipsisFlag | DT_NOPREFIX);
        } else {
            DrawTextAW(painter, column->Heading, -1, text,
                       column->Alignment | DT_SINGLELINE | m_metrics.EllipsisFlag | DT_NOPREFIX);
        }
        painter.setFont(m_font);
    });
}

qint32 QvGrid::headingRoom(qint32 Position) const
{
    const ColumnInfo& column = columnAt(Position);
    const qint32 index = m_store.ColOrder()[Position];
    const bool arrow = column.WidthPx > 8 && (index == SortCol1 || index == SortCol2);
    return column.WidthPx - 5 - (arrow ? 13 : 6);
}

bool QvGrid::headingCut(qint32 Position) const
{
    const QString& heading = columnAt(Position).Heading;
    const QFontMetrics metrics(m_props.FontHeader);
    const qint32 room = headingRoom(Position);
    // Fitted without a line limit, the heading shows whole when its lines are no more than the
    // band holds (the header ends the last line it has room for with "..." otherwise).
    const qint32 lines = std::max<qint32>(m_props.ColumnHeaderLines, 1);
    const QStringList shown =
        lines > 1 ? FitTextToWidth(metrics, heading, room, -1).split(QStringLiteral("\r\n")) : QStringList{heading};
    return ui::linesCut(metrics, shown, room, lines);
}

QRect QvGrid::cellPartRect(qint32 Row, qint32 Col, qint32 Y, CellPart Part) const
{
    if (!cellOnGrid(Row, Col))
        return QRect();
    const ColumnInfo& column = columnAt(Col);
    const CellPartSizes sizes{m_metrics.CheckBoxSize, m_metrics.ImageWidth, m_metrics.ImageHeight};
    return GetCellPartRect(column, m_store.RowAt(Row).Height, Y, Part, sizes, m_metrics.RowNumberWidth).toQRect();
}

} // namespace grid
