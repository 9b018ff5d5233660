#pragma once

// The missing-POD window on an installation of its own (month ZELDEC26, clocks on 7 December 2026),
// rows seeded with INSERTs of "Column=SQL value" pairs, keys typed as a clerk types them.

#include "support/RowInsert.h"
#include "support/WindowFixture.h"

#include "followup/frmMissPODLetter.h"

#include "platform/db/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "platform/spooler/Spooler.h"
#include "platform/ui/DatePicker.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace misspodtest {

inline const QString kMonth = QStringLiteral("ZELDEC26");
inline const QDate kToday(2026, 12, 7);

class MissingPodFixture : public testsupport::WindowFixture<followup::frmMissPODLetter> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(kToday);
        core::gstrCompanyName = "Orvane Couriers";
        core::gstrCompanyCity = "Velmora";
        core::gstrBranchPhone = "0452-2345678";
        core::gstrFont10cpi = "Draft 10Cpi";
        core::gstrFont5cpi = "Draft 5cpi";
        openMonth(kMonth);
        core::gcnnAdmin.open(core::ConnectionText("ZELAdminConfig"));
        spooler::AddPaperForm("Quorvel PDF", {254000, 152400}, "NVX2");
        execute("ZELAdminConfig", "INSERT INTO BranchMaster (BranchCode, BranchName) VALUES ('VLM','Velmora Main')");
        execute(kMonth, "INSERT INTO Run_ReasonMaster VALUES ('DL','Door locked')");
        execute(kMonth, "INSERT INTO CityMaster VALUES ('DUN','DUNMERE')");
        ui::WindowHost::showModal(&window());
    }

    void insert(const QString& table, qint64 number, QStringList pairs, const QStringList& changes)
    {
        execute(kMonth, testsupport::insertOf(table, QStringList{"ConsignmentNo=" + QString::number(number)} + pairs
                                                         + changes));
    }
    // A booking not delivered, a manifest row and a saved record, with every column read filled.
    void booking(qint64 number, const QStringList& changes = {})
    {
        insert("Invoice", number,
               {"BookingDate='2026-11-28'", "Weight=1.5", "Amount=250.5", "TransactionMode='Paid'",
                "Destination='DUNMERE'", "PickUp='Counter'", "DocumentType='Doc'", "BranchCode='VLM'",
                "DeliveryStatus='N'", "FromAddress1='LAKSHMI TRADERS'", "FromAddress2='12 BAY ROAD'",
                "FromAddress3='VELMORA'", "FromAddress4='NORTH'", "ToAddress1='R DEVI'", "ToAddress2='4 HILL STREET'",
                "ToAddress3='DUNMERE'", "ToAddress4='EAST'"},
               changes);
    }
    void manifest(qint64 number, const QStringList& changes = {})
    {
        insert("Manifest", number,
               {"ManifestNo=9001", "ManifestDate='2026-12-02'", "Destination='DUN'", "PacketNo=4", "SlNo=11"},
               changes);
    }
    void saved(qint64 number, const QStringList& changes = {})
    {
        insert("MissingPOD", number,
               {"BookingDate='2026-11-20'", "FromAddress1='SAVED FROM'", "FromAddress2=NULL", "ToAddress1='SAVED TO'",
                "ManifestDate='2026-12-03'", "MFDestination='VLM'", "ManifestNo=8002", "MFSlNo=3", "MFPacketNo=9"},
               changes);
    }

    static void enter(QWidget* control) { QTest::keyClick(control, Qt::Key_Return); }
    static void lookUp(const QString& typed)
    {
        window().txtConsignNo->clear();
        QTest::keyClicks(window().txtConsignNo, typed);
        enter(window().txtConsignNo);
    }
    // Enter in every entry control from the first address line to the packet number.
    static void confirmAll()
    {
        auto& w = window();
        for (QWidget* c : {(QWidget*)w.txtFrAdd[0], (QWidget*)w.txtFrAdd[1], (QWidget*)w.txtFrAdd[2],
                           (QWidget*)w.txtFrAdd[3], (QWidget*)w.txtToAddr[0], (QWidget*)w.txtToAddr[1],
                           (QWidget*)w.txtToAddr[2], (QWidget*)w.txtToAddr[3], (QWidget*)w.dtpMFDate,
                           (QWidget*)w.txtMFDestination, (QWidget*)w.txtManifestNo, (QWidget*)w.txtMFSlNo,
                           (QWidget*)w.txtMFPktNo})
            enter(c);
    }
    // The saved rows, each "column|column|..." in the table's order, Null read as "".
    static QStringList savedRows()
    {
        db::Recordset rs;
        rs.open("Select * From MissingPOD Order By ConsignmentNo", core::gcnnMonth);
        QStringList rows;
        for (; !rs.eof(); rs.moveNext()) {
            QStringList texts;
            for (int f = 0; f < rs.fieldCount(); ++f)
                texts << runtime::CellText(rs.value(f));
            rows << texts.join('|');
        }
        return rows;
    }
};

} // namespace misspodtest
