// The missing-POD window's look-up: the number read from the box, the labels with their formats
// and Null texts, the saved record winning, the booking date kept for the save and the letter, the
// history, and a failing query reported in the window.

#include "MissingPodFixture.h"

#include "followup/MissingPodStatements.h"

#include "platform/db/StatementLog.h"

using misspodtest::kMonth;
using misspodtest::kToday;

namespace {

class MissingPodLookUp : public misspodtest::MissingPodFixture {
protected:
    // The labels, the boxes and the manifest date as "|"-joined texts.
    static QString shown()
    {
        auto& w = window();
        QStringList texts;
        for (QLabel* l : {w.lblBookingDate, w.lblWeight, w.lblAmount, w.lblMode, w.lblDestination, w.lblPickup,
                          w.lblDocumentType, w.lblBranchName, w.lblPodDate, w.lblDeliveryStatus})
            texts << l->text();
        for (int i = 0; i < 4; ++i)
            texts << w.txtFrAdd[i]->text() << w.txtToAddr[i]->text();
        texts << w.dtpMFDate->value().date().toString("dd/MM") << w.txtMFDestination->text() << w.txtManifestNo->text()
              << w.txtMFSlNo->text() << w.txtMFPktNo->text();
        return texts.join('|');
    }
};

TEST_F(MissingPodLookUp, TheNumberIsTheBoxsDigitsWithoutLeadingZeros)
{
    booking(123);
    for (const QString typed : {"000123", " 123", "1a2.3'"}) {
        db::StatementCapture capture;
        lookUp(typed);
        ASSERT_GE(capture.statements().size(), 2);
        EXPECT_EQ(capture.statements()[0], followup::missingPodStatement("123")) << typed.toStdString();
        EXPECT_EQ(capture.statements()[1], followup::bookingStatement("123")) << typed.toStdString();
        EXPECT_EQ(window().focusWidget(), window().txtFrAdd[0]);
    }
    db::StatementCapture capture;
    lookUp("   ");
    EXPECT_TRUE(capture.statements().isEmpty());
    EXPECT_EQ(ui::MessageBoxSeam::shown().at(0).prompt, "Type Consignment No.");
    EXPECT_EQ(window().focusWidget(), window().txtConsignNo);
}

TEST_F(MissingPodLookUp, WhatEachKindOfConsignmentShows)
{
    const QString fifty(50, 'F');
    booking(101, {"DeliveryStatus='d'", "PodDate='2026-12-05'", "DocumentType='DOC'"});
    manifest(101);
    booking(102, {"Weight=NULL", "Amount=NULL", "TransactionMode=NULL", "Destination=NULL", "PickUp=NULL",
                  "DocumentType=NULL", "BranchCode='NOPE'", "DeliveryStatus=NULL", "FromAddress2=NULL",
                  "ToAddress1='O''HARA'", "ToAddress4='" + fifty + "'"});
    booking(103, {"DeliveryStatus='X'"});
    saved(103, {"ManifestDate=NULL"});
    manifest(103);
    saved(104);
    manifest(105, {"PacketNo=NULL"});
    const QString booked = "28-Nov-2026|1.500|250.50|Paid|DUNMERE|Counter|";
    const QString savedBoxes = "SAVED FROM|SAVED TO|||||||";
    const struct {
        qint64 number;
        QString shown;
        QDate bookingDate; // of the hidden picker the save and the letter read
    } cases[] = {
        {101, booked + "Non-Documents|Velmora Main|05-Dec-2026|DELIVERED|LAKSHMI TRADERS|R DEVI|12 BAY ROAD|4 HILL "
                       "STREET|VELMORA|DUNMERE|NORTH|EAST|02/12|DUN|9001|11|4",
         QDate(2026, 11, 28)},
        {102, "28-Nov-2026|--|--|--|--|--|Non-Documents||--|NON - DELIVERED|LAKSHMI TRADERS|O'HARA|--|4 HILL "
              "STREET|VELMORA|DUNMERE|NORTH|" + fifty + "|07/12||||",
         QDate(2026, 11, 28)},
        {103, booked + "Documents|Velmora Main|--|NON - DELIVERED|" + savedBoxes + "07/12|VLM|8002|3|9",
         QDate(2026, 11, 28)},
        {104, "|||||||||NON - DELIVERED|" + savedBoxes + "03/12|VLM|8002|3|9", QDate(2026, 11, 20)},
        {105, "|||||||||NON - DELIVERED|||||||||02/12|DUN|9001|11|", kToday},
    };
    for (const auto& c : cases) {
        window().dtpBookingDate->setValue(QDate(2020, 1, 1));
        lookUp(QString::number(c.number));
        EXPECT_EQ(shown(), c.shown) << c.number;
        EXPECT_EQ(window().dtpBookingDate->value().date(), c.bookingDate) << c.number;
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(MissingPodLookUp, HistoryShowsFiveRowsByDate)
{
    booking(200);
    for (const char* row : {"'2026-12-06','Remainder','DL',NULL", "'2026-12-01',' Return ','XX',NULL",
                            "'2026-12-02','Misroute','DL',' MAA '", "'2026-12-03','Pending','DL',NULL",
                            "'2026-12-05','Return','DL',NULL", "'2026-12-07','Return','DL',NULL"})
        execute(kMonth, QString("INSERT INTO OutgoingNonDelvy (TransDate,EntryStatus,ReasonCode,FDestination,"
                                "ConsignmentNo) VALUES (%1,200)").arg(row));
    lookUp("200");
    const QStringList expected{"1.| Return | - 01-Dec-2026", "2.|Misroute|MAA - 02-Dec-2026", "3.||",
                               "4.|Return|Door locked - 05-Dec-2026", "5.|Remainder|Door locked - 06-Dec-2026"};
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(window().lblNo[k]->isVisibleTo(&window()));
        EXPECT_EQ(window().lblNo[k]->text() + '|' + window().lblRemainderNo[k]->text() + '|'
                      + window().lblRemainderDate[k]->text(), expected[k]);
    }
}

TEST_F(MissingPodLookUp, AFailingQueryIsReportedAndNothingCanBeSaved)
{
    booking(400);
    manifest(400);
    execute(kMonth, "DROP TABLE OutgoingNonDelvy");
    lookUp("400");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_FALSE(ui::programEnded());
    EXPECT_TRUE(window().txtFrAdd[0]->text().isEmpty()) << "no half-shown consignment";
    window().txtMFPktNo->setText("5");
    enter(window().txtMFPktNo);
    EXPECT_FALSE(window().cmdSave->isEnabled());
}

} // namespace
