// The content of one painted cell: its colours, the first column's row check box and row image,
// check boxes, progress bars, push buttons, cell images and pictures, and the text.

#include "grid/GridDrawing.h"
#include "grid/QvGrid.h"
#include "grid/RoundHalfEven.h"

#include "platform/runtime/Format.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace grid {

namespace {

using namespace TextFormat;

constexpr qint32 CheckBoxClassicHeight = 14;

void setTextColor(QPainter& Painter, OleColor Color) { Painter.setPen(ToQColor(TranslateColor(Color))); }

// The vertical offset of a cell image and how the text makes room for it, by ImageAlignment.
struct ImagePlacement {
    qint32 Offset = 0;
    // -1 the text gives up the image's width on the left, 1 on the right, 0 not at all.
    qint32 TextSide = 0;
};

ImagePlacement placeCellImage(qint32 ImageAlignment, qint32 RowHeight, qint32 ImageHeight, qint32 MinVerticalOffset)
{
    const qint32 middle = (RowHeight - ImageHeight) / 2;
    const qint32 bottom = RowHeight - ImageHeight - MinVerticalOffset;
    switch (ImageAlignment) {
    case 0:
    case 1: return {MinVerticalOffset, -1};
    case 2: return {MinVerticalOffset, 1};
    case 4: return {middle, -1};
    // A centred image sits under the text, which keeps the whole cell.
    case 5: return {(RowHeight - ImageHeight - MinVerticalOffset) / 2, 0};
    case 6: return {middle, 1};
    case 8:
    case 9: return {bottom, -1};
    case 10: return {bottom, 1};
    default: return {MinVerticalOffset, 0};
    }
}

bool alignedRight(qint32 Alignment) { return Alignment == 2 || Alignment == 6 || Alignment == 10; }

// A row or cell check box: the visual style's, else the classic flat box 14 pixels high.
void drawCheckBox(QPainter& Painter, const QWidget* Widget, PixelRect Rect, bool Checked)
{
    if (DrawThemePart(Painter, Widget, QStringLiteral("Button"), 3, Checked ? 5 : 1, Rect))
        return;
    // The classic box is 14 pixels high, centred in the rectangle.
    const qint32 d = (Rect.Top + CheckBoxClassicHeight - Rect.Bottom) / 2;
    if (d < 0) {
        Rect.Top -= d;
        Rect.Bottom += d;
    }
    DrawFrameControl(Painter, Rect, FrameControl::DFC_BUTTON,
                     FrameControl::DFCS_FLAT | (Checked ? FrameControl::DFCS_CHECKED : 0));
}

// Fits a cell picture into Place keeping its proportions (full height when the place is wider
// than the picture, else full width), moved right for a right or centred ImageAlignment when the
// picture is narrower than the cell.
void paintCellPicture(QPainter& Painter, const QPixmap& Picture, const PixelRect& Place, qint32 ImageAlignment,
                      qint32 CellWidth)
{
    const double ratio = double(Picture.height()) / Picture.width();
    double width = Place.Width();
    double height = Place.Height();
    if (height / width <= ratio)
        width = height / ratio;
    else
        height = ratio * width;
    double left = Place.Left;
    const qint32 pictureWidth = Picture.width();
    if (alignedRight(ImageAlignment) && pictureWidth < CellWidth)
        left += CellWidth - pictureWidth - 5;
    else if (ImageAlignment == 5 && pictureWidth < CellWidth)
        left += std::nearbyint(std::abs(CellWidth - width)) / 2 - 2;
    Painter.drawPixmap(QRectF(left, Place.Top, width, height), Picture, QRectF(Picture.rect()));
}

} // namespace

QString QvGrid::shownText(const ColumnInfo& Column, const CellInfo& Cell)
{
    return Column.Format.isEmpty() ? Cell.Text : runtime::Format(Cell.Text, Column.Format);
}

void QvGrid::paintCell(QPainter& Painter, qint32 Row, qint32 Col, qint32 x, qint32 y, bool RowHighlighted)
{
    try {
        paintCellContent(Painter, Row, Col, x, y, RowHighlighted);
    } catch (const std::exception& error) {
        // A row short of cells or a look outside the table leaves the cell as far as it got.
        reportPaintFailure("a cell", error);
    }
}

void QvGrid::drawListImage(QPainter& Painter, qint32 Index, qint32 X, qint32 Y, bool Selected)
{
    const qint32 image = std::abs(Index);
    if (m_imageList != nullptr && image >= 1 && image <= m_imageList->Count())
        m_imageList->Draw(Painter, image, X, Y, Selected);
}

