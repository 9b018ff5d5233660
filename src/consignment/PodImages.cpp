// The POD scan of a runsheet row: a click opens it from the image server, Enter from the branch's
// own DRS output folder. The shell opens what it is given; nothing is reported to the clerk.

#include "consignment/frmConsignWiseGridQuery.h"

#include "core/ModuleState.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/shell/Shell.h"
#include "platform/ui/ControlEvents.h"

namespace consignment {

namespace {

constexpr int kBarRsNoColumn = 6;
constexpr int kPathColumn = 11;

// Hands a path or web address to the shell's "Open"; whether it opened is not looked at.
void ShellOpenPath(const QString& path) { shell::ShellExecute(QStringLiteral("Open"), path); }

// The current row's text in a column; "" while the grid shows no runsheet layout (its design
// state before the first query has a single column).
QString CurrentRowText(const ui::FlexGrid* grid, int col)
{
    return col < grid->cols() ? grid->textMatrix(grid->row(), col) : QString();
}

} // namespace

void frmConsignWiseGridQuery::msgRunsheetDetails_Click()
{
    const QString barRsNo = CurrentRowText(msgRunsheetDetails, kBarRsNoColumn);
    if (core::gblnCentralMode && core::gblnPodImageMode && barRsNo.isEmpty())
        return;
    if (msgRunsheetDetails->text().isEmpty())
        return;
    mPodImageName = CurrentRowText(msgRunsheetDetails, kPathColumn) + QStringLiteral("DZEL") + barRsNo;
    ShellOpenPath(core::gstrDrsImageUrl + mPodImageName + QStringLiteral(".JPG"));
}

void frmConsignWiseGridQuery::msgRunsheetDetails_KeyPress(int& KeyAscii)
{
    if (KeyAscii != ui::vbKeyReturn)
        return;
    const QString barRsNo = CurrentRowText(msgRunsheetDetails, kBarRsNoColumn);
    if (barRsNo.isEmpty() || msgRunsheetDetails->text().isEmpty())
        return;
    // each scan lies in a folder of its own, named like the picture, inside the month's folder
    mPodImageName = QStringLiteral("DZEL") + barRsNo;
    ShellOpenPath(core::gstrDrsOutPath + core::gstrMonthDB.mid(3) + u'\\' + mPodImageName + u'\\' + mPodImageName
                  + QStringLiteral(".jpg"));
}

} // namespace consignment
