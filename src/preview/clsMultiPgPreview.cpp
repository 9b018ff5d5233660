#include "preview/clsMultiPgPreview.h"

#include "preview/ImageSurface.h"
#include "preview/PageFiles.h"
#include "preview/PrinterSurface.h"
#include "preview/TextHelpers.h"
#include "preview/frmMultiPgPreview.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/spooler/Printer.h"
#include "platform/ui/Colors.h"
#include "platform/ui/WindowHost.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <cmath>

namespace preview {
namespace {

clsMultiPgPreview::Surfaces programSurfaces()
{
    return {[] { return std::unique_ptr<PageSurface>(std::make_unique<PrinterSurface>()); },
            [](const QSizeF& paper, const QString& folder) {
                const QScreen* screen = QGuiApplication::primaryScreen();
                const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
                return std::unique_ptr<PageSurface>(std::make_unique<ImageSurface>(paper, folder, dpi));
            }};
}

QColor colorOf(int color) { return ui::toQColor(quint32(color)); }

int colorValue(const QColor& color) { return color.red() | color.green() << 8 | color.blue() << 16; }

} // namespace

clsMultiPgPreview::clsMultiPgPreview() : clsMultiPgPreview(programSurfaces()) {}

clsMultiPgPreview::clsMultiPgPreview(Surfaces surfaces)
    : m_surfaces(std::move(surfaces)), m_printer(m_surfaces.printer())
{
    setOrientation(1);
    setPrintCopies(1);
}

clsMultiPgPreview::~clsMultiPgPreview() = default;

PageSurface& clsMultiPgPreview::surface() const
{
    if (m_sendToPrinter)
        return *m_printer;
    if (!m_preview)
        throw runtime::RuntimeError(runtime::ErrorNumber::ObjectVariableNotSet);
    return *m_preview;
}

void clsMultiPgPreview::pStartDoc()
{
    m_pageCounter = 0;
    m_printerPage = 0;
    m_paper = m_printer->paperSize();
    if (m_sendToPrinter) {
        m_printer->startDoc();
        return;
    }
    auto folder = std::make_unique<QTemporaryDir>(QDir::temp().filePath(QStringLiteral("quorvel-preview-XXXXXX")));
    if (!folder->isValid())
        throw PageSaveError(QDir::tempPath(), {0}, folder->errorString());
    m_preview = m_surfaces.preview(m_paper, folder->path());
    m_folder = std::move(folder);
    m_preview->font().name = m_printer->font().name;
    m_preview->font().size = m_printer->font().size;
    m_preview->setForeColor(m_printer->foreColor());
    m_preview->startDoc();
}

void clsMultiPgPreview::pNewPage()
{
    surface().newPage();
    if (m_sendToPrinter)
        ++m_printerPage;
    else
        ++m_pageCounter;
}

void clsMultiPgPreview::pEndDoc(bool modal, QWidget* owner)
{
    if (m_sendToPrinter) {
        m_printer->endDoc();
        m_sendToPrinter = false;
        return;
    }
    surface().endDoc();
    // the folder now belongs to the window, which removes it when it closes
    m_folder->setAutoRemove(false);
    const QString folder = m_folder->path();
    m_folder.reset();
    m_window = new frmMultiPgPreview(folder, m_pageCounter, this, owner);
    if (modal)
        ui::WindowHost::showModal(m_window);
    else
        ui::WindowHost::showModeless(m_window);
}

frmMultiPgPreview* clsMultiPgPreview::previewWindow() const { return m_window; }

int clsMultiPgPreview::GetPage() const { return (m_sendToPrinter ? m_printerPage : m_pageCounter) + 1; }

void clsMultiPgPreview::setOrientation(int orientation)
{
    spooler::Printer::current().setOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    m_orientation = orientation;
}

int clsMultiPgPreview::PrintCopies() const { return spooler::Printer::current().copies(); }

void clsMultiPgPreview::setPrintCopies(int copies) { spooler::Printer::current().setCopies(copies); }

void clsMultiPgPreview::setColorMode(int mode)
{
    if (mode < 0 || mode > 255)
        throw runtime::RuntimeError(runtime::ErrorNumber::Overflow);
    m_colorMode = mode;
    if (m_sendToPrinter)
        spooler::Printer::current().setMonochrome(mode == 1);
}

QString clsMultiPgPreview::FontName() const { return surface().font().name; }

void clsMultiPgPreview::setFontName(const QString& name) { surface().font().name = name; }

int clsMultiPgPreview::FontSize() const { return qRound(surface().font().size); }

void clsMultiPgPreview::setFontSize(double size) { surface().font().size = size; }

bool clsMultiPgPreview::FontBold() const { return surface().font().bold; }

void clsMultiPgPreview::setFontBold(bool on) { surface().font().bold = on; }

bool clsMultiPgPreview::FontItalic() const { return surface().font().italic; }

void clsMultiPgPreview::setFontItalic(bool on) { surface().font().italic = on; }

bool clsMultiPgPreview::FontUnderline() const { return surface().font().underline; }

void clsMultiPgPreview::setFontUnderline(bool on) { surface().font().underline = on; }

bool clsMultiPgPreview::FontStrikethru() const { return surface().font().strikethru; }

void clsMultiPgPreview::setFontStrikethru(bool on) { surface().font().strikethru = on; }

int clsMultiPgPreview::ForeColor() const { return colorValue(surface().foreColor()); }

void clsMultiPgPreview::setForeColor(int color) { surface().setForeColor(colorOf(color)); }

double clsMultiPgPreview::CurrentX() const { return surface().currentX(); }

void clsMultiPgPreview::setCurrentX(double x) { surface().setCurrentX(x); }

double clsMultiPgPreview::CurrentY() const { return surface().currentY(); }

void clsMultiPgPreview::setCurrentY(double y) { surface().setCurrentY(y); }

int clsMultiPgPreview::DrawWidth() const
{
    return previewing() ? surface().drawWidth() * 2 : surface().drawWidth();
}

void clsMultiPgPreview::setDrawWidth(int width)
{
    width = std::max(width, 1);
    // halves rounded to even, as the runtime rounds
    surface().setDrawWidth(previewing() ? std::max(1, int(std::nearbyint(width / 2.0))) : width);
}

int clsMultiPgPreview::BackColor() const { return colorValue(surface().backColor()); }

void clsMultiPgPreview::setBackColor(int color)
{
    if (color != -1) {
        surface().setFontTransparent(false);
        surface().setBackColor(colorOf(color));
        return;
    }
    if (m_sendToPrinter)
        resetBackground();
    surface().setFontTransparent(true);
    surface().setBackColor(Qt::white);
}

bool clsMultiPgPreview::FontTransparent() const { return surface().fontTransparent(); }

void clsMultiPgPreview::setFontTransparent(bool transparent)
{
    if (m_sendToPrinter && transparent) {
        resetBackground();
        setBackColor(-1);
    } else {
        surface().setFontTransparent(transparent);
    }
}

// Leaves the printer's text background white, the position where it was.
void clsMultiPgPreview::resetBackground()
{
    const double x = CurrentX();
    const double y = CurrentY();
    setBackColor(0xFFFFFF);
    pQuarterSpace();
    setCurrentX(x);
    setCurrentY(y);
}

double clsMultiPgPreview::GetTextWidth(const QString& text) const { return surface().textWidth(text); }

double clsMultiPgPreview::GetTextHeight(const QString& text) const { return surface().textHeight(text); }

QString clsMultiPgPreview::GetRemoveCRLF(const QString& text) const { return removeLineBreaks(text); }

QString clsMultiPgPreview::GetStripQuotes(const QString& text) const { return stripQuotes(text); }

QString clsMultiPgPreview::GetFormalCase(const QString& text) const { return formalCase(text); }

} // namespace preview