void QvGrid::paintCellContent(QPainter& Painter, qint32 Row, qint32 Col, qint32 x, qint32 y, bool RowHighlighted)
{
    const qint32 k = m_store.ColOrder().at(Col);
    const ColumnInfo& column = m_store.Columns().at(k);
    const RowInfo& row = m_store.RowAt(Row);
    if (k >= row.Cells.size())
        return;
    const CellInfo& cell = row.Cells.at(k);
    const CellFormat look = m_store.CellLook(Row, k);
    const qint32 w = column.WidthPx;
    const qint32 h = row.Height;
    const CellPartSizes sizes{m_metrics.CheckBoxSize, m_metrics.ImageWidth, m_metrics.ImageHeight};
    const bool selectedImages = RowHighlighted && m_props.ApplySelectionToImages;

    // Text colour and the cell's own background; a highlighted row shows through.
    if (RowHighlighted) {
        if (m_props.FocusRowHighlightKeepTextForecolor)
            setTextColor(Painter, look.ForeColor);
    } else {
        if (look.BackColor != m_props.BackColor)
            DrawRect(Painter, PixelRect{x, y, x + w, y + h}, TranslateColor(look.BackColor), true);
        setTextColor(Painter, look.ForeColor);
    }

    PixelRect text{x + 3, y, x + w - 3, y + h};
    if (Col == 0) {
        const qint32 left = m_metrics.RowNumberWidth;
        if (!row.GroupHeader && m_props.RowCheckBoxes)
            drawCheckBox(Painter, this, PixelRect{left + 3, y, left + m_metrics.CheckBoxSize, y + h},
                         FlagIsSet(row.Flags, RowFlag::Checked));
        if (m_metrics.HasImageList && row.Image != 0) {
            const qint32 offset = m_props.CenterRowImage ? (h - m_metrics.ImageHeight) / 2 : m_props.MinVerticalOffset;
            drawListImage(Painter, row.Image, left + m_metrics.CheckBoxIndent, y + offset, selectedImages);
        }
        text = PixelRect{left + m_metrics.RowIndent + 3, y, x + w - 3, y + h};
    }

    // A check-box column shows the box alone.
    if (column.ColType == ColCheckBox) {
        if (!row.GroupHeader)
            drawCheckBox(Painter, this, GetCellPartRect(column, h, y, PartCheckBox, sizes, m_metrics.RowNumberWidth),
                         FlagIsSet(cell.Flags, CellFlag::Checked));
        return;
    }

    const bool progressBar = column.ColType == ColProgressBar && !row.GroupHeader;
    if (!row.GroupHeader && column.ColType == ColPushButton) {
        // The button face is the text's rectangle too.
        text = PixelRect{x, y, x + w, y + h};
        // A button is drawn pressed while the left button that went down on it is held.
        const bool pressed = m_dragSelectArmed && m_anchorRow == Row && m_store.CurCol() == Col;
        const FaceColors colors{TranslateColor(m_props.ThemeCustomColorFrom),
                                TranslateColor(m_props.ThemeCustomColorTo)};
        DrawCellButton(Painter, this, text, pressed ? FacePressed : FaceNormal, colors);
        setTextColor(Painter, COLOR_BTNTEXT);
    } else if (progressBar) {
        // In a progress-bar column the flag word is the value 0..100.
        const qint32 value = cell.Flags;
        if (value >= 1) {
            const qint32 bar = RoundHalfEven((w - 2) / 100.0 * value);
            DrawRect(Painter, PixelRect{x + 2, y + 2, x + bar, y + h - 2}, TranslateColor(m_props.CellProgressBarColor),
                     true);
        }
        text = PixelRect{x + 3, y, x + w - 3, y + h};
    }

    QFont font = m_font;
    if (!look.FontName.isEmpty())
        font.setFamily(look.FontName);
    // A progress bar's flags hold its value, not a style.
    SetCellFontStyle(font, progressBar ? qint16(0) : cell.Flags);
    Painter.setFont(font);

    qint32 available = w - 15;
    const QString shown = shownText(column, cell);
    qint32 flags = cell.Alignment | DT_SINGLELINE;
    qint32 image = look.ImageIndex;
    const bool hasReturn = shown.contains(QLatin1Char('\r'));
    bool multiLine = hasReturn;
    if (image != 0 || (Col == 0 && row.Image != 0))
        available -= m_metrics.ImageWidth;
    const bool wrapCell = m_props.AllowWordWrap && FlagIsSet(cell.Flags, CellFlag::WordWrap);
    if (wrapCell && m_props.MinRowHeight >= 1 && !hasReturn)
        multiLine = FitTextToWidth(QFontMetrics(font), shown, available, -1).contains(QLatin1Char('\r'));

    if (wrapCell) {
        PixelRect measured{0, 0, available, h};
        CalcTextRect(font, shown, measured, DT_CALCRECT | DT_SINGLELINE);
        if ((measured.Right + 6 > available && h > RowHeightPx()) || multiLine) {
            // Wrapped text is always left and top aligned; a text of more than one line shows the
            // expand image in place of the cell's own, one line none.
            PixelRect wrapped{0, 0, available, h};
            CalcTextRect(font, shown, wrapped, DT_CALCRECT | DT_WORDBREAK);
            flags = DT_WORDBREAK;
            image = wrapped.Height() > m_metrics.HeaderTextHeight ? m_expandRowImage : 0;
            text.Top += m_props.MinVerticalOffset;
        }
    }

    if (!cell.Picture && image != 0) {
        const PixelRect place = GetCellPartRect(column, h, y, PartImage, sizes, m_metrics.RowNumberWidth);
        const ImagePlacement placement =
            placeCellImage(column.ImageAlignment, h, m_metrics.ImageHeight, m_props.MinVerticalOffset);
        if (placement.TextSide < 0)
            text.Left += place.Width();
        else if (placement.TextSide > 0)
            text.Right -= place.Width();
        if (place.Left >= 0)
            drawListImage(Painter, image, place.Left, y + placement.Offset, selectedImages);
    } else if (cell.Picture) {
        const PixelRect place = GetCellPartRect(column, h, y, PartCell, sizes, m_metrics.RowNumberWidth);
        paintCellPicture(Painter, *cell.Picture, place, column.ImageAlignment, w);
    }

    DrawTextAW(Painter, shown, -1, text, flags | m_metrics.EllipsisFlag | DT_NOPREFIX);
}

} // namespace grid
