#pragma once

#include "preview/PreviewNavigation.h"

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace preview {

class clsMultiPgPreview;
class FolderPanel;
class PrintPanel;

// The preview of one document: shows its page files one at a time beside a tool bar with the
// page caption, previous and next buttons, the go-to panel and the full-page ("Fit") view; the
// page scrolls with the bars and the keys and pans with the mouse. The print panel prints pages (each
// page a print job of its own), copies the page to the clipboard, saves all pages as pictures through
// the folder panel, or closes the window with the engine set to print everything ("Print All");
// Exit closes it with the engine back in preview mode. Closing the window deletes the document's
// page files and folder. The window deletes itself when closed.
class frmMultiPgPreview : public QWidget {
public:
    // The document's pages are PPview0.bmp to PPview<lastPage>.bmp in the folder; the window opens
    // on the first.
    frmMultiPgPreview(const QString& folder, int lastPage, clsMultiPgPreview* engine, QWidget* owner = nullptr);

    clsMultiPgPreview* engine() const;
    const QString& folder() const { return m_folder; }
    const PreviewNavigation& navigation() const { return m_nav; }

    // Controls (objectName = member name).
    QWidget* Picture2;
    QPushButton* cmd_quit;
    QPushButton* cmd_print;
    QPushButton* cmdFullPage;
    QLabel* Label1;
    QPushButton* Command1_0;
    QPushButton* Command1_1;
    QPushButton* cmdGoTo;
    QScrollBar* VScroll1;
    QWidget* picHScroll;
    QScrollBar* HScroll1;
    QLabel* Picture1;
    QLabel* picFullPage;
    QFrame* picGoto;
    QLabel* Label5;
    QLineEdit* txtGoto;
    QPushButton* cmdGotoOK;
    PrintPanel* picPrintOptions;
    FolderPanel* picGetFolder;

    // Window procedures.
    void Command1_Click(int index);
    void cmdGoTo_Click();
    void cmdGotoOK_Click();
    void cmdFullPage_Click();
    void cmd_print_Click();
    // Carries out the print panel's option. Pages that fail do not stop a run: they are reported
    // together at its end, with the first one's reason and the exclamation icon, after the panel has
    // left its busy state and the shown page is back.
    void cmdPrint_Click();
    void cmd_quit_Click();
    // The folder panel's Ok (save every page as a picture in its folder; failed pages are reported
    // as the print panel's are) and Cancel.
    void cmdOpen_Click();
    void cmdQuit_Click();
    // A released key on the page, the full page or a scroll bar.
    void pagingKey(PreviewNavigation::KeyTarget target, int keyCode);
    void UpdatePageCaption();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void layOut();
    // Shows the page file; "" when shown, else why it could not be read.
    QString loadPage(int page);
    void showPage(int page);
    void placePage();
    void hidePanels();
    void drawFullPage();
    bool panEvent(QEvent* event);
    void endPrintPanelWork();
    // Prints the page picture that Picture1 shows; raises the printer error when it cannot.
    void printShownPage();

    QString m_folder;
    QPointer<clsMultiPgPreview> m_engine;
    PreviewNavigation m_nav;
    QPixmap m_pagePicture;
    std::optional<QPoint> m_dragStart;
};

} // namespace preview
