#include "preview/frmMultiPgPreview.h"

#include "preview/FolderPanel.h"
#include "preview/PageFiles.h"
#include "preview/PageRun.h"
#include "preview/PrintPanel.h"
#include "preview/PrintRange.h"
#include "preview/cGdiPlus.h"
#include "preview/clsMultiPgPreview.h"

#include "platform/spooler/Printer.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowHost.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

namespace preview {
namespace {

// Design measures in twips.
constexpr int kToolBarWidth = 555;
constexpr int kStripHeight = 270;
constexpr int kScrollMargin = 500; // empty space a scroll value may show before the page
constexpr int kGoToTop = 2955;
constexpr int kGoToHeight = 510;
constexpr int kVScrollTop = 3495;
constexpr int kPanelGap = 50;
constexpr int kFullPageEdge = 50;
constexpr int kPictureQuality = 85;

// Printing and saving runs report the pages that failed with the exclamation icon.
const ui::FailureReport kPageRunReport{QStringLiteral("%2"), ui::vbExclamation};

QSize pageSizeIn(const QString& folder) { return QImageReader(pageFilePath(folder, 0)).size(); }

} // namespace

frmMultiPgPreview::frmMultiPgPreview(const QString& folder, int lastPage, clsMultiPgPreview* engine, QWidget* owner)
    : QWidget(owner, Qt::Window), m_folder(folder), m_engine(engine),
      m_nav(lastPage, pageSizeIn(folder), ui::TwipsPlacer(this).y(kScrollMargin))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Print Preview"));
    CreateControls();
    ConnectHandlers();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    loadPage(0);
}

clsMultiPgPreview* frmMultiPgPreview::engine() const { return m_engine; }

void frmMultiPgPreview::CreateControls()
{
    const ui::TwipsPlacer t(this);
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setStyleSheet(QStringLiteral("background: white; border: 1px solid #808080;"));
    Picture1->installEventFilter(this);

    picFullPage = new QLabel(this);
    picFullPage->setObjectName(QStringLiteral("picFullPage"));
    picFullPage->setFocusPolicy(Qt::StrongFocus);
    picFullPage->hide();

    Picture2 = t.place(new QWidget(this), QStringLiteral("Picture2"), 0, 0, kToolBarWidth, 0);
    Picture2->setAutoFillBackground(true);
    cmd_quit = t.place(new QPushButton(QStringLiteral("Exit"), Picture2), QStringLiteral("cmd_quit"), 30, 0, 525, 630);
    cmd_quit->setToolTip(QStringLiteral("Close"));
    cmd_print = t.place(new QPushButton(QStringLiteral("Print"), Picture2), QStringLiteral("cmd_print"), 30, 630, 525, 585);
    cmd_print->setToolTip(QStringLiteral("Print Options"));
    cmdFullPage = t.place(new QPushButton(QStringLiteral("Fit"), Picture2), QStringLiteral("cmdFullPage"), 30, 1215, 525, 510);
    cmdFullPage->setToolTip(QStringLiteral("Fit Page"));
    cmdFullPage->setCheckable(true);
    Label1 = t.place(new QLabel(Picture2), QStringLiteral("Label1"), 0, 1830, kToolBarWidth, 600);
    Label1->setAlignment(Qt::AlignCenter);
    Command1_0 = t.place(new QPushButton(Picture2), QStringLiteral("Command1_0"), 45, 2580, 225, 345);
    Command1_0->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
    Command1_0->setToolTip(QStringLiteral("Prev. Page"));
    Command1_1 = t.place(new QPushButton(Picture2), QStringLiteral("Command1_1"), 285, 2580, 225, 345);
    Command1_1->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    Command1_1->setToolTip(QStringLiteral("Next Page"));
    cmdGoTo = t.place(new QPushButton(QStringLiteral("&Goto"), Picture2), QStringLiteral("cmdGoTo"), 45, kGoToTop, 465,
                      kGoToHeight);
    cmdGoTo->setToolTip(QStringLiteral("Goto Page"));
    VScroll1 = t.place(new QScrollBar(Qt::Vertical, Picture2), QStringLiteral("VScroll1"), 105, kVScrollTop, 330, 0);

    picHScroll = t.place(new QWidget(this), QStringLiteral("picHScroll"), 0, 0, 0, kStripHeight);
    picHScroll->setAutoFillBackground(true);
    HScroll1 = t.place(new QScrollBar(Qt::Horizontal, picHScroll), QStringLiteral("HScroll1"), 0, 0, 0, kStripHeight);
    for (QScrollBar* bar : {VScroll1, HScroll1})
        bar->installEventFilter(this);
    const PreviewNavigation::Range h = m_nav.horizontalRange();
    const PreviewNavigation::Range v = m_nav.verticalRange();
    HScroll1->setRange(h.min, h.max);
    HScroll1->setSingleStep(h.smallStep);
    HScroll1->setPageStep(h.largeStep);
    VScroll1->setRange(v.min, v.max);
    VScroll1->setSingleStep(v.smallStep);
    VScroll1->setPageStep(v.largeStep);

    picGoto = t.place(new QFrame(this), QStringLiteral("picGoto"), 0, 0, 3120, 810);
    picGoto->setFrameShape(QFrame::Box);
    picGoto->setAutoFillBackground(true);
    picGoto->setBackgroundRole(QPalette::Dark);
    Label5 = t.place(new QLabel(picGoto), QStringLiteral("Label5"), 120, 165, 1080, 465);
    txtGoto = t.place(new QLineEdit(picGoto), QStringLiteral("txtGoto"), 1305, 105, 1590, 315);
    cmdGotoOK = t.place(new QPushButton(QStringLiteral("Ok"), picGoto), QStringLiteral("cmdGotoOK"), 2100, 495, 780, 255);
    picGoto->hide();
    picPrintOptions = new PrintPanel(this);
    picGetFolder = new FolderPanel(this);
}

