#include "preview/PrintPanel.h"

#include "preview/PrintRange.h"

#include "platform/ui/ControlEvents.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace preview {
namespace {

constexpr int kWidth = 3300;
constexpr int kHeight = 3240;
constexpr int kFirstRowTop = 480;
constexpr int kRowHeight = 420;
constexpr int kMarkSize = 300;
constexpr int kCaptionLeft = 480;
constexpr int kOkTop = 2700;
// Top to bottom as laid out.
constexpr std::array<int, 5> kRowOrder = {PrintPanel::ToFolder, PrintPanel::Clipboard, PrintPanel::CurrentPage,
                                          PrintPanel::PageRange, PrintPanel::PrintAll};
constexpr std::array<const char*, 5> kCaptions = {"Copy page to clipboard", "Print Current Page", "Print Pages",
                                                  "Print All", "Copy all pages to a Folder"};

QPixmap optionMark(int size, bool chosen, const QColor& ink)
{
    QPixmap mark(size, size);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    if (chosen) {
        painter.setBrush(ink);
        painter.drawEllipse(QRectF(size * 0.3, size * 0.3, size * 0.4, size * 0.4));
    }
    return mark;
}

} // namespace

PrintPanel::PrintPanel(QWidget* parent) : QFrame(parent)
{
    const ui::TwipsPlacer t(this);
    setObjectName(QStringLiteral("picPrintOptions"));
    resize(t.x(kWidth), t.y(kHeight));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    const int markPixels = t.y(kMarkSize);
    m_optArt = {optionMark(markPixels, false, palette().color(QPalette::WindowText)),
                optionMark(markPixels, true, palette().color(QPalette::WindowText))};

    Label3 = t.place(new QLabel(QStringLiteral("Print Options"), this), QStringLiteral("Label3"), 120, 90, 3060, 300);
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    for (std::size_t row = 0; row < kRowOrder.size(); ++row) {
        const int option = kRowOrder[row];
        const int top = kFirstRowTop + int(row) * kRowHeight;
        optPrint[option] = t.place(new QToolButton(this), QStringLiteral("optPrint_%1").arg(option), 120, top,
                                   kMarkSize, kMarkSize);
        optPrint[option]->setAutoRaise(true);
        optPrint[option]->setIconSize(QSize(markPixels, markPixels));
        const int captionWidth = option == PageRange ? 1080 : kWidth - kCaptionLeft - 120;
        optText[option] = t.place(new QPushButton(this), QStringLiteral("optText_%1").arg(option), kCaptionLeft,
                                  top - 30, captionWidth, kMarkSize + 60);
        optText[option]->setText(QString::fromLatin1(kCaptions[std::size_t(option)]));
        optText[option]->setFlat(true);
        optText[option]->setStyleSheet(QStringLiteral("QPushButton { text-align: left; border: none; padding: 0; }"));
        for (QAbstractButton* control : {static_cast<QAbstractButton*>(optPrint[option]),
                                         static_cast<QAbstractButton*>(optText[option])})
            ui::attachHandlers(control, {.click = [this, option] { choose(option); }});
    }
    const int rangeTop = kFirstRowTop + 3 * kRowHeight - 30;
    txtFrom = t.place(new QLineEdit(QStringLiteral("1"), this), QStringLiteral("txtFrom"), 1590, rangeTop, 540, 345);
    Label2 = t.place(new QLabel(QStringLiteral("To"), this), QStringLiteral("Label2"), 2190, rangeTop, 300, 345);
    txtTo = t.place(new QLineEdit(QStringLiteral("1"), this), QStringLiteral("txtTo"), 2550, rangeTop, 540, 345);
    attachRangeHandlers(txtFrom, true);
    attachRangeHandlers(txtTo, false);

    cmdPrint = t.place(new QPushButton(QStringLiteral("Ok"), this), QStringLiteral("cmdPrint"), 1080, kOkTop, 1140, 405);
    lblPrintingPg = t.place(new QLabel(this), QStringLiteral("lblPrintingPg"), 120, kOkTop, 3060, 405);
    lblPrintingPg->setAlignment(Qt::AlignCenter);
    lblPrintingPg->hide();
    choose(PrintAll);
    hide();
}

void PrintPanel::attachRangeHandlers(QLineEdit* box, bool isFrom)
{
    ui::attachHandlers(
        box, {.keyDown =
                  [box](int& keyCode, int) {
                      if (const std::optional<QString> stepped = steppedNumber(box->text(), keyCode)) {
                          box->setText(*stepped);
                          keyCode = 0;
                      }
                  },
              .keyPress = [box](int& keyAscii) { ValidateNumericKey(box->text(), keyAscii, false, false); },
              .gotFocus = [box] { box->selectAll(); },
              .change =
                  [this, box, isFrom] {
                      const QString limited = isFrom ? limitedFrom(txtFrom->text(), txtTo->text())
                                                     : limitedTo(txtTo->text(), txtFrom->text(), m_pageCount);
                      if (limited != box->text())
                          box->setText(limited);
                  }});
}

void PrintPanel::open(int pageCount)
{
    m_pageCount = pageCount;
    txtTo->setText(QString::number(pageCount));
    choose(PrintAll);
}

void PrintPanel::choose(int option)
{
    m_option = option;
    for (std::size_t i = 0; i < optPrint.size(); ++i)
        optPrint[i]->setIcon(QIcon(m_optArt[int(i) == option ? 1 : 0]));
}

void PrintPanel::setBusy(bool busy)
{
    setEnabled(!busy);
    cmdPrint->setVisible(!busy);
    lblPrintingPg->setVisible(busy);
}

void PrintPanel::showProgress(const QString& text)
{
    lblPrintingPg->setText(text);
    lblPrintingPg->repaint();
}

void PrintPanel::mousePressEvent(QMouseEvent* event) { event->accept(); }

} // namespace preview
