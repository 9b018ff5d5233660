#pragma once

#include "preview/PageSurface.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QTemporaryDir;
class QWidget;

namespace preview {

class frmMultiPgPreview;

// The page engine: a caller composes a document between pStartDoc and pEndDoc, with pNewPage
// between pages. In printer mode (SendToPrinter, the default) everything goes to the program's
// printer and pEndDoc sends the job; in preview mode the pages are drawn as pictures, saved as the
// page files of a folder of the document's own, and pEndDoc shows them in a preview window of
// their own. Coordinates and sizes are in inches; -1 as a coordinate or size means not given.
// Colours are 0x00BBGGRR values.
class clsMultiPgPreview : public QObject {
public:
    // How the engine makes its surfaces: the printer's, once; a page picture per previewed document.
    struct Surfaces {
        std::function<std::unique_ptr<PageSurface>()> printer;
        std::function<std::unique_ptr<PageSurface>(const QSizeF& paper, const QString& folder)> preview;
    };

    clsMultiPgPreview();
    explicit clsMultiPgPreview(Surfaces surfaces);
    ~clsMultiPgPreview() override;

    // Document. pStartDoc raises the printer error without a printer, and PageSaveError when the
    // preview cannot make its folder in the temporary folder; pEndDoc raises PageSaveError for pages
    // that could not be written (and then shows no window).
    void pStartDoc();
    void pNewPage();
    void pEndDoc(bool modal = false, QWidget* owner = nullptr);
    int GetPage() const;
    double GetPaperWidth() const { return m_paper.width(); }
    double GetPaperHeight() const { return m_paper.height(); }
    // The window showing the last previewed document, while it is open.
    frmMultiPgPreview* previewWindow() const;

    bool SendToPrinter() const { return m_sendToPrinter; }
    void setSendToPrinter(bool toPrinter) { m_sendToPrinter = toPrinter; }
    int Orientation() const { return m_orientation; } // 1 portrait, 2 landscape
    void setOrientation(int orientation);
    int PrintCopies() const;
    void setPrintCopies(int copies);
    int ColorMode() const { return m_colorMode; } // 1 monochrome, 2 colour
    void setColorMode(int mode);
    QString ReportTitle() const { return m_title; }
    void setReportTitle(const QString& title) { m_title = title; }
    QString ReportSubTitle() const { return m_subTitle; }
    void setReportSubTitle(const QString& subTitle) { m_subTitle = subTitle; }

    // Properties of the surface of the current mode.
    QString FontName() const;
    void setFontName(const QString& name);
    void pFontName(const QString& name) { setFontName(name); }
    int FontSize() const;
    void setFontSize(double size);
    bool FontBold() const;
    void setFontBold(bool on);
    bool FontItalic() const;
    void setFontItalic(bool on);
    bool FontUnderline() const;
    void setFontUnderline(bool on);
    bool FontStrikethru() const;
    void setFontStrikethru(bool on);
    int ForeColor() const;
    void setForeColor(int color);
    double CurrentX() const;
    void setCurrentX(double x);
    double CurrentY() const;
    void setCurrentY(double y);
    // Below 1 becomes 1; a page picture draws at half the width (at least 1) and reads back twice its own.
    int DrawWidth() const;
    void setDrawWidth(int width);
    // -1: transparent text on white; any other colour: opaque text on that colour.
    int BackColor() const;
    void setBackColor(int color);
    bool FontTransparent() const;
    void setFontTransparent(bool transparent);
    double GetTextWidth(const QString& text) const;
    double GetTextHeight(const QString& text) const;

    // Text.
    void pPrint(const QString& text, double x = -1, bool sameLine = false);
    void pMultiline(const QString& text, double x = -1, double rightEdge = -1, const QString& indent = {},
                    bool sameLine = false, bool checkPageEnd = true);
    void pCenterMultiline(const QString& text, double left = 0, double right = -1, bool keepReturns = false,
                          bool sameLine = false);
    void pCenter(const QString& text, bool sameLine = false, double width = -1, double left = 0);
    void pRightJust(const QString& text, double x = -1, bool sameLine = false);
    void pRightTab(const QString& text, double x = 0, bool sameLine = false);
    void pPrintRotate(const QString& text, int angle, double x = -1);
    void pHeader(const QString& title, const std::optional<QString>& subTitle = {},
                 const std::optional<bool>& titleItalic = {});
    void pFooter(const QString& text = {});
    bool pEndOfPage(double extra = 0, bool footerRoom = false);
    void pPrintedDate(bool centred = true, double x = 0, bool sameLine = false);
    void pCancled();
    void pHalfSpace();
    void pQuarterSpace();
    void p15Space();
    void pDots(double toX, double x = 0);
    void pSpaces(double toX = -1, double x = -1, bool symbols = false);
    void pBullet(double x = -1);
    void pDoubleLine(double x1 = 0, double x2 = -1, int width = 0, bool stepDown = false);
    QString GetRemoveCRLF(const QString& text) const;
    QString GetStripQuotes(const QString& text) const;
    QString GetFormalCase(const QString& text) const;

    // Drawing.
    void pLine(double x1 = -1, double x2 = -1, int width = 0, bool stepDown = false);
    void pVerticalLine(double x = -1, double y1 = -1, double y2 = -1, int width = 0);
    void pBox(double x = -1, double y = -1, double width = -1, double height = -1, int lineColor = -1,
              int fillColor = -1, int fillStyle = 1);
    void pCircle(double x, double y, double radius, int lineColor = -1, int fillColor = -1, int fillStyle = 1,
                 double aspect = 1);
    void pPrintPicture(const QImage& picture, double x = -1, double y = -1, double width = 0, double height = 0,
                       bool fitToPage = false, bool keepAspect = true);

private:
    PageSurface& surface() const;
    bool previewing() const { return !m_sendToPrinter; }
    void resetBackground();
    // Prints an empty line at the font size divided by the divisor (at least 1), then puts the size back.
    void spaceLine(int divisor);
    double textHeightAtSize10(const QString& sample);
    void printAtLineStart(double x, const QString& line, bool lineEnd);

    Surfaces m_surfaces;
    std::unique_ptr<PageSurface> m_printer;
    std::unique_ptr<PageSurface> m_preview;
    std::unique_ptr<QTemporaryDir> m_folder;
    QPointer<frmMultiPgPreview> m_window;
    bool m_sendToPrinter = true;
    QSizeF m_paper{0, 0};
    int m_orientation = 1;
    int m_colorMode = 2;
    QString m_title;
    QString m_subTitle;
    bool m_titleItalic = true;
    int m_pageCounter = 0;    // page of the previewed document, from 0
    int m_printerPage = 0;    // page of the print job, from 0
};

} // namespace preview
