#include "preview/PreviewNavigation.h"

#include "platform/ui/ControlEvents.h"

#include <cmath>

namespace preview {
namespace {

constexpr double kFullPageAspect = 0.773; // width over height of the full-page box of a portrait page

} // namespace

PreviewNavigation::PreviewNavigation(int lastPage, QSize page, int margin)
    : m_lastPage(std::max(lastPage, 0)), m_page(page), m_horizontal(rangeFor(page.width(), 0.25, margin)),
      m_vertical(rangeFor(page.height(), 0.5, margin))
{
}

PreviewNavigation::Range PreviewNavigation::rangeFor(int extent, double fraction, int margin)
{
    const int max = qRound(extent * fraction);
    return {-margin, max, qRound(max * 0.1), qRound(max * 0.5)};
}

QString PreviewNavigation::caption() const
{
    return QStringLiteral("%1\n-- of --\n%2").arg(m_currentPage + 1).arg(m_lastPage + 1);
}

QString PreviewNavigation::goToPrompt() const { return QStringLiteral("Goto Page#\n(1 to %1)").arg(m_lastPage + 1); }

void PreviewNavigation::setRoom(int width, int windowHeight)
{
    m_roomWidth = width;
    m_windowHeight = windowHeight;
}

void PreviewNavigation::setHorizontalValue(int value)
{
    if (value >= m_horizontal.min && value <= m_horizontal.max)
        m_h = value;
}

void PreviewNavigation::setVerticalValue(int value)
{
    if (value >= m_vertical.min && value <= m_vertical.max)
        m_v = value;
}

QPoint PreviewNavigation::pagePosition() const
{
    const int left = horizontalBarShown() ? -m_h : (m_roomWidth - m_page.width()) / 2;
    return {left, -m_v};
}

bool PreviewNavigation::showPage(int page, const PageLoader& load)
{
    page = std::clamp(page, 0, m_lastPage);
    if (!load(page))
        return false;
    m_currentPage = page;
    m_h = 0;
    m_v = 0;
    return true;
}

int PreviewNavigation::goToTarget(const QString& typed) const
{
    const int number = typed.trimmed().toInt();
    return number == 0 ? -1 : std::clamp(number - 1, 0, m_lastPage);
}

QString PreviewNavigation::limitGoToText(const QString& text) const
{
    return text.toLongLong() > m_lastPage + 1 ? QString::number(m_lastPage + 1) : text;
}

bool PreviewNavigation::goToAccepts(int keyAscii) { return keyAscii == ui::vbKeyBack || (keyAscii >= '0' && keyAscii <= '9'); }

PreviewNavigation::Action PreviewNavigation::keyAction(KeyTarget target, int keyCode) const
{
    const bool hidden = !horizontalBarShown();
    switch (keyCode) {
    case ui::vbKeyHome: return Action::First;
    case ui::vbKeyEnd: return Action::Last;
    case 'G': return Action::GoTo;
    default: break;
    }
    switch (target) {
    case KeyTarget::Page:
        switch (keyCode) {
        case ui::vbKeyUp: return Action::Up;
        case ui::vbKeyDown: return Action::Down;
        case ui::vbKeyLeft: return hidden ? Action::Previous : Action::Left;
        case ui::vbKeyRight: return hidden ? Action::Next : Action::Right;
        case ui::vbKeyPageUp: return Action::Previous;
        case ui::vbKeyPageDown: return Action::Next;
        default: return Action::None;
        }
    case KeyTarget::HorizontalBar:
        switch (keyCode) {
        case ui::vbKeyUp: return Action::Up;
        case ui::vbKeyDown: return Action::Down;
        case ui::vbKeyPageUp: return Action::Previous;
        case ui::vbKeyPageDown: return Action::Next;
        default: return Action::None;
        }
    case KeyTarget::VerticalBar:
        switch (keyCode) {
        case ui::vbKeyPageUp:
        case ui::vbKeyLeft: return hidden ? Action::Previous : Action::Left;
        case ui::vbKeyPageDown:
        case ui::vbKeyRight: return hidden ? Action::Next : Action::Right;
        default: return Action::None;
        }
    }
    return Action::None;
}

void PreviewNavigation::scroll(Action action)
{
    switch (action) {
    case Action::Up: setVerticalValue(m_v - m_vertical.smallStep); break;
    case Action::Down: setVerticalValue(m_v + m_vertical.smallStep); break;
    case Action::Left: setHorizontalValue(m_h - m_horizontal.smallStep); break;
    case Action::Right: setHorizontalValue(m_h + m_horizontal.smallStep); break;
    default: break;
    }
}

void PreviewNavigation::pan(QPoint offset)
{
    if (verticalBarShown())
        m_v = std::clamp(m_v - offset.y(), m_vertical.min, m_vertical.max);
    if (horizontalBarShown())
        m_h = std::clamp(m_h - offset.x(), m_horizontal.min, m_horizontal.max);
}

QRect PreviewNavigation::fullPageBox(int edge) const
{
    if (!horizontalBarShown()) {
        const int height = m_windowHeight - 2 * edge;
        const int width = qRound(height * kFullPageAspect);
        return {(m_roomWidth - width) / 2, 0, width, height};
    }
    const int width = m_roomWidth - 2 * edge;
    return {edge, edge, width, qRound(width * kFullPageAspect)};
}

QRectF PreviewNavigation::fitPage(QSizeF page, QSizeF box)
{
    const double ratio = page.height() / page.width();
    if (box.height() / box.width() > ratio) {
        const double height = box.width() * ratio;
        return {0, (box.height() - height) / 2, box.width(), height};
    }
    const double width = box.height() / ratio;
    return {(box.width() - width) / 2, 0, width, box.height()};
}

} // namespace preview
