// The consignment history window's head-office panel (fraROStatus): what the head office's own
// tracking database knows of the typed number, read through the branch server's link to it: its
// delivery runsheet entries (msgGrid1), office scans (msgGrid2), point-to-point scans (msgGrid3)
// and over-the-counter scans (msgGrid4).

#include "consignment/frmConsignWiseGridQuery.h"

#include "consignment/GridRows.h"
#include "consignment/HeadOfficeStatements.h"

#include "core/ModuleState.h"

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/MessageBox.h"

#include <QGroupBox>
#include <QLineEdit>

namespace consignment {
namespace {

// One head-office grid: its statement and the width of each of its columns once filled.
struct HeadOfficeQuery {
    ui::FlexGrid* grid;
    QString sql;
    int colWidth; // twips
};

// The grid as the window designed it: two rows, one column, nothing written.
void ResetToDesign(ui::FlexGrid* grid)
{
    grid->clear();
    grid->setRows(2);
    grid->setCols(1);
    grid->setColWidth(0, -1);
}

// The result's field names as headings, then one grid row per result row with one empty row
// below them. A number the head office does not know in this table empties the grid, so that no
// earlier number's rows stand under the new number.
void FillHeadOfficeGrid(const HeadOfficeQuery& query)
{
    db::Recordset rs;
    rs.open(query.sql, core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    ui::FlexGrid* grid = query.grid;
    if (rs.eof()) {
        ResetToDesign(grid);
        rs.close();
        return;
    }
    grid->clear();
    WriteWithFieldHeadings(grid, rs);
    for (int c = 0; c < grid->cols(); ++c)
        grid->setColWidth(c, query.colWidth);
    rs.close();
}

} // namespace

void frmConsignWiseGridQuery::cmdROStatus_Click()
{
    const QString number = txtConsignMentNo->text().trimmed();
    if (number.isEmpty()) {
        ui::MsgBox(QStringLiteral("Enter Consignment No"), ui::vbInformation);
        txtConsignMentNo->setFocus();
        return;
    }
    fraROStatus->show();

    const QString& server = core::gstrHeadOfficeServer;
    const HeadOfficeQuery queries[] = {
        {msgGrid1, headOfficeRunsheetStatement(server, number), 1200},
        {msgGrid2, headOfficeScanStatement(server, number), 1100},
        {msgGrid3, headOfficePointStatement(server, number), 1200},
        {msgGrid4, headOfficeCounterStatement(server, number), 1200},
    };
    for (const HeadOfficeQuery& query : queries)
        FillHeadOfficeGrid(query);
}

void frmConsignWiseGridQuery::cmdROExit_Click()
{
    fraROStatus->hide();
    txtConsignMentNo->setFocus();
}

} // namespace consignment
