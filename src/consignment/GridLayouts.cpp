// The heading layouts of the history grids: each format procedure empties its grid and lays out
// the heading row and one empty data row; the loaders write the data.

#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/flexgrid/ColumnLayouts.h"
#include "platform/flexgrid/FlexGrid.h"

namespace consignment {

namespace {

constexpr int kLeft = ui::flexAlignLeftCenter;
constexpr int kRight = ui::flexAlignRightCenter;
using Column = ui::ColumnLayout;
using ui::emptyWithColumns;
using ui::selectWholeRows;
using ui::setAlignments;
using ui::setHeadings;
using ui::setWidths;

} // namespace

void frmConsignWiseGridQuery::FormatLmfGrid()
{
    static constexpr Column columns[] = {
        {"LMF Date", 1900, kLeft}, {"Frm Branch", 1300, kLeft}, {"S No", 700, kLeft},
        {"Consignment No.", 1600, kLeft}, {"To Branch", 900, kLeft}, {"Weight", 1000, kLeft},
        {"Remarks", 2500, kLeft}, {"LMF Scan Time", 2500},
    };
    ui::layOutColumns(msgLMF, columns);
    selectWholeRows(msgLMF, ui::flexFocusNone);
}

void frmConsignWiseGridQuery::FormatBlmfGrid()
{
    static constexpr Column columns[] = {
        {"BLMF Date", 1900, kLeft}, {"S No", 800, kLeft},   {"Consignment No.", 1600, kLeft},
        {"Branch", 900, kLeft},     {"Weight", 1000, kLeft}, {"Remarks", 2500, kLeft},
        {"BLMF Scan Time", 2500, kLeft},
    };
    ui::layOutColumns(msgBLMF, columns);
    selectWholeRows(msgBLMF, ui::flexFocusNone);
}

void frmConsignWiseGridQuery::FormatRunsheetGrid()
{
    static constexpr Column columns[] = {
        {"RS Date", 1800, kLeft}, {"RS No.", 1300, kLeft},   {"Sl.No.", 600, kLeft},    {"Area", 3000, kLeft},
        {"Staff", 2600, kLeft},   {"Mode", 1200, kLeft},     {"Bar RSNo", 1100, kLeft}, {"Mobile No.", 1400},
        {"Contact Name", 1800},   {"Branch", 900},           {"Cust Mobile", 1600},     {"Path", 2000},
        {"Create Date", 4000, kRight},
    };
    ui::layOutColumns(msgRunsheetDetails, columns);
    selectWholeRows(msgRunsheetDetails, ui::flexFocusNone);
}

void frmConsignWiseGridQuery::FormatDeliveryGrid()
{
    static constexpr Column columns[] = {
        {"S No", 800, kLeft}, {"Date", 1700, kLeft},  {"Action Type", 2500, kLeft}, {"Reason/Remarks", 3000, kLeft},
        {"Address", 4900},    {"Create Date", 2500}, {"Branch", 1800},
    };
    ui::layOutColumns(msgDeliveryDetails, columns);
}

void frmConsignWiseGridQuery::FormatMisrouteGrid()
{
    static constexpr Column columns[] = {
        {"IMF Date", 2600, kLeft},    {"Pieces", 800, kLeft},     {"Weight", 1000, kRight},
        {"Misroute", 1600, kLeft},    {"Destination", 2500, kLeft}, {"CreateUser", 1500, kLeft},
        {"Create Date", 3800, kLeft},
    };
    ui::layOutColumns(msgMisroute, columns);
    selectWholeRows(msgMisroute, ui::flexFocusNone);
}

void frmConsignWiseGridQuery::FormatIncomingGrid()
{
    static constexpr Column columns[] = {
        {"MF Date", 1400, kLeft}, {"Destn/OTC", 1200, kLeft}, {"MF No.", 1000, kLeft}, {"Origin", 1000, kRight},
        {"Con No.", 1500, kLeft}, {"Status", 1500, kLeft},    {"Remarks", 1800, kLeft}, {"Weight", 800, kRight},
        {"Entry Time", 2300},     {"NoOfPcs", 900},           {"Branch", 900},          {"LateArrival", 1600},
        {"MachineId", 1800},
    };
    ui::layOutColumns(msgIncoming, columns);
    selectWholeRows(msgIncoming, ui::flexFocusNone);
}

void frmConsignWiseGridQuery::FormatReturnPodGrid()
{
    // the grid's spare width holds the dated weekday, the consignment and runsheet numbers whole
    static constexpr Column columns[] = {
        {"Rtn Date", 2100, kLeft},  {"Origin", 850, kLeft},     {"Con No.", 1750, kLeft}, {"RS. No.", 1200, kRight},
        {"Dely Area", 2200, kLeft}, {"Branch", 1200, kLeft},    {"Dely Staff", 1900, kLeft}, {"Reason", 1600},
        {"Cust Mobile No", 2000},   {"POD ScanTime", 2000},
    };
    // this layout writes its headings before the widths
    emptyWithColumns(msgReturnPOD, columns);
    setHeadings(msgReturnPOD, columns);
    setWidths(msgReturnPOD, columns);
    setAlignments(msgReturnPOD, columns);
    selectWholeRows(msgReturnPOD, ui::flexFocusNone);
}

void frmConsignWiseGridQuery::FormatSmsGrid()
{
    static constexpr Column columns[] = {
        {"T Date", 1300, kLeft},        {"Mobile No", 1400, kLeft}, {"Body Text", 8500, kLeft},
        {"Sent DateTime", 2100, kLeft}, {"Status", 1000, kLeft},
    };
    ui::layOutColumns(msgGridSms, columns);
}

void frmConsignWiseGridQuery::FormatPendingGrid()
{
    static constexpr Column columns[] = {
        {"SNo", 600},     {"T Date", 1800},     {"Branch", 800},
        {"Remarks", 1800}, {"Entry Time", 3000}, {"User-System", 3000},
    };
    // the pending grid is made visible first and gets its rows before its columns
    msgPending->setVisible(true);
    msgPending->clear();
    msgPending->setRows(2);
    msgPending->setCols(int(std::size(columns)));
    setWidths(msgPending, columns);
    setHeadings(msgPending, columns);
    selectWholeRows(msgPending, ui::flexFocusHeavy);
}

void frmConsignWiseGridQuery::FormatReturnDocsGrid()
{
    // the grid's spare width holds the origin and the consignment number after it whole
    static constexpr Column columns[] = {
        {"Date", 1700, kLeft},     {"Branch", 800, kLeft}, {"Consign No", 2150, kLeft}, {"Recvd By", 2000, kLeft},
        {"Remarks", 2000},         {"Doc Status", 2000},   {"Entry Date", 2300},        {"Create User", 3500},
    };
    ui::layOutColumns(msgRtnDocs, columns);
}

void frmConsignWiseGridQuery::FormatMobileGrid()
{
    // the mobile search writes its statement's column names as headings
    static constexpr Column columns[] = {
        {nullptr, 800, kLeft},  {nullptr, 1400, kLeft}, {nullptr, 1000, kLeft},
        {nullptr, 1800, kLeft}, {nullptr, 1800, kLeft}, {nullptr, 1000},
    };
    ui::layOutColumns(msgMobile, columns);
    selectWholeRows(msgMobile, ui::flexFocusNone);
}

} // namespace consignment
