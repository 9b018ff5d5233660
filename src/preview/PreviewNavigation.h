#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

namespace preview {

// The paging and scrolling rules of the preview window, in the window's pixels. The page sits in
// the room left of the tool bar, offset by the two scroll values (a value below 0 shows empty
// space before the page's edge); a page narrower than the room stands centred in it.
class PreviewNavigation {
public:
    struct Range {
        int min = 0;
        int max = 0;
        int smallStep = 0;
        int largeStep = 0;
    };
    // The controls whose keys page and scroll.
    enum class KeyTarget { Page, HorizontalBar, VerticalBar };
    enum class Action { None, Up, Down, Left, Right, Previous, Next, First, Last, GoTo };

    // lastPage: the number of the last page counted from 0; margin: the empty space a scroll
    // value may show before the page's edge.
    PreviewNavigation(int lastPage, QSize page, int margin);

    int lastPage() const { return m_lastPage; }
    int currentPage() const { return m_currentPage; }
    // The page's number, "-- of --" and the page count on three lines.
    QString caption() const;
    QString goToPrompt() const;

    // The room beside the tool bar and above the horizontal strip, and the window's height.
    void setRoom(int width, int windowHeight);
    bool horizontalBarShown() const { return m_page.width() > m_roomWidth; }
    bool verticalBarShown() const { return m_page.height() >= m_windowHeight; }
    Range horizontalRange() const { return m_horizontal; }
    Range verticalRange() const { return m_vertical; }
    int horizontalValue() const { return m_h; }
    int verticalValue() const { return m_v; }
    // Set only within the bar's range.
    void setHorizontalValue(int value);
    void setVerticalValue(int value);
    // The top left corner of the page in the room.
    QPoint pagePosition() const;

    // Shows the page (clamped to the document) when the loader brings it in: the scroll values go
    // back to 0. A page that fails to load leaves everything as it was. True when it loaded.
    using PageLoader = std::function<bool(int page)>;
    bool showPage(int page, const PageLoader& load);
    // The page the go-to panel's number leads to, or -1 for none (an empty box or 0).
    int goToTarget(const QString& typed) const;
    // The go-to box's text as it may stand: a number above the page count becomes the count.
    QString limitGoToText(const QString& text) const;
    // Whether the go-to box takes a typed character (digits and Backspace).
    static bool goToAccepts(int keyAscii);

    // What a released key does on that control (whatever the Shift, Ctrl and Alt state).
    Action keyAction(KeyTarget target, int keyCode) const;
    // Carries out a scrolling action: a step of the bar's small change, not carried out when it
    // would leave the bar's range.
    void scroll(Action action);

    // Moves the page with the pointer by the offset, along the axes whose bar is shown, no further
    // than the bars' ranges.
    void pan(QPoint offset);

    // The full-page view's box in the room, and where the page is drawn inside a box of that size.
    QRect fullPageBox(int edge) const;
    static QRectF fitPage(QSizeF page, QSizeF box);

private:
    static Range rangeFor(int extent, double fraction, int margin);

    int m_lastPage;
    int m_currentPage = 0;
    QSize m_page;
    Range m_horizontal;
    Range m_vertical;
    int m_h = 0;
    int m_v = 0;
    int m_roomWidth = 0;
    int m_windowHeight = 0;
};

} // namespace preview
