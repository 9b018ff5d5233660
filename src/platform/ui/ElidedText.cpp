#include "platform/ui/ElidedText.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

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

void FittingStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                                const QString& text, QPalette::ColorRole textRole) const
{
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled,
                              fittedText(painter->fontMetrics(), text, flags, rect.width()), textRole);
}

void FittingItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    if (!(item.features & QStyleOptionViewItem::WrapText)) {
        // the style draws the text inside its text rectangle less a margin on either side
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
        const int width = style->subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget).width() - 2 * margin;
        item.text = fittedText(QFontMetrics(item.font), item.text, int(item.displayAlignment), width);
        item.textElideMode = Qt::ElideNone;
    }
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
}

} // namespace ui
