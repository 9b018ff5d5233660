// The consignment history window's head-office panel (fraROStatus): what the head office's own
// tracking database knows of the typed number, read through the branch server's link to it: its
// delivery runsheet entries (msgGrid1), office scans (msgGrid2), point-to-point scans (msgGrid3)
// and over-the-counter scans (msgGrid4).

#include "consignment/frmConsignWiseGridQuery.h"

#include "consignment/GridRows.h"

#include "core/ModuleState.h"

#include "platform/db/Recordset.h"
#include "platform/db/SqlText.h"
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

// What stands before a head-office table's name: the branch server's link to the head office.
// The server's name comes from the settings table and is bracketed as one name.
QString HeadOfficePrefix()
{
    return db::sqlName(core::gstrHeadOfficeServer + QStringLiteral(",2301")) + QStringLiteral(".KWD32Server.dbo.");
}

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

    // The number is compared as the head office keeps it: text, leading zeros included.
    const QString n = db::sqlQuote(number);
    const QString prefix = HeadOfficePrefix();
    const HeadOfficeQuery queries[] = {
        {msgGrid1,
         QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,Origin,CNo,StnCode+'/'+bcode As Destn,"
                        "DR.Rcode as Status,RM.Descp As Description,")
             + QStringLiteral(" DRSNo,SNo,CNee,RcvdBy,DTime,Staff,Route as DlyRoute From ") + prefix + QStringLiteral("DrFile DR")
             + QStringLiteral(" Left Outer Join ") + prefix
             + QStringLiteral("status RM ON DR.Rcode=RM.Rcode where cno=") + n
             + QStringLiteral(" order by dtime"),
         1200},
        {msgGrid2,
         QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,Origin,SNo,CNo,StnCode+'/'+OPCode As OPCode,"
                        "Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT,")
             + QStringLiteral(" Destn,MFNo,Weight,Pcs,RmKs,AR As AddlRmks,Hub,State,MTime from ")
             + prefix + QStringLiteral("CnFile where cno=") + n + QStringLiteral(" order by tdate,mtime"),
         1100},
        {msgGrid3,
         QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,ptime,Origin,SlNo,CNo,StnCode+'/'+OPCode As "
                        "Scanned@,Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT,")
             + QStringLiteral(" Bcode,PntNo,Weight,Pcs,Rmks As Remarks,TLoad As LoadN From ")
             + prefix + QStringLiteral("PointPod where cno=") + n + QStringLiteral(" order by tdate,ptime"),
         1200},
        {msgGrid4,
         QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,Origin,Mfno,StnCode+'/'+OPCode As Scanned@,"
                        "Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT,")
             + QStringLiteral(" Destn,OTime,OTCNo,SNo,Weight,Pcs,Rmks As Remarks,Ar As AddlRemarks From ")
             + prefix + QStringLiteral("OTCFile where mfno=") + n + QStringLiteral(" Order by tdate,OTime"),
         1200},
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
