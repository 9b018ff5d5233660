// The missing-POD window's statements: numbers bare, texts quoted with apostrophes doubled (codes
// read back and addresses loaded by the look-up may hold one), dates in ISO form.

#include "followup/MissingPodStatements.h"

#include "support/StatementCases.h"

using namespace followup;

TEST(MissingPodStatements, TextForEachStatement)
{
    MissingPodRecord r;
    r.consignNo = "12345678901234";
    r.bookingDate = QDate(2026, 12, 3);
    r.fromAddress = {"D'SOUZA & SONS", "12 BAY RD", "", "VELMORA"};
    r.toAddress = {"R DEVI", "", "DUNMERE", "O'HARA"};
    r.manifestDate = QDate(2026, 12, 4);
    r.destination = "DUN";
    r.manifestNo = "9001";
    r.serialNo = "7";
    r.packetNo = "12";
    testsupport::expectTexts({
        {"saved record", missingPodStatement("123"), "Select * From MissingPOD Where ConsignmentNo=123"},
        {"booking", bookingStatement("123"), "Select * from Invoice where ConsignmentNo=123"},
        {"manifest", manifestStatement("123"), "Select * from Manifest where ConsignmentNo=123"},
        {"branch", branchStatement("V'M"), "Select * from Branchmaster where branchcode='V''M'"},
        {"history", outgoingNonDeliveryStatement("123"),
         "Select * from OutgoingNonDelvy Where ConsignmentNo=123 Order By TransDate"},
        {"city", cityNameStatement("D'N"), "Select CityName From CityMaster Where CityCode='D''N'"},
        {"insert", insertMissingPodStatement(r),
         "Insert into MissingPOD(ConsignmentNo,BookingDate,FromAddress1,FromAddress2,FromAddress3,FromAddress4,"
         "ToAddress1,ToAddress2,ToAddress3,ToAddress4,ManifestDate,MFDestination,ManifestNo,MFSlNo,MFPacketNo) "
         "Values (12345678901234,'2026-12-03','D''SOUZA & SONS','12 BAY RD','','VELMORA','R DEVI','','DUNMERE',"
         "'O''HARA','2026-12-04','DUN',9001,7,12)"},
        {"update", updateMissingPodStatement(r),
         "Update MissingPod Set BookingDate='2026-12-03',FromAddress1='D''SOUZA & SONS',FromAddress2='12 BAY RD',"
         "FromAddress3='',FromAddress4='VELMORA',ToAddress1='R DEVI',ToAddress2='',ToAddress3='DUNMERE',"
         "ToAddress4='O''HARA',ManifestDate='2026-12-04',MFDestination='DUN',ManifestNo=9001,MFSlNo=7,MFPacketNo=12"
         " Where ConsignmentNo=12345678901234"},
    });
}
