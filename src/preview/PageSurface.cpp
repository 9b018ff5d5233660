#include "preview/PageSurface.h"

namespace preview {

void PageSurface::print(const QString& text, bool lineEnd)
{
    drawText(QPointF(m_x, m_y), text);
    if (lineEnd) {
        m_x = 0;
        m_y += textHeight(text);
    } else {
        m_x += textWidth(text);
    }
}

} // namespace preview