void frmMultiPgPreview::ConnectHandlers()
{
    using Target = PreviewNavigation::KeyTarget;
    ui::attachHandlers(cmd_quit, {.click = [this] { cmd_quit_Click(); }});
    ui::attachHandlers(cmd_print, {.click = [this] { cmd_print_Click(); }});
    ui::attachHandlers(picPrintOptions->cmdPrint, {.click = [this] { ui::guarded(kPageRunReport, [this] { cmdPrint_Click(); }); }});
    ui::attachHandlers(picGetFolder->cmdOpen, {.click = [this] { ui::guarded(kPageRunReport, [this] { cmdOpen_Click(); }); }});
    ui::attachHandlers(picGetFolder->cmdQuit, {.click = [this] { cmdQuit_Click(); }});
    ui::attachHandlers(Command1_0, {.click = [this] { Command1_Click(0); }});
    ui::attachHandlers(Command1_1, {.click = [this] { Command1_Click(1); }});
    ui::attachHandlers(cmdGoTo, {.click = [this] { cmdGoTo_Click(); }});
    ui::attachHandlers(cmdGotoOK, {.click = [this] { cmdGotoOK_Click(); }});
    ui::attachHandlers(cmdFullPage, {.click = [this] { cmdFullPage_Click(); }});
    ui::attachHandlers(txtGoto, {.keyPress =
                                     [this](int& keyAscii) {
                                         if (keyAscii == ui::vbKeyReturn) {
                                             keyAscii = 0;
                                             cmdGotoOK_Click();
                                         } else if (!PreviewNavigation::goToAccepts(keyAscii)) {
                                             keyAscii = 0;
                                         }
                                     },
                                 .change =
                                     [this] {
                                         const QString limited = m_nav.limitGoToText(txtGoto->text());
                                         if (limited != txtGoto->text())
                                             txtGoto->setText(limited);
                                     }});
    const auto keysOf = [this](Target target) {
        return ui::ControlHandlers{.keyUp = [this, target](int& keyCode, int) { pagingKey(target, keyCode); }};
    };
    ui::attachHandlers(Picture1, keysOf(Target::Page));
    ui::attachHandlers(picFullPage, keysOf(Target::Page));
    ui::attachHandlers(HScroll1, keysOf(Target::HorizontalBar));
    ui::attachHandlers(VScroll1, keysOf(Target::VerticalBar));
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        m_nav.setHorizontalValue(value);
        placePage();
        Picture1->setFocus();
    });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        m_nav.setVerticalValue(value);
        placePage();
        Picture1->setFocus();
    });
}

void frmMultiPgPreview::layOut()
{
    const ui::TwipsPlacer t(this);
    const int toolBar = t.x(kToolBarWidth);
    const int room = width() - toolBar;
    m_nav.setRoom(room, height());
    Picture2->setGeometry(room, 0, toolBar, height());
    VScroll1->resize(VScroll1->width(), std::max(0, height() - t.y(kGoToTop + kGoToHeight + kScrollMargin)));
    const int strip = t.y(kStripHeight);
    picHScroll->setGeometry(0, height() - strip, room, strip);
    HScroll1->resize(std::max(0, room - t.x(kScrollMargin)), strip);
    picGoto->move(width() - (picGoto->width() + toolBar + t.x(kPanelGap)), cmdGoTo->y());
    for (QWidget* panel : {static_cast<QWidget*>(picPrintOptions), static_cast<QWidget*>(picGetFolder)})
        panel->move(width() - (panel->width() + toolBar + t.x(kPanelGap)), cmd_print->y());
    UpdatePageCaption();
    placePage();
}

void frmMultiPgPreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    QApplication::restoreOverrideCursor();
    Label5->setText(m_nav.goToPrompt());
    layOut();
    if (Picture1->isVisible())
        Picture1->setFocus();
}

void frmMultiPgPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void frmMultiPgPreview::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    Picture1->clear();
    picFullPage->clear();
    m_pagePicture = {};
    deletePageFiles(m_folder);
}

QString frmMultiPgPreview::loadPage(int page)
{
    const QString file = pageFilePath(m_folder, page);
    QImageReader reader(file, "BMP");
    const QImage picture = reader.read();
    if (picture.isNull())
        return QStringLiteral("%1 could not be read: %2").arg(QDir::toNativeSeparators(file), reader.errorString());
    m_pagePicture = QPixmap::fromImage(picture);
    Picture1->setPixmap(m_pagePicture);
    Picture1->resize(m_pagePicture.size());
    return QString();
}

void frmMultiPgPreview::placePage()
{
    Picture1->move(m_nav.pagePosition());
    picHScroll->setVisible(m_nav.horizontalBarShown());
    VScroll1->setVisible(m_nav.verticalBarShown());
}

void frmMultiPgPreview::hidePanels()
{
    picGoto->hide();
    picPrintOptions->hide();
    picGetFolder->hide();
}

void frmMultiPgPreview::showPage(int page)
{
    if (!m_nav.showPage(page, [this](int p) { return loadPage(p).isEmpty(); }))
        return;
    hidePanels();
    const QSignalBlocker blockH(HScroll1);
    const QSignalBlocker blockV(VScroll1);
    HScroll1->setValue(m_nav.horizontalValue());
    VScroll1->setValue(m_nav.verticalValue());
    placePage();
    UpdatePageCaption();
}

void frmMultiPgPreview::Command1_Click(int index) { showPage(m_nav.currentPage() + (index == 0 ? -1 : 1)); }

void frmMultiPgPreview::UpdatePageCaption()
{
    Label1->setText(m_nav.caption());
    picHScroll->setVisible(m_nav.horizontalBarShown());
    VScroll1->setVisible(m_nav.verticalBarShown());
    if (picFullPage->isVisible())
        drawFullPage();
}

void frmMultiPgPreview::cmdGoTo_Click()
{
    picGoto->show();
    picGoto->raise();
    txtGoto->setText(QString::number(m_nav.currentPage() + 1));
    txtGoto->selectAll();
    txtGoto->setFocus();
}

void frmMultiPgPreview::cmdGotoOK_Click()
{
    const int target = m_nav.goToTarget(txtGoto->text());
    if (target < 0)
        return;
    showPage(target);
    Picture1->setFocus();
}

void frmMultiPgPreview::cmdFullPage_Click()
{
    if (!cmdFullPage->isChecked()) {
        picFullPage->hide();
        Picture1->show();
        Picture1->setFocus();
        return;
    }
    drawFullPage();
    hidePanels();
    Picture1->hide();
    picFullPage->show();
    picFullPage->raise();
    picFullPage->setFocus();
}

void frmMultiPgPreview::cmd_print_Click()
{
    picPrintOptions->open(m_nav.lastPage() + 1);
    picGoto->hide();
    picPrintOptions->show();
    picPrintOptions->raise();
}

void frmMultiPgPreview::cmdPrint_Click()
{
    PrintPanel& panel = *picPrintOptions;
    const int current = m_nav.currentPage();
    PageRunFailures failed;
    int pages = 1;
    switch (panel.PrintOption()) {
    case PrintPanel::Clipboard:
        QGuiApplication::clipboard()->setPixmap(m_pagePicture);
        break;
    case PrintPanel::CurrentPage:
        panel.setBusy(true);
        panel.showProgress(printingText(current + 1));
        failed = runPages(current, current, [this](int) {
            printShownPage();
            return QString();
        });
        break;
    case PrintPanel::PageRange: {
        panel.setBusy(true);
        const QString to = panel.txtTo->text();
        const int first = leadingNumber(panel.txtFrom->text()) - 1;
        const int last = leadingNumber(to) - 1;
        pages = last - first + 1;
        failed = runPages(first, last, [&](int page) {
            panel.showProgress(printingText(page + 1, to));
            const QString unread = loadPage(page);
            if (unread.isEmpty())
                printShownPage();
            return unread;
        });
        loadPage(current);
        break;
    }
    case PrintPanel::ToFolder:
        picGetFolder->show();
        picGetFolder->raise();
        break;
    default:
        if (m_engine)
            m_engine->setSendToPrinter(true);
        close();
        return;
    }
    endPrintPanelWork();
    if (!failed.pages.isEmpty())
        throw PageRunError(runtime::ErrorNumber::PrinterError, QStringLiteral("printed"), failed, pages);
}

