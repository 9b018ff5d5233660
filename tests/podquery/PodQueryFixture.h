#pragma once

// The POD query window on an installation of its own, shown at a registered counter of the ZEL
// station with the server's clock fixed; bookings, history rows and the admin tables seeded with
// INSERTs, numbers typed into the box and Enter pressed as a clerk does.

#include "support/GridText.h"
#include "support/RowInsert.h"
#include "support/WindowFixture.h"

#include "podquery/frmPODQueryGrid.h"

#include "platform/db/Recordset.h"
#include "platform/runtime/Conversions.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace podtest {

inline const QString kMonth = QStringLiteral("ZELJUN26");
inline const QString kAdmin = QStringLiteral("ZELAdminConfig");

class PodQueryFixture : public testsupport::WindowFixture<podquery::frmPODQueryGrid> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        db::ServerClock::setFixed(QDateTime(QDate(2026, 6, 17), QTime(9, 30, 5)));
        core::gstrCompanyName = "Orvane Couriers";
        core::gstrBranchName = "Velmora Main";
        core::gstrStationCode = "ZEL";
        core::gstrMainBranchCode = "ZEL";
        core::gblnPodImageMode = true;
        core::gstrComputerName = "COUNTER-3";
        core::gstrUserName = "meera";
        openMonth(kMonth);
        core::gcnnAdmin.open(core::ConnectionText(kAdmin));
        execute(kAdmin, "INSERT INTO BranchMaster (BranchCode, BranchName) VALUES ('VLM','Velmora Main')");
        execute(kAdmin, "INSERT INTO TBL_SUB_BRANCH_MASTER VALUES ('LR1','Lake Road')");
        execute(kAdmin, "INSERT INTO tbl_User_System VALUES ('COUNTER-3', 0)");
        execute(kMonth, "INSERT INTO Run_ReasonMaster VALUES ('DL','Door locked')");
        ui::WindowHost::showModal(&window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window())); // a click gives the focus
    }

    // One booking, delivered, every column filled; "Column=SQL value" pairs replace or add columns.
    void booking(qint64 number, const QStringList& changes = {})
    {
        QStringList pairs{
            "BookingDate='2024-09-05'", "BookingTime='10:42'", "BookingMode='Cash'", "TransactionMode='Paid'",
            "Rate_Type='EXPRESS'", "Weight_Type='Actual'", "DocumentType='Doc'", "PickUp='Counter'",
            "PartyCode='P-17'", "BranchCode='VLM'", "Booked_Branch='Velmora Main'", "SUB_BRANCHCODE='LR1'",
            "BOOKED_BY='ravi'", "Pro_Origin='MAA'", "Pro_ConsignNo=NULL", "CityCode='DUN'",
            "Destination='DUNMERE'", "Region='South'", "FromAddress1='Lakshmi Traders'",
            "FromAddress2=' 12 Bay Rd '", "FromAddress3='Velmora'", "FromAddress4='North'",
            "FromAddress5='9840011122'", "ToAddress1='R Devi'", "ToAddress2='4 Hill St'", "ToAddress3='Dunmere'",
            "ToAddress4='East'", "ToAddress5='9876543210'", "MOBILE_No='9840011122'", "PinCode='600001'",
            "CUST_GST_ID='33AAA'", "Pieces=3", "Weight=1.5", "Vol_Weight=2.25", "Tot_Weight=0.5",
            "VOL_METRIC_STATUS='Y'", "PAR_LENGTH=10.5", "PAR_WIDTH=20", "PAR_HEIGHT=30.25", "Amount=250.5",
            "ODA_CHARGE=40", "SLAB_ID='S2'", "PAYMENT_TYPE='UPI'", "PAYMENT_REFNO='U-778'", "Contain1='Books'",
            "Contain2='Pens'", "Contain3='F-88'", "ContainValue=1200", "DeliveryStatus='D'",
            "PodScanDate='2026-06-10 14:05:09'", "CreateUser='ravi'", "MachineId='DESK-2'"};
        execute(kMonth, testsupport::insertOf("Invoice", QStringList{"ConsignmentNo=" + QString::number(number)}
                                                             + pairs + changes));
    }

    // An outgoing manifest line: ManifestNo, ManifestDate, OriginCode and Destination as SQL values.
    void manifestLine(qint64 number, const QString& manifestNo, const QString& date, const QString& origin,
                      const QString& destination)
    {
        execute(kMonth, QStringLiteral("INSERT INTO Manifest (ConsignmentNo, ManifestNo, ManifestDate, OriginCode, "
                                       "Destination, ManifestMode, Weight) VALUES (%1, %2, %3, %4, %5, 'AIR', 2)")
                            .arg(number)
                            .arg(manifestNo, date, origin, destination));
    }

    // Types the text into the emptied box key by key and presses Enter.
    static void type(const QString& text)
    {
        window().txtConsignNo->clear();
        QTest::keyClicks(window().txtConsignNo, text);
        QTest::keyClick(window().txtConsignNo, Qt::Key_Return);
    }
    // Puts the text into the box as a paste does (no key filter) and presses Enter.
    static void paste(const QString& text)
    {
        window().txtConsignNo->setText(text);
        QTest::keyClick(window().txtConsignNo, Qt::Key_Return);
    }

    // The outgoing rows of the query log, as a report window reads them; Null reads "NULL".
    static QList<QStringList> loggedRows(const QString& columns)
    {
        db::Recordset rs;
        rs.open("Select " + columns + " from ZELADMINCONFIG..tbl_Qry_Details where QueryType='OUTGOING'",
                core::gcnnMonth);
        QList<QStringList> rows;
        for (; !rs.eof(); rs.moveNext()) {
            QStringList texts;
            for (int f = 0; f < rs.fieldCount(); ++f)
                texts << (rs.field(f).isNull() ? QStringLiteral("NULL") : runtime::CellText(rs.value(f)));
            rows << texts;
        }
        return rows;
    }
};

} // namespace podtest
