#include "grid/GridDrawing.h"
#include "grid/GridKeys.h"
#include "grid/QvGrid.h"
#include "grid/RoundHalfEven.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <exception>
#include <utility>

namespace grid {

using namespace TextFormat;

void QvGrid::drawGrid(bool Draw, bool NoFocusRect)
{
    if (m_painting)
        return;
    m_pendingRepaint = !Draw;
    if (!Draw)
        return;
    // A grid its window has hidden draws nothing until it is shown again (showEvent).
    if (testAttribute(Qt::WA_WState_ExplicitShowHide) && isHidden()) {
        m_repaintWhenShown = true;
        return;
    }
    m_painting = true;
    m_paintFailureReported = false;
    ++m_paintPasses;
    bool requestRows = false;
    // A failing step leaves its part of the frame unpainted; painting never throws.
    try {
        prepareSurface();
        QPainter painter(&m_surface);
        m_passPainter = &painter;
        requestRows = paintFrame(painter, NoFocusRect);
    } catch (const std::exception& error) {
        reportPaintFailure("the frame", error);
    }
    m_passPainter = nullptr;
    m_painting = false;
    viewport()->update();
    if (requestRows)
        emit RequestRowData(m_store.LastRow() == -1 ? -1 : m_metrics.LastDrawnRow);
}

void QvGrid::showEvent(QShowEvent* Event)
{
    QAbstractScrollArea::showEvent(Event);
    if (std::exchange(m_repaintWhenShown, false))
        drawGrid(m_paintEnabled);
}

void QvGrid::paintEvent(QPaintEvent* Event)
{
    if (m_surface.isNull())
        return;
    QPainter painter(viewport());
    painter.drawImage(Event->rect().topLeft(), m_surface, Event->rect());
}

void QvGrid::prepareSurface()
{
    const QSize size = viewport()->size().expandedTo(QSize(1, 1));
    if (m_surface.size() == size)
        return;
    m_surface = QImage(size, QImage::Format_RGB32);
    m_surface.fill(ToQColor(TranslateColor(m_props.BackColorBkg)));
    // Fonts in points measure on the image as they do on the screen.
    m_surface.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    m_surface.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
}

void QvGrid::reportPaintFailure(const char* What, const std::exception& Error)
{
    if (m_paintFailureReported)
        return;
    m_paintFailureReported = true;
    qWarning("QvGrid %s: painting %s failed: %s", qPrintable(objectName()), What, Error.what());
}

void QvGrid::paintOnSurface(const std::function<void(QPainter&)>& Paint)
{
    if (m_passPainter) {
        Paint(*m_passPainter);
        return;
    }
    prepareSurface();
    m_paintFailureReported = false;
    {
        QPainter painter(&m_surface);
        m_passPainter = &painter;
        try {
            Paint(painter);
        } catch (const std::exception& error) {
            reportPaintFailure("the caption or a header", error);
        }
        m_passPainter = nullptr;
    }
    viewport()->update();
}

bool QvGrid::paintFrame(QPainter& Painter, bool NoFocusRect)
{
    const qint32 lastRow = m_store.LastRow();
    const qint32 surfaceWidth = m_surface.width();
    const qint32 surfaceHeight = m_surface.height();

    qint32 hScrollPos = SBGetValue(0);
    const OleColor gridRGB = TranslateColor(m_props.GridColor);
    if (hScrollPos < m_props.FreezeAtCol) {
        hScrollPos = m_props.FreezeAtCol + 1;
        SBSetValue(0, hScrollPos);
    }

    qint32 y = m_metrics.HeaderHeight;
    const qint32 rowsThatFit = VisibleRowCount();
    OleColor headerBase = COLOR_BTNFACE;
    if (themeLook() == ThemeLook::Office || themeLook() == ThemeLook::FramedTinted)
        headerBase =
            BlendColors(TranslateColor(m_props.ThemeCustomColorFrom), TranslateColor(m_props.ThemeCustomColorTo), 128);
    else if (themeLook() == ThemeLook::Banded)
        headerBase = ShiftColor(m_props.ThemeCustomColorTo, 50);
    // Shifting the untranslated button-face colour gives black, the classic separator colour.
    const OleColor headerDark = ShiftColor(headerBase, -40);

    Painter.fillRect(m_surface.rect(), ToQColor(TranslateColor(m_props.BackColorBkg)));
    Painter.setFont(m_font);

    if (lastRow == -1) {
        drawCaption();
        drawColumnHeaders(false);
        return true;
    }

    m_metrics.FirstDrawnRow = SBGetValue(1);
    qint32 last = std::min(m_metrics.FirstDrawnRow + rowsThatFit, lastRow);

    // After Down onto a tall row near the bottom, scroll so that the current row shows whole.
    const qint32 curRow = m_store.CurRow();
    if ((m_props.AllowWordWrap || m_props.AllowRowResizing) && curRow >= 1 && m_lastKeyCode == VirtualKey::Down
        && RowHeightPx() > 0) {
        qint32 reached = m_metrics.FirstDrawnRow;
        qint64 used = m_props.TotalsLineShow ? RowHeightPx() : 0;
        for (qint32 row = m_metrics.FirstDrawnRow; row <= last && row <= lastRow; ++row) {
            const RowInfo& record = m_store.RowAt(row);
            if (record.Visible) {
                reached += RoundHalfEven(double(record.Height) / RowHeightPx());
                used += record.Height;
            }
            if (row == curRow)
                break;
        }
        const qint32 room = RoundHalfEven(VisibleHeight() / (1440.0 / logicalDpiY()) - m_metrics.HeaderHeight);
        if (reached > last && used > room) {
            m_metrics.FirstDrawnRow = std::min(m_metrics.FirstDrawnRow + (reached - last), curRow);
            SBSetValue(1, m_metrics.FirstDrawnRow);
            last = m_metrics.FirstDrawnRow + rowsThatFit;
        }
    }
    last = std::min(last, lastRow);

    if (m_props.ShowRowNumbers) {
        const qint32 widest = m_props.ShowRowNumbersVary ? last + 1 : lastRow + 1;
        m_metrics.RowNumberWidth = std::max(QFontMetrics(m_font).horizontalAdvance(QString::number(widest)) + 5, 19);
    } else {
        m_metrics.RowNumberWidth = 0;
    }

    drawCaption();
    const qint32 gridRight = drawColumnHeaders(false);

    // A run of hidden rows is passed in one step, so a pass costs the rows it shows, not the rows
    // the grid holds; group headers are drawn even when hidden. The even-row colouring starts from
    // the first visible row's own display row.
    bool parity = false;
    if (const qint32 firstShown = NextVisibleRow(m_metrics.FirstDrawnRow); firstShown <= lastRow)
        parity = firstShown % 2 == 1;

    const bool highlightSelected = m_props.MultiSelect >= 1 || m_props.FocusRowHighlight;
    const bool horizontalLines = gridLineMode() == GridLineMode::Both || gridLineMode() == GridLineMode::Horizontal;
    const QList<qint32>& order = m_store.ColOrder();
    const QColor numberColour = ToQColor(TranslateColor(headerBase));
    const QColor headerText = ToQColor(TranslateColor(m_props.ForeColorHdr));
    const QColor selectedText = ToQColor(TranslateColor(m_props.ForeColorSel));

    qint32 row = m_metrics.FirstDrawnRow;
    bool stoppedAtBottom = false;
    for (; row <= lastRow; ++row) {
        const RowInfo& record = m_store.RowAt(row);
        if (!record.Visible && !record.GroupHeader) {
            row = NextPaintedRow(row) - 1;
            continue;
        }
        const qint32 h = record.Height;
        parity = !parity;

        if (m_props.ShowRowNumbers) {
            Painter.fillRect(QRect(0, y, m_metrics.RowNumberWidth, h), numberColour);
            Painter.setFont(m_font);
            Painter.setPen(headerText);
            PixelRect number{0, y, m_metrics.RowNumberWidth - 3, y + h};
            DrawTextAW(Painter, QString::number(row + 1), -1, number, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }

        const bool highlighted = highlightSelected && FlagIsSet(record.Flags, RowFlag::Selected);
        paintRowBackground(Painter, row, y, h, highlighted, parity, gridRight, hScrollPos);

        qint32 x = m_metrics.RowNumberWidth;
        for (qint32 position = 0; position < qint32(order.size()); ++position) {
            Painter.setPen(selectedText);
            const ColumnInfo& column = columnAt(position);
            if (!columnOnScreen(position, hScrollPos) || !column.Visible)
                continue;
            Painter.setClipRect(QRect(x, y, column.WidthPx, h));
            paintCell(Painter, row, position, x, y, highlighted);
            x += column.WidthPx;
            if (surfaceWidth < x)
                break;
        }
        Painter.setClipping(false);

        if (horizontalLines)
            DrawLine(Painter, m_metrics.RowNumberWidth, y, gridRight, y, gridRGB, m_props.GridLineWidth);
        if (m_props.ShowRowNumbers)
            DrawLine(Painter, 0, y, m_metrics.RowNumberWidth, y, headerDark, m_props.GridLineWidth);
        y += h;
        if (surfaceHeight < y) {
            stoppedAtBottom = true;
            break;
        }
    }

    m_metrics.LastDrawnRow = std::min(row, lastRow);
    const bool requestRows = surfaceHeight > y || row >= lastRow;

    qint32 bottom = y;
    if (!m_props.TotalsLineShow) {
        DrawLine(Painter, 0, y, gridRight, y, gridRGB, m_props.GridLineWidth);
    } else if (!stoppedAtBottom) {
        try {
            paintTotalsLine(Painter, y, gridRight, hScrollPos);
        } catch (const std::exception& error) {
            reportPaintFailure("the totals line", error);
        }
        bottom = y + RowHeightPx();
    }

    if (gridLineMode() == GridLineMode::Both || gridLineMode() == GridLineMode::Vertical)
        paintVerticalLines(Painter, bottom, hScrollPos);
    if (!NoFocusRect)
        paintFocusFrame(Painter, gridRight);
    Painter.setFont(m_font);
    return requestRows;
}

void QvGrid::paintRowBackground(QPainter& Painter, qint32 Row, qint32 y, qint32 h, bool Highlighted, bool Parity,
                                qint32 GridRight, qint32 HScrollPos)
{
    const OleColor back = TranslateColor(m_props.BackColor);
    const OleColor plain =
        !m_props.BackColorEvenRowsEnabled || Parity ? back : TranslateColor(m_props.BackColorEvenRows);
    if (!Highlighted) {
        DrawRect(Painter, PixelRect{m_metrics.RowNumberWidth, y + 1, GridRight, y + h + 1}, plain, true);
        return;
    }

    // The indent of the first column (row check box, row image) keeps the plain colour.
    qint32 left = m_metrics.RowNumberWidth - 1;
    if (HScrollPos == 0 && m_store.Cols() > 0) {
        const qint32 width = std::min(m_store.Columns()[0].WidthPx, m_metrics.RowIndent);
        const PixelRect indent{m_metrics.RowNumberWidth, y + 1, m_metrics.RowNumberWidth + width, y + h + 1};
        DrawRect(Painter, indent, plain, true);
        left = indent.Right - 1;
    }
    const PixelRect band{left, y + 1, GridRight, y + h + 1};

    OleColor colour = TranslateColor(m_props.BackColorSel);
    if (m_props.AlphaBlendSelection) {
        const OleColor cellBack = m_store.Cols() > 0 ? m_store.CellLook(Row, 0).BackColor : m_props.BackColor;
        colour = cellBack == m_props.BackColor ? BlendColors(TranslateColor(m_props.BackColorSel), back, 150)
                                           : BlendColors(TranslateColor(cellBack), back, 150);
    }
    switch (highlightFill()) {
    case HighlightFill::Solid: DrawRect(Painter, band, colour, true); break;
    case HighlightFill::VerticalGradient: DrawGradient(Painter, band, colour, back, true); break;
    case HighlightFill::HorizontalGradient: DrawGradient(Painter, band, colour, back, false); break;
    default: break;
    }
    Painter.setPen(ToQColor(TranslateColor(m_props.ForeColorSel)));
}

void QvGrid::paintVerticalLines(QPainter& Painter, qint32 Bottom, qint32 HScrollPos)
{
    const OleColor gridRGB = TranslateColor(m_props.GridColor);
    const qint32 width = m_props.GridLineWidth;
    const QList<qint32>& order = m_store.ColOrder();
    // The left edge of the first scrolling column marks the freeze boundary: twice as wide.
    bool boundaryPending = m_props.FreezeAtCol >= 0;
    qint32 x = m_metrics.RowNumberWidth;
    for (qint32 position = 0; position < qint32(order.size()); ++position) {
        const ColumnInfo& column = columnAt(position);
        if (!columnOnScreen(position, HScrollPos) || !column.Visible)
            continue;
        const bool boundary = boundaryPending && position > m_props.FreezeAtCol;
        if (boundary)
            boundaryPending = false;
        DrawLine(Painter, x, m_metrics.HeaderHeight, x, Bottom, gridRGB, boundary ? 2 * width : width);
        x += column.WidthPx;
    }
    DrawLine(Painter, x, m_metrics.HeaderHeight, x, Bottom, gridRGB, width);
}

void QvGrid::paintFocusFrame(QPainter& Painter, qint32 GridRight)
{
    const qint32 curRow = m_store.CurRow();
    if (curRow == -1 || focusFrame() == FocusFrame::None)
        return;
    const qint32 y = GetRowTop(curRow, m_metrics.FirstDrawnRow);
    if (y == -1)
        return;
    const qint32 h = m_store.RowAt(curRow).Height;
    PixelRect frame{1, y + 1, GridRight, y + h};
    if (focusFrame() == FocusFrame::Cell) {
        QRect column(0, y + 1, 0, h - 1);
        GetColRect(m_store.CurCol(), column);
        frame.Left = column.left();
        frame.Right = column.right() + 1;
    } else if (focusFrame() != FocusFrame::Row) {
        return;
    }
    if (frame.Right <= m_metrics.RowNumberWidth)
        return;

    const OleColor colour =
        m_props.FocusRowHighlight ? TranslateColor(m_props.FocusRectColor) : ShiftOleColor(m_props.BackColorSel, -50);
    switch (focusFrameStyle()) {
    case FocusFrameStyle::Dotted: DrawFocusRect(Painter, frame); break;
    case FocusFrameStyle::Thick: {
        // A three-pixel pen centred on the outline of the rectangle's last pixels.
        const QColor pen = ToQColor(colour);
        const qint32 l = frame.Left, t = frame.Top, r = frame.Right, b = frame.Bottom;
        Painter.fillRect(QRect(l - 1, t - 1, r - l + 2, 3), pen);
        Painter.fillRect(QRect(l - 1, b - 2, r - l + 2, 3), pen);
        Painter.fillRect(QRect(l - 1, t - 1, 3, b - t + 2), pen);
        Painter.fillRect(QRect(r - 2, t - 1, 3, b - t + 2), pen);
        break;
    }
    case FocusFrameStyle::Thin: DrawRect(Painter, frame, colour, false); break;
    default: break;
    }
}

} // namespace grid
