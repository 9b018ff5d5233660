// The per-column properties, the two sizing operations and the column layout saved per user.

#include "grid/QvGrid.h"
#include "grid/RoundHalfEven.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Val.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace grid {

namespace {

// One grid's saved layout: the section UniqueGridName of the application's per-user settings.
class LayoutSettings : public QSettings {
public:
    explicit LayoutSettings(const QString& UniqueGridName)
        : QSettings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::applicationName())
    {
        beginGroup(UniqueGridName);
    }
};

QString widthKey(qint32 Col) { return QStringLiteral("W%1").arg(Col); }

// A setting read as a whole number the way the layout was written (rounded half to even).
double wholeNumberOf(const QVariant& Setting) { return std::nearbyint(GridStore::rVal(Setting.toString())); }

} // namespace

template <typename T>
void QvGrid::setColumnField(qint32 Index, T ColumnInfo::*Field, const T& Value, bool Repaint)
{
    m_store.Column(Index).*Field = Value;
    if (Repaint)
        drawGrid(m_paintEnabled);
}

qint32 QvGrid::ColAlignment(qint32 Index) const { return m_store.Column(Index).Alignment; }
void QvGrid::SetColAlignment(qint32 Index, qint32 NewValue)
{
    setColumnField(Index, &ColumnInfo::Alignment, NewValue, true);
}

QString QvGrid::ColFormat(qint32 Index) const { return m_store.Column(Index).Format; }
void QvGrid::SetColFormat(qint32 Index, const QString& NewValue)
{
    setColumnField(Index, &ColumnInfo::Format, NewValue, true);
}

QString QvGrid::ColHeading(qint32 Index) const { return m_store.Column(Index).Heading; }
void QvGrid::SetColHeading(qint32 Index, const QString& NewValue)
{
    setColumnField(Index, &ColumnInfo::Heading, NewValue, true);
}

qint32 QvGrid::ColImageAlignment(qint32 Index) const { return m_store.Column(Index).ImageAlignment; }
void QvGrid::SetColImageAlignment(qint32 Index, qint32 NewValue)
{
    setColumnField(Index, &ColumnInfo::ImageAlignment, NewValue, true);
}

QString QvGrid::ColInputFilter(qint32 Index) const { return m_store.Column(Index).InputFilter; }
void QvGrid::SetColInputFilter(qint32 Index, const QString& NewValue)
{
    setColumnField(Index, &ColumnInfo::InputFilter, NewValue, false);
}

bool QvGrid::ColLocked(qint32 Index) const { return Index == -1 || m_lockedColHit || m_store.Column(Index).Locked; }
void QvGrid::SetColLocked(qint32 Index, bool NewValue) { setColumnField(Index, &ColumnInfo::Locked, NewValue, true); }

QString QvGrid::ColTag(qint32 Index) const { return m_store.Column(Index).Tag; }
void QvGrid::SetColTag(qint32 Index, const QString& NewValue)
{
    setColumnField(Index, &ColumnInfo::Tag, NewValue, false);
}

qint32 QvGrid::ColType(qint32 Index) const { return m_store.Column(Index).ColType; }
void QvGrid::SetColType(qint32 Index, qint32 NewValue)
{
    ColumnInfo& column = m_store.Column(Index);
    column.ColType = GridStore::ToInteger(NewValue);
}

bool QvGrid::ColVisible(qint32 Index) const { return m_store.Column(Index).Visible; }
void QvGrid::SetColVisible(qint32 Index, bool NewValue)
{
    setColumnField(Index, &ColumnInfo::Visible, NewValue, true);
}

float QvGrid::ColWidth(qint32 Index) const { return m_store.Column(Index).Width; }
void QvGrid::SetColWidth(qint32 Index, float NewValue)
{
    ColumnInfo& column = m_store.Column(Index);
    column.Width = NewValue;
    column.WidthPx = RoundHalfEven(ScaleXToPixels(NewValue));
    drawGrid(m_paintEnabled);
}

bool QvGrid::ColWordWrap(qint32 Index) const { return FlagIsSet(m_store.Column(Index).Flags, CellFlag::WordWrap); }
void QvGrid::SetColWordWrap(qint32 Index, bool NewValue)
{
    SetFlagBit(m_store.Column(Index).Flags, CellFlag::WordWrap, NewValue);
}

void QvGrid::ColForceFit()
{
    SetRedrawFlag(false);
    // The visible columns' widths summed in twips, the unit VisibleWidth answers in.
    double total = 0;
    for (const ColumnInfo& column : m_store.Columns()) {
        if (column.Visible)
            total = std::nearbyint(total + column.Width * twipsPerUnitX());
    }
    if (ShowRowNumbers() && m_metrics.RowNumberWidth == 0)
        m_metrics.RowNumberWidth = 19;
    if (total != 0) {
        const double factor = VisibleWidth() / total;
        for (qint32 c = 0; c < Cols(); ++c)
            SetColWidth(c, float(m_store.Columns()[c].Width * factor));
    }
    m_pendingRepaint = true;
    SetRedrawFlag(true);
    if (m_redraw)
        Refresh();
}

