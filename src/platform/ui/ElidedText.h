#pragma once

#include <QProxyStyle>
#include <QStyledItemDelegate>

class QFontMetrics;

namespace ui {

// A single line of text in a given width: the text itself where it fits, else the text elided
// with "…" on the side its alignment would hide. Left-aligned and centred text keep their start
// ("NORTHFIELD TELEC…"); right-aligned text keeps its end and shows the mark where the leading
// digits were ("…0000006013"), so that a cut number never reads as a whole one. A number keeps its
// end whatever its alignment: the leading digits are the ones the numbers of a series share, the
// last ones tell them apart. Wrapped text and text of several lines come back as they are. `flags` are the
// drawing flags (alignment, mnemonics, wrapping).
QString fittedText(const QFontMetrics& metrics, const QString& text, int flags, int width);

// Whether a text drawn fitted as above in `rect` shows less than the whole of it: elided, or, when
// it wraps or has several lines, clipped at the rectangle's edges.
bool drawnCut(const QFontMetrics& metrics, const QString& text, int flags, const QRect& rect);

// The application's style: every caption drawn through the style (labels, buttons, frames) is
// fitted to its rectangle as above instead of being clipped.
class FittingStyle : public QProxyStyle {
public:
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
};

// Draws the cells of an item view with their text fitted to the cell as above, a cell that does not
// wrap on one line (OneLineText.h); the pointer resting on a cell drawn cut shows its whole text as
// a tooltip.
class FittingItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    // Where the cell's text is drawn: the style's text rectangle less a margin on either side.
    static QRect textRect(const QStyleOptionViewItem& item);
};

} // namespace ui
