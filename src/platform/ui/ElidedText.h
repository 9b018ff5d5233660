#pragma once

#include <QFont>
#include <QProxyStyle>
#include <QStringList>
#include <QStyledItemDelegate>

class QFontMetrics;
class QHelpEvent;

namespace ui {

// A single line of text in a given width: the text itself where it fits, else the text elided
// with "…" on the side its alignment would hide. Left-aligned and centred text keep their start
// ("NORTHFIELD TELEC…"); right-aligned text keeps its end and shows the mark where the leading
// digits were ("…0000006013"), so that a cut number never reads as a whole one. A number keeps its
// end whatever its alignment: the leading digits are the ones the numbers of a series share, the
// last ones tell them apart. Wrapped text and text of several lines come back as they are. `flags` are the
// drawing flags (alignment, mnemonics, wrapping).
QString fittedText(const QFontMetrics& metrics, const QString& text, int flags, int width);

// A text as a heading or a cell draws it: the text drawn (a cell that does not wrap in its one-line
// form, OneLineText.h), its font, the drawing flags and the rectangle it is drawn in.
struct DrawnText {
    QString text;
    QFont font;
    int flags;
    QRect rect;
};

// Whether a text drawn fitted as above shows less than the whole of it: elided, or, when it wraps
// or has several lines, clipped at the rectangle's edges.
bool drawnCut(const DrawnText& drawn);

// Whether a text that its drawing lays out in `lines` of its own, each drawn at its advance (as the
// grid control draws), shows less than the whole of it in a room `width` pixels wide that holds
// `maxLines` lines: more lines than the room holds, or a line wider than the room.
bool linesCut(const QFontMetrics& metrics, const QStringList& lines, int width, int maxLines);

// The pointer resting on a heading or cell (the tooltip event at it): where it is drawn cut, its
// whole text shows as a tooltip while the pointer stays in `area` of `widget` (anywhere on the
// widget when empty). False where it is drawn whole: no tooltip.
bool showWholeTextWhereCut(const QHelpEvent& event, QWidget* widget, const QRect& area, const DrawnText& drawn,
                           const QString& whole);

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
