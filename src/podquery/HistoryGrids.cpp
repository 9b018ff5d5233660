// The POD query window's history grids: the outgoing manifest lines (msgQuery), the manifest
// returns (msgMFRtn), the non-delivery reports (msgNonDel) and the incoming manifest lines (msgInc)
// of the enquired number.

#include "podquery/frmPODQueryGrid.h"

#include "podquery/PodQueryStatements.h"

#include "consignment/GridRows.h"
#include "consignment/ReasonNames.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"

#include "platform/db/Recordset.h"
#include "platform/flexgrid/ColumnLayouts.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Format.h"

namespace podquery {

namespace {

constexpr int kLeft = ui::flexAlignLeftCenter;
constexpr int kRight = ui::flexAlignRightCenter;

// A field's text, or the given text when it is Null.
QString TextOr(const QVariant& value, const QString& nullText)
{
    return value.isValid() ? runtime::CStr(value) : nullText;
}

// A date with its weekday: 05-Jan-24 - Friday; a Null date shows nothing.
QString DayDated(const QVariant& value)
{
    if (!value.isValid())
        return QString();
    return runtime::Format(value, QStringLiteral("dd-MMM-yy")) + QStringLiteral(" - ")
           + runtime::Format(value, QStringLiteral("dddd"));
}

// The layout order of these grids: columns, widths, headings, alignments, whole-row selection
// without a focus rectangle.
void LayOut(ui::FlexGrid* grid, std::span<const ui::ColumnLayout> columns)
{
    ui::emptyWithColumns(grid, columns);
    ui::setWidths(grid, columns);
    ui::setHeadings(grid, columns);
    ui::setAlignments(grid, columns);
    grid->setColSel(grid->cols() - 1);
    ui::selectWholeRows(grid, ui::flexFocusNone);
}

// Writes every row of the statement into the grid from the given row on; returns the row after
// the last one written.
template <class WriteRow>
int FillFrom(ui::FlexGrid* grid, const QString& sql, int row, WriteRow writeRow)
{
    db::Recordset rs;
    const auto close = core::closingAtEnd(rs);
    rs.open(sql, core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    return consignment::WriteRows(grid, rs, row, writeRow);
}

} // namespace

void frmPODQueryGrid::FormatManifestGrid()
{
    static constexpr ui::ColumnLayout columns[] = {
        {nullptr, 0},
        {"MF Date", 2200, kLeft},
        {"M.F No", 1700, kLeft}, // wide enough for a whole 14-digit number
        {"Destination", 1900, kLeft},
        {"Weight", 900},
        {"Pkt No.", 800, kLeft},
        {"Sl No.", 700, kLeft},
        {"Manifest Type", 1500, kLeft},
        {"Remarks", 1700},
        {"Weight Type", 1700},
        {"Branch", 1000},
        {"CreateDateTime", 2100},
        {"CreateUser", 4100, kLeft},
    };
    LayOut(msgQuery, columns);
}

void frmPODQueryGrid::FormatManifestReturnGrid()
{
    static constexpr ui::ColumnLayout columns[] = {
        {"Entry Date", 2100},        {"Recd Date", 2100, kLeft}, {"MF Rtn Destn", 2000, kLeft},
        {"Orign", 1050, kLeft},      {"Reason", 2650},           {"Entered By", 2000, kLeft},
    };
    LayOut(msgMFRtn, columns);
}

void frmPODQueryGrid::FormatNonDeliveryGrid()
{
    static constexpr ui::ColumnLayout columns[] = {
        {"S No.", 550},        {"Re. Date", 2100, kLeft},  {"Rem No.", 900, kLeft},
        {"Destination", 1350, kLeft}, {"Reason", 1650},    {"Entry Type", 1200, kLeft},
        {"Fwd Destn", 1300, kLeft},   {"Status", 1400, kLeft}, {"Remarks", 1400},
    };
    LayOut(msgNonDel, columns);
}

void frmPODQueryGrid::FormatIncomingGrid()
{
    static constexpr ui::ColumnLayout columns[] = {
        {"MF Date", 2000, kLeft}, {"Destn/OTC", 1500, kLeft}, {"MF No.", 1700, kLeft}, {"Origin", 1300, kRight},
        {"Con No.", 1500, kLeft}, {"Status", 1600, kLeft},    {"Remarks", 2400, kLeft}, {"EntryTime/User", 5000, kLeft},
    };
    LayOut(msgInc, columns);
    msgInc->setAllowUserResizing(ui::flexResizeBoth);
}

void frmPODQueryGrid::ShowManifests()
{
    mManifestOrigin.clear();
    mManifestFound = false;
    FormatManifestGrid();
    const QString sql = manifestLinesStatement(mConsignNo, QString::number(mProConsignNo));
    FillFrom(msgQuery, sql, 1, [this](int r, const db::Recordset& rs) {
        const QVariant manifestNo = rs.value(QStringLiteral("ManifestNo"));
        msgQuery->setTextMatrix(r, 1, DayDated(rs.value(QStringLiteral("ManifestDate"))));
        msgQuery->setTextMatrix(r, 2, TextOr(manifestNo, QStringLiteral("--")));
        msgQuery->setTextMatrix(r, 3, runtime::CellText(rs.value(QStringLiteral("Destination"))));
        msgQuery->setTextMatrix(r, 4, runtime::Format(rs.value(QStringLiteral("Weight")), QStringLiteral("0.000")));
        msgQuery->setTextMatrix(r, 5, TextOr(rs.value(QStringLiteral("PacketNo")), QStringLiteral("--")));
        msgQuery->setTextMatrix(r, 6, TextOr(rs.value(QStringLiteral("SlNo")), QStringLiteral("--")));
        msgQuery->setTextMatrix(r, 7, runtime::CellText(rs.value(QStringLiteral("ManifestMode"))));
        msgQuery->setTextMatrix(r, 8, TextOr(rs.value(QStringLiteral("Remarks")), QStringLiteral("--")));
        msgQuery->setTextMatrix(r, 9, mWeightType);
        msgQuery->setTextMatrix(r, 10, TextOr(rs.value(QStringLiteral("BranchCode")), QStringLiteral("-")));
        msgQuery->setTextMatrix(r, 11, TextOr(rs.value(QStringLiteral("CreateDate")), QStringLiteral("-")));
        msgQuery->setTextMatrix(r, 12, runtime::CellText(rs.value(QStringLiteral("CreateUser"))) + QStringLiteral(" - ")
                                           + runtime::CellText(rs.value(QStringLiteral("MachineId"))));
        mManifestDate = rs.value(QStringLiteral("ManifestDate"));
        mManifestNo = TextOr(manifestNo, QStringLiteral("0"));
        mManifestDestination = rs.value(QStringLiteral("Destination"));
        mManifestOrigin = rs.value(QStringLiteral("OriginCode"));
        mManifestFound = true;
    });
}

void frmPODQueryGrid::ShowManifestReturns()
{
    mManifestReturned = false;
    FormatManifestReturnGrid();
    const int after = FillFrom(msgMFRtn, manifestReturnsStatement(mConsignNo), 1, [this](int r, const db::Recordset& rs) {
        msgMFRtn->setTextMatrix(r, 0, DayDated(rs.value(QStringLiteral("EntryDate"))));
        msgMFRtn->setTextMatrix(r, 1, DayDated(rs.value(QStringLiteral("ReceivedDate"))));
        msgMFRtn->setTextMatrix(r, 2, runtime::CellText(rs.value(QStringLiteral("MF_Destination"))));
        msgMFRtn->setTextMatrix(r, 3, runtime::CellText(rs.value(QStringLiteral("Origin"))));
        msgMFRtn->setTextMatrix(r, 4, runtime::CellText(rs.value(QStringLiteral("MF_Reason"))));
        msgMFRtn->setTextMatrix(r, 5, runtime::CellText(rs.value(QStringLiteral("EnteryBy"))));
    });
    mManifestReturned = after > 1;
}

void frmPODQueryGrid::ShowNonDeliveries()
{
    mReturned = false;
    FormatNonDeliveryGrid();
    FillFrom(msgNonDel, outgoingNonDeliveryStatement(mConsignNo), 1, [this](int r, const db::Recordset& rs) {
        // a code the reason master lacks has no name: the previous row's reason is not repeated
        mReasonName = consignment::reasonName(runtime::CellText(rs.value(QStringLiteral("ReasonCode")))).value_or(QString());
        const QVariant entryStatus = rs.value(QStringLiteral("EntryStatus"));
        msgNonDel->setTextMatrix(r, 0, QString::number(r));
        msgNonDel->setTextMatrix(r, 1, DayDated(rs.value(QStringLiteral("Transdate"))));
        msgNonDel->setTextMatrix(r, 2, TextOr(rs.value(QStringLiteral("RemainderNo")), QStringLiteral("--")));
        msgNonDel->setTextMatrix(r, 3, runtime::CellText(rs.value(QStringLiteral("Destination"))));
        msgNonDel->setTextMatrix(r, 4, mReasonName);
        msgNonDel->setTextMatrix(r, 5, TextOr(entryStatus, QStringLiteral("--")));
        msgNonDel->setTextMatrix(r, 6, TextOr(rs.value(QStringLiteral("FDestination")), QStringLiteral("--")));
        msgNonDel->setTextMatrix(r, 7, TextOr(rs.value(QStringLiteral("Status")), QStringLiteral("-")));
        msgNonDel->setTextMatrix(r, 8, TextOr(rs.value(QStringLiteral("Remarks")), QStringLiteral("--")));
        if (runtime::CellText(entryStatus) == QLatin1String("Return"))
            mReturned = true;
    });
}

void frmPODQueryGrid::ShowIncomingManifests()
{
    // The two kinds of incoming manifest line: their statements and their date forms.
    struct LineKind {
        QString statement;
        QString (*date)(const QVariant&);
        const char* destination;
    };
    const LineKind kinds[] = {
        {incomingManifestLinesStatement(mConsignNo, core::gstrStationCode), DayDated, "Destination"},
        {incomingOtcLinesStatement(mConsignNo, core::gstrStationCode),
         [](const QVariant& v) { return runtime::Format(v, QStringLiteral("dd-MMM-yyyy")); }, "OTCVehicle"},
    };

    int row = 1;
    FormatIncomingGrid();
    for (const LineKind& kind : kinds) {
        row = FillFrom(msgInc, kind.statement, row, [this, &kind](int r, const db::Recordset& rs) {
            msgInc->setTextMatrix(r, 0, kind.date(rs.value(QStringLiteral("ManifestDate"))));
            msgInc->setTextMatrix(r, 1, runtime::CellText(rs.value(QString::fromLatin1(kind.destination))));
            msgInc->setTextMatrix(r, 2, runtime::CellText(rs.value(QStringLiteral("ManifestNo"))));
            msgInc->setTextMatrix(r, 3, runtime::CellText(rs.value(QStringLiteral("Origin"))));
            msgInc->setTextMatrix(r, 4, runtime::CellText(rs.value(QStringLiteral("ConsignmentNo"))));
            msgInc->setTextMatrix(r, 5, runtime::CellText(rs.value(QStringLiteral("Status"))));
            msgInc->setTextMatrix(r, 6, runtime::CellText(rs.value(QStringLiteral("Remarks"))));
            msgInc->setTextMatrix(r, 7, runtime::CellText(rs.value(QStringLiteral("CreateUser"))) + QStringLiteral(" - ")
                                            + runtime::CellText(rs.value(QStringLiteral("CreateDate")))
                                            + QStringLiteral(" - ")
                                            + runtime::CellText(rs.value(QStringLiteral("MachineId"))));
        });
    }
}

} // namespace podquery