void QvGrid::ColWidthAutoSize(qint32 Col)
{
    if (Col == -1) {
        for (qint32 c = 0; c < Cols(); ++c)
            autoSizeColumn(c);
    } else {
        autoSizeColumn(Col);
    }
    UpdateScrollBars();
}

void QvGrid::autoSizeColumn(qint32 Col)
{
    if (Col < 0 || Col >= Cols())
        return;
    const ColumnInfo& column = m_store.Columns()[Col];
    const double twipsPerPixel = 1440.0 / logicalDpiX();
    if (column.ColType == ColCheckBox) {
        SetColWidth(Col, float(480 / twipsPerUnitX()));
        return;
    }
    if (column.ColType == ColProgressBar || column.ColType == ColPushButton || m_store.LastRow() == -1)
        return;

    const auto textWidth = [this](const QFont& Font, const QString& Text) {
        return RoundHalfEven(QFontMetricsF(Font, this).horizontalAdvance(Text));
    };
    qint32 widest = 0;
    if (TotalsLineShow() && column.ColType == ColNumber)
        widest = textWidth(m_font, TotalsLineCaption(Col) + runtime::Format(TotalsCol(Col), column.Format));

    // Each cell in its own style; a cell without a look of its own keeps the font name before it.
    QFont font = m_font;
    const grid::CellFormats& looks = m_store.CellFormats();
    for (qint32 r = 0; r <= m_store.LastRow(); ++r) {
        const RowInfo& record = m_store.Record(r);
        const CellInfo& cell = record.Cells[Col];
        SetCellFontStyle(font, cell.Flags);
        if (cell.FormatIndex != -1)
            font.setFamily(looks.at(cell.FormatIndex).FontName);
        qint32 width = textWidth(font, runtime::Format(cell.Text, column.Format));
        const bool hasImage =
            Col == 0 ? record.Image != 0 : cell.FormatIndex != -1 && looks.at(cell.FormatIndex).ImageIndex != 0;
        if (hasImage)
            width += m_metrics.ImageWidth;
        widest = std::max(widest, width);
    }
    // The widest text plus one twip per pixel of margin, measured in twips.
    SetColWidth(Col, float((twipsPerPixel + widest) * twipsPerPixel / twipsPerUnitX()));
}

void QvGrid::ColOrderSave(const QString& UniqueGridName)
{
    LayoutSettings settings(UniqueGridName);
    settings.setValue(QStringLiteral("Count"), QString::number(Cols() - 1));
    for (qint32 p = 0; p < Cols(); ++p)
        settings.setValue(QString::number(p), QString::number(m_store.ColOrder()[p]));
}

void QvGrid::ColOrderLoad(const QString& UniqueGridName)
{
    LayoutSettings settings(UniqueGridName);
    const qint32 last = Cols() - 1;
    if (wholeNumberOf(settings.value(QStringLiteral("Count"))) != last)
        return;
    QList<qint32> order;
    for (qint32 p = 0; p <= last; ++p) {
        const double col = wholeNumberOf(settings.value(QString::number(p), QString::number(p)));
        if (col < 0 || col > last)
            return;
        order << qint32(col);
    }
    QList<qint32> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (qint32 c = 0; c <= last; ++c) {
        if (sorted[c] != c)
            return;
    }
    m_store.SetColOrder(order);
    RefreshIfRedraw();
    emit ColumnOrderChanged(0, 0);
}

void QvGrid::ColOrderRestore([[maybe_unused]] const QString& UniqueGridName)
{
    if (Cols() == 1)
        return;
    QList<qint32> order(Cols());
    std::iota(order.begin(), order.end(), 0);
    m_store.SetColOrder(order);
    RowColSet(-1, m_metrics.NavColumn);
    RefreshIfRedraw();
    emit ColumnOrderChanged(0, 0);
}

void QvGrid::ColWidthsSave(const QString& UniqueGridName)
{
    LayoutSettings settings(UniqueGridName);
    for (qint32 c = 0; c < Cols(); ++c)
        settings.setValue(widthKey(c), runtime::CStr(m_store.Columns()[c].Width));
}

void QvGrid::ColWidthsLoad(const QString& UniqueGridName)
{
    LayoutSettings settings(UniqueGridName);
    for (qint32 c = 0; c < Cols(); ++c) {
        const QVariant saved = settings.value(widthKey(c));
        if (saved.isNull() || !runtime::IsNumeric(saved.toString()))
            continue;
        const double width = GridStore::rVal(saved.toString());
        if (width >= 0)
            SetColWidth(c, float(width));
    }
}

} // namespace grid
