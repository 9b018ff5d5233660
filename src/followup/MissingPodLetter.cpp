#include "followup/MissingPodLetter.h"

#include "platform/runtime/Format.h"

#include <cmath>

namespace followup {
namespace {

constexpr int kCompanyColumns = 40; // a 5 cpi line of the 8 printable inches
constexpr int kLineGap = 35;        // twips above the lines of an address block
constexpr int kParagraphGap = 50;   // twips above the lines of the request

// The widths of the fields; a consignment or manifest number takes up to 14 digits.
constexpr int kDateWidth = 11;
constexpr int kNumberWidth = 14;
constexpr int kConsignorWidth = 29;
constexpr int kConsigneeWidth = 30;
constexpr int kCityWidth = 20;
constexpr int kPacketWidth = 3;
constexpr int kSerialWidth = 3;

QString blanks(qsizetype count) { return QString(count, QLatin1Char(' ')); }

QString dateText(const QDate& date) { return runtime::Format(date, QStringLiteral("dd-MMM-yyyy")); }

} // namespace

QString fixedWidth(const QString& text, int width) { return text.left(width).leftJustified(width, QLatin1Char(' ')); }

int centringIndent(qsizetype length)
{
    // nearbyint rounds a half to the even neighbour
    const double indent = std::nearbyint((kCompanyColumns - double(length)) / 2.0);
    return indent > 0 ? int(indent) : 0;
}

QList<LetterLine> letterLines(const LetterFields& f)
{
    using enum LetterFont;
    const QString rule(87, QLatin1Char('-'));
    const QString city = fixedWidth(f.destinationCity, kCityWidth);
    const auto centred = [](const QString& text) {
        const QString upper = text.toUpper();
        return blanks(centringIndent(upper.size())) + upper;
    };
    // the address lines below the first, under the consignor heading
    const auto addressLine = [&](int i) {
        return LetterLine{Pitch10, kLineGap,
                          blanks(27) + fixedWidth(f.consignor[i].trimmed(), kConsignorWidth) + blanks(1)
                              + fixedWidth(f.consignee[i].trimmed(), kConsigneeWidth)};
    };

    return {
        {Unchanged, 0, QString()},
        {Unchanged, 0, QString()},
        {Pitch10, 0, blanks(68) + QStringLiteral("Page No: 1")},
        {Pitch5, 0, centred(f.companyName)},
        {Pitch5, 0, QString()},
        {Pitch5, 0, centred(f.companyCity)},
        {Pitch5, 0, QString()},
        {Pitch10, 0, blanks(60) + QStringLiteral("Phone : ") + f.branchPhone},
        {Pitch10, 0, QString()},
        {Pitch10, kLineGap, blanks(60) + QStringLiteral("Date : ") + fixedWidth(dateText(f.letterDate), kDateWidth)},
        {Pitch10, 0, QString()},
        {Pitch10, 0, QStringLiteral("To")},
        {Pitch10, kLineGap, blanks(5) + QStringLiteral("The Manager")},
        {Pitch10, kLineGap, blanks(5) + QStringLiteral("NVX /") + f.destination.trimmed() + QLatin1Char('-') + city},
        {Pitch10, kLineGap, QString()},
        {Pitch10, 0, blanks(23) + QStringLiteral("Regarding Non Delivery Document.")},
        {Pitch10, 0, QString()},
        {Pitch10, 0,
         blanks(5) + QStringLiteral("Our Consignor complaints that the following Consignment is not yet delivered,")},
        {Pitch10, kParagraphGap,
         QStringLiteral(" We have not received the return POD also.  Please look in to this matter and")},
        {Pitch10, kParagraphGap, QStringLiteral(" rush the POD or Delivery details.  Reply by this letter immediately.")},
        {Pitch10, kParagraphGap, QString()},
        {Pitch10, 0, rule},
        {Pitch10, 0,
         QStringLiteral("Date") + blanks(8) + QStringLiteral("POD No.") + blanks(8) + QStringLiteral("Consignor Address")
             + blanks(13) + QStringLiteral("Consignee's Address")},
        {Pitch10, 0, rule},
        {Pitch10, 0,
         fixedWidth(dateText(f.bookingDate), kDateWidth) + blanks(1) + fixedWidth(f.consignNo, kNumberWidth)
             + blanks(1) + fixedWidth(f.consignor[0].trimmed(), kConsignorWidth) + blanks(1)
             + fixedWidth(f.consignee[0].trimmed(), kConsigneeWidth)},
        addressLine(1),
        addressLine(2),
        addressLine(3),
        {Pitch10, kLineGap,
         QStringLiteral("MF. No.: ") + fixedWidth(f.manifestNo.trimmed(), kNumberWidth) + blanks(1)
             + QStringLiteral("Destination.: ") + city + QStringLiteral("Packet No.: ")
             + fixedWidth(f.packetNo.trimmed(), kPacketWidth) + blanks(1) + QStringLiteral("SlNo.: ")
             + fixedWidth(f.serialNo.trimmed(), kSerialWidth)},
        {Pitch10, 0, rule},
        {Pitch10, 0, QString()},
        {Pitch10, 0, QString()},
        {Pitch10, 0, blanks(60) + QStringLiteral("Manager.")},
    };
}

} // namespace followup
