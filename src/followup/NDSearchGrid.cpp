#include "followup/NDSearchGrid.h"

#include "platform/db/Recordset.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateTexts.h"
#include "platform/runtime/Strings.h"

namespace followup {

namespace {

constexpr int kCentre = ui::flexAlignCenterCenter;
constexpr int kLeft = ui::flexAlignLeftCenter;

// The reference number, by which the list is sorted, is wide enough for its 16 digits.
constexpr ui::ColumnLayout kColumns[] = {
    {"S.No", 600, kCentre},         {"Ref.No", 1700, kLeft},      {"NDel Date", 1300, kLeft},
    {"Con.No", 1500, kLeft},        {"Destination", 2800, kLeft}, {"Branch", 1000, kLeft},
    {"Booking Date", 1400, kLeft},  {"Consignor", 3300, kLeft},   {"Consignee", 3300, kLeft},
    {"Reason Code", 2000, kLeft},   {"Status", 1700, kLeft},      {"R.No", 800, kCentre},
    {"F.Destination", 2800, kLeft},
};

// The fields of the main row's columns 1 to 12, and whether they are dates.
struct Shown {
    const char* field;
    bool date;
};

constexpr Shown kFields[] = {
    {"ReferenceNo", false}, {"NDDate", true},    {"ConsignNo", false},  {"Destination", false},
    {"BranchCode", false},  {"BookingDate", true}, {"FromAddr1", false}, {"ToAddr1", false},
    {"ReasonCode", false},  {"Status", false},   {"RemainderNo", false}, {"FDestination", false},
};

static_assert(std::size(kFields) + 1 == std::size(kColumns));

// The address lines 2 to 4 of the two sides.
constexpr const char* kFurtherLines[][2] = {
    {"FromAddr2", "ToAddr2"}, {"FromAddr3", "ToAddr3"}, {"FromAddr4", "ToAddr4"}};

QString mergedText(const QVariant& value, bool date, runtime::DateTexts& dates)
{
    if (!value.isValid())
        return QStringLiteral("-");
    return date ? dates.of(value) : runtime::CellText(value);
}

// The position of a field among the result's columns, found once for all records.
int indexOf(const db::Recordset& records, const char* field)
{
    const QStringList& names = records.fieldNames();
    for (int i = 0; i < int(names.size()); ++i)
        if (names[i].compare(QLatin1String(field), Qt::CaseInsensitive) == 0)
            return i;
    return -1; // reading it raises the data layer's item-not-found error

}

} // namespace

std::span<const ui::ColumnLayout> ndSearchColumns() { return kColumns; }

QList<QStringList> ndSearchRows(db::Recordset& records)
{
    int fields[std::size(kFields)];
    for (std::size_t f = 0; f < std::size(kFields); ++f)
        fields[f] = indexOf(records, kFields[f].field);
    int lines[std::size(kFurtherLines)][2];
    for (std::size_t k = 0; k < std::size(kFurtherLines); ++k)
        for (int side = 0; side < 2; ++side)
            lines[k][side] = indexOf(records, kFurtherLines[k][side]);

    runtime::DateTexts dates(QStringLiteral("dd-MMM-yy"));
    QList<QStringList> rows;
    for (int serial = 1; !records.eof(); records.moveNext(), ++serial) {
        QStringList main;
        main.reserve(qsizetype(std::size(kColumns)));
        main << QString::number(serial);
        for (int c = 1; c < int(std::size(kColumns)); ++c) {
            const QVariant value = records.value(fields[c - 1]);
            main << (c == kNDConsignorCol || c == kNDConsigneeCol ? runtime::CellText(value)
                                                                  : mergedText(value, kFields[c - 1].date, dates));
        }
        rows << main;
        for (const auto& line : lines) {
            const QString from = runtime::CellText(records.value(line[0]));
            const QString to = runtime::CellText(records.value(line[1]));
            if (runtime::Trim(from).isEmpty() && runtime::Trim(to).isEmpty())
                continue;
            QStringList continuation = main;
            continuation[kNDConsignorCol] = from;
            continuation[kNDConsigneeCol] = to;
            rows << continuation;
        }
        rows << QStringList();
    }
    return rows;
}

} // namespace followup