void frmMultiPgPreview::printShownPage()
{
    // the page goes out on paper turned as the engine drew it
    if (m_engine)
        m_engine->setOrientation(m_engine->Orientation());
    PrintPage(m_pagePicture.toImage(), pictureTitle(m_engine ? m_engine->ReportTitle() : QString()));
}

void frmMultiPgPreview::endPrintPanelWork()
{
    picPrintOptions->setBusy(false);
    picPrintOptions->hide();
}

void frmMultiPgPreview::cmd_quit_Click()
{
    if (m_engine)
        m_engine->setSendToPrinter(false);
    close();
}

void frmMultiPgPreview::cmdOpen_Click()
{
    const QString folder = picGetFolder->path();
    picGetFolder->hide();
    picPrintOptions->show();
    picPrintOptions->setBusy(true);
    QCoreApplication::processEvents();
    const QString title = pictureTitle(m_engine ? m_engine->ReportTitle() : QString());
    const bool jpg = picGetFolder->jpgChosen();
    cGdiPlus gdip;
    const PageRunFailures failed = runPages(0, m_nav.lastPage(), [&](int page) {
        picPrintOptions->showProgress(QStringLiteral("Copying page %1").arg(page + 1));
        const QString unread = loadPage(page);
        if (!unread.isEmpty())
            return unread;
        return gdip.PictureBoxToFile(m_pagePicture.toImage(), pictureFileName(folder, title, page, jpg), kPictureQuality)
                   ? QString()
                   : gdip.lastFailureReason();
    });
    endPrintPanelWork();
    loadPage(m_nav.currentPage());
    if (!failed.pages.isEmpty())
        throw PageRunError(runtime::ErrorNumber(75), QStringLiteral("saved to ") + QDir::toNativeSeparators(folder),
                           failed, m_nav.lastPage() + 1);
}

void frmMultiPgPreview::cmdQuit_Click()
{
    picGetFolder->hide();
    endPrintPanelWork();
}

void frmMultiPgPreview::drawFullPage()
{
    const QRect box = m_nav.fullPageBox(ui::TwipsPlacer(this).y(kFullPageEdge));
    picFullPage->setGeometry(box);
    QPixmap view(box.size());
    view.fill(palette().color(QPalette::Window));
    if (!m_pagePicture.isNull()) {
        QPainter painter(&view);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(PreviewNavigation::fitPage(m_pagePicture.size(), box.size()), m_pagePicture,
                           QRectF(m_pagePicture.rect()));
    }
    picFullPage->setPixmap(view);
}

void frmMultiPgPreview::pagingKey(PreviewNavigation::KeyTarget target, int keyCode)
{
    using Action = PreviewNavigation::Action;
    switch (const Action action = m_nav.keyAction(target, keyCode)) {
    case Action::None: return;
    case Action::Previous: Command1_Click(0); return;
    case Action::Next: Command1_Click(1); return;
    case Action::First: showPage(0); return;
    case Action::Last: showPage(m_nav.lastPage()); return;
    case Action::GoTo: cmdGoTo_Click(); return;
    default:
        m_nav.scroll(action);
        HScroll1->setValue(m_nav.horizontalValue());
        VScroll1->setValue(m_nav.verticalValue());
        return;
    }
}

void frmMultiPgPreview::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    hidePanels();
}

void frmMultiPgPreview::keyPressEvent(QKeyEvent* event)
{
    const int ascii = ui::keyAscii(event);
    if (ascii == 'G' || ascii == 'g')
        cmdGoTo_Click();
    else
        QWidget::keyPressEvent(event);
}

bool frmMultiPgPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Picture1 && panEvent(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// Panning with the left button (no Shift, Ctrl or Alt) held on the page.
bool frmMultiPgPreview::panEvent(QEvent* event)
{
    const auto* mouse = dynamic_cast<QMouseEvent*>(event);
    if (!mouse)
        return false;
    const QPoint at = mouse->position().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        hidePanels();
        if (mouse->button() != Qt::LeftButton || mouse->modifiers() != Qt::NoModifier)
            return false;
        m_dragStart = at;
        setCursor(Qt::SizeAllCursor);
        return true;
    case QEvent::MouseMove:
        if (!m_dragStart)
            return false;
        m_nav.pan(at - *m_dragStart);
        placePage();
        return true;
    case QEvent::MouseButtonRelease: {
        if (!m_dragStart || mouse->button() != Qt::LeftButton)
            return false;
        m_dragStart.reset();
        HScroll1->setValue(m_nav.horizontalValue());
        VScroll1->setValue(m_nav.verticalValue());
        unsetCursor();
        return true;
    }
    default: return false;
    }
}

} // namespace preview
