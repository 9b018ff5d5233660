#pragma once

#include <QFrame>
#include <QPixmap>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace preview {

// The preview's print panel: five options (a mark and a caption each), the page range From/To and
// Ok. The range boxes take digits only and keep 1 <= From <= To <= page count; Up and Down step
// them. The window carries out the chosen option.
class PrintPanel : public QFrame {
public:
    enum Option { Clipboard = 0, CurrentPage = 1, PageRange = 2, PrintAll = 3, ToFolder = 4 };

    explicit PrintPanel(QWidget* parent);

    // Opened on a document of that many pages: To shows the page count and "Print All" is chosen;
    // From keeps its text.
    void open(int pageCount);
    int PrintOption() const { return m_option; }
    void choose(int option);
    // The busy state while pages are worked through: disabled, Ok hidden, progress shown.
    void setBusy(bool busy);
    // Sets the progress text and repaints it at once.
    void showProgress(const QString& text);

    QLabel* Label3;
    std::array<QToolButton*, 5> optPrint;
    std::array<QPushButton*, 5> optText;
    QLineEdit* txtFrom;
    QLabel* Label2;
    QLineEdit* txtTo;
    QPushButton* cmdPrint;
    QLabel* lblPrintingPg;

protected:
    // A click on the panel stays with it (a click on the window around it closes the panels).
    void mousePressEvent(QMouseEvent* event) override;

private:
    void attachRangeHandlers(QLineEdit* box, bool isFrom);

    std::array<QPixmap, 2> m_optArt; // unchosen, chosen
    int m_option = PrintAll;
    int m_pageCount = 1;
};

} // namespace preview
