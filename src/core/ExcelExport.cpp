#include "core/ExcelExport.h"

#include "platform/excel/Application.h"
#include "platform/excel/PastedText.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/paths/Installation.h"
#include "platform/ui/WaitPointer.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

namespace core {
namespace {

const QString kCompanyTitle = QStringLiteral("Orvane - Velmora");
const QString kExportFolder = QStringLiteral("ConvertedExcelFile");

// Selects the whole grid and returns its text as the spreadsheet pastes it: tab between cells,
// carriage return between rows, a cell that holds a tab or a line break quoted.
QString SelectWholeGrid(ui::FlexGrid& grid)
{
    if (grid.rows() == 0 || grid.cols() == 0)
        return QString();
    grid.setCol(0);
    grid.setRow(0);
    grid.setColSel(grid.cols() - 1);
    grid.setRowSel(grid.rows() - 1);
    return grid.clip(excel::appendPastedCell);
}

// The workbook's path in the export folder, which is made when missing; "" when it cannot be.
QString ExportPath(const QString& fileName)
{
    if (fileName.isEmpty() || fileName.contains(u'/') || fileName.contains(u'\\') || fileName == u"."
        || fileName == u"..")
        return QString();
    if (!QDir().mkpath(paths::programPath(kExportFolder)))
        return QString();
    return paths::programPath(kExportFolder + u'\\' + fileName + QStringLiteral(".xlsx"));
}

// Pastes the grid's text into a new workbook and adds the title rows, then saves it. Throws
// excel::AutomationError when the spreadsheet refuses a step (a grid beyond its size); a refusal
// after the paste leaves the workbook saved as pasted. The file is written once either way.
bool WriteWorkbook(excel::Application& excelApp, const QString& fileName, ui::FlexGrid& grid, const QString& title1,
    const QString& title2)
{
    const std::shared_ptr<excel::Workbook> book = excelApp.addWorkbook();

    const int columns = grid.cols();
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(SelectWholeGrid(grid));

    excel::Worksheet& pasteSheet = excelApp.activeWorkbook()->activeSheet();
    pasteSheet.range(QStringLiteral("A1")).select();
    pasteSheet.paste();
    excelApp.setVisible(true);

    const QString path = ExportPath(fileName);
    excel::Worksheet& sheet = *book->worksheet(QStringLiteral("Sheet1"));
    try {
        // refused before it changes anything, so the sheet is still as pasted
        sheet.rows(QStringLiteral("1:4")).insert();
    } catch (const excel::AutomationError&) {
        if (!path.isEmpty())
            book->saveAs(path);
        throw;
    }
    // a grid without columns still gets its titles, in column A
    const int lastColumn = std::max(columns, 1);
    for (int row = 1; row <= 4; ++row) {
        excel::Range titleRow = sheet.range(sheet.cells(row, 1), sheet.cells(row, lastColumn));
        titleRow.merge();
        titleRow.setHorizontalAlignment(excel::HorizontalAlignment::Center);
    }
    sheet.cells(1, 1).setValue(kCompanyTitle);
    sheet.cells(2, 1).setValue(title1);
    sheet.cells(3, 1).setValue(title2);

    const bool written = !path.isEmpty() && book->saveAs(path);
    book->close();
    return written;
}

} // namespace

bool ExportGridToExcel(const QString& FileName, ui::FlexGrid* Grid, const QString& Title1, const QString& Title2)
{
    const auto pointer = ui::waitPointer();
    std::shared_ptr<excel::Application> excelApp = excel::Application::running();
    if (!excelApp)
        excelApp = excel::Application::start();
    bool written = false;
    try {
        written = WriteWorkbook(*excelApp, FileName, *Grid, Title1, Title2);
    } catch (const excel::AutomationError&) {
        // the export stops there, silently; quitting closes the workbook
    }
    excelApp->quit();
    return written;
}

} // namespace core
