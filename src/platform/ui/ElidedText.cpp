#include "platform/ui/ElidedText.h"

#include "platform/ui/OneLineText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace ui {

namespace {

// Text that is one number: digits with the signs and points numbers are written with.
bool isNumberText(const QString& text)
{
    bool digit = false;
    for (const QChar c : text) {
        if (c.isDigit())
            digit = true;
        else if (c != u'.' && c != u',' && c != u'-' && c != u' ')
            return false;
    }
    return digit;
}

} // namespace

QString fittedText(const QFontMetrics& metrics, const QString& text, int flags, int width)
{
    if ((flags & (Qt::TextWordWrap | Qt::TextWrapAnywhere | Qt::TextDontClip)) || text.contains(QLatin1Char('\n')))
        return text;
    // a mnemonic's "&" takes no room
    const int measure = (flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic)) ? int(Qt::TextShowMnemonic) : 0;
    if (metrics.size(Qt::TextSingleLine | measure, text).width() <= width)
        return text;
    const Qt::TextElideMode mode = (flags & Qt::AlignRight) || isNumberText(text) ? Qt::ElideLeft : Qt::ElideRight;
    return metrics.elidedText(text, mode, std::max(width, 0), measure);
}

bool drawnCut(const DrawnText& drawn)
{
    const QFontMetrics metrics(drawn.font);
    if (!(drawn.flags & Qt::TextWordWrap) && !drawn.text.contains(QLatin1Char('\n')))
        return fittedText(metrics, drawn.text, drawn.flags, drawn.rect.width()) != drawn.text;
    // lines are not elided: they are clipped at the rectangle's edges
    const QSize needed = metrics.boundingRect(drawn.rect, drawn.flags, drawn.text).size();
    return needed.width() > drawn.rect.width() || needed.height() > drawn.rect.height();
}

bool linesCut(const QFontMetrics& metrics, const QStringList& lines, int width, int maxLines)
{
    return lines.size() > maxLines || std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
               return metrics.horizontalAdvance(line) > width;
           });
}

bool showWholeTextWhereCut(const QHelpEvent& event, QWidget* widget, const QRect& area, const DrawnText& drawn,
                           const QString& whole)
{
    if (!drawnCut(drawn))
        return false;
    QToolTip::showText(event.globalPos(), whole, widget, area);
    return true;
}

void FittingStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                                const QString& text, QPalette::ColorRole textRole) const
{
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled,
                              fittedText(painter->fontMetrics(), text, flags, rect.width()), textRole);
}

QRect FittingItemDelegate::textRect(const QStyleOptionViewItem& item)
{
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
    return style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget).adjusted(margin, 0, -margin, 0);
}

void FittingItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    if (!(item.features & QStyleOptionViewItem::WrapText)) {
        item.text = fittedText(QFontMetrics(item.font), shownOnOneLine(item.text), int(item.displayAlignment),
                               textRect(item).width());
        item.textElideMode = Qt::ElideNone;
    }
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
}

bool FittingItemDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                    const QModelIndex& index)
{
    QStyleOptionViewItem item = option;
    if (event->type() == QEvent::ToolTip && index.isValid()) {
        initStyleOption(&item, index);
        const bool wraps = item.features & QStyleOptionViewItem::WrapText;
        const DrawnText drawn{wraps ? item.text : shownOnOneLine(item.text), item.font,
                              int(item.displayAlignment) | (wraps ? Qt::TextWordWrap : 0), textRect(item)};
        if (showWholeTextWhereCut(*event, view->viewport(), option.rect, drawn, item.text))
            return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

} // namespace ui
