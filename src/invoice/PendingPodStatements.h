#pragma once

#include <QDate>
#include <QString>

// The statements of the dummy-POD query: the origins of a date range and the dummy PODs the
// window's fields select.
namespace invoice {

// The window's fields as typed (texts untrimmed).
struct DummyPodFilter {
    QDate fromDate;
    QDate toDate;
    QString origin;
    QString consignNo;
    QString toAddress;
};

// The distinct origins of the dummy PODs of the dates, in order.
QString originsStatement(const QDate& fromDate, const QDate& toDate);
// The dummy PODs of the dates, narrowed by each field that is not empty: the origin (quoted), the
// consignment number as its numeric value (Val), the start of the first address line (quoted).
QString dummyPodStatement(const DummyPodFilter& filter);

} // namespace invoice
