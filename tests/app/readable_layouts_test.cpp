// Readable layouts: in the fonts the windows name, each grid column of the built windows shows the
// widest value it holds in normal use whole, or elided with a visible mark (the whole value then a
// tooltip away), never cut silently;
// every heading and label is drawn whole or marked, every button caption whole.
// What is drawn is read from the painting itself: the windows paint onto a device that keeps the
// texts and their widths.

#include "support/WindowFixture.h"

#include "consignment/frmConsignWiseGridQuery.h"
#include "followup/frmManifestQuery.h"
#include "followup/frmNDSearch.h"
#include "invoice/frmPendPODQry.h"
#include "invoice/frmQuery.h"
#include "phonebook/frmPhoneBookQuery.h"
#include "podquery/frmPODQueryGrid.h"
#include "reports/frmCCNos_Rpt.h"
#include "reports/frmDeliveryStatusReport.h"
#include "reports/frmQryRpt.h"
#include "reports/frmQueryReport.h"

#include "platform/db/Connection.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/BoundGrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPushButton>
#include <QTest>

#include <span>

namespace {

struct Drawn {
    QString text;
    qreal width;
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { drawn.push_back({item.text(), item.width()}); }
    Type type() const override { return QPaintEngine::User; }

    std::vector<Drawn> drawn;
};

// A screen-like device: the texts a widget draws on it, in its fonts at the screen's resolution.
class TextRecorder : public QPaintDevice {
public:
    explicit TextRecorder(const QWidget* widget) : m_widget(widget) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    const std::vector<Drawn>& drawn() const { return m_engine.drawn; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_widget->width();
        case PdmHeight: return m_widget->height();
        case PdmWidthMM: return m_widget->widthMM();
        case PdmHeightMM: return m_widget->heightMM();
        case PdmDpiX: return m_widget->logicalDpiX();
        case PdmDpiY: return m_widget->logicalDpiY();
        case PdmPhysicalDpiX: return m_widget->physicalDpiX();
        case PdmPhysicalDpiY: return m_widget->physicalDpiY();
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        default: return 1;
        }
    }

private:
    const QWidget* m_widget;
    mutable RecordingEngine m_engine;
};

std::vector<Drawn> textsDrawnBy(QWidget* widget)
{
    TextRecorder recorder(widget);
    widget->render(&recorder);
    return recorder.drawn();
}

// A caption may be drawn in runs (a mnemonic's underline starts a new one): they join to its text.
QString joined(const std::vector<Drawn>& drawn)
{
    QString text;
    for (const Drawn& d : drawn)
        text += d.text;
    return text;
}

const QString kMark = QStringLiteral("…");

// How a drawn text stands for a whole one: "whole", "marked" (elided on one side), or "cut".
QString howShown(const QString& shown, const QString& whole)
{
    if (shown == whole)
        return QStringLiteral("whole");
    if (shown.startsWith(kMark) && whole.endsWith(shown.mid(kMark.size())))
        return QStringLiteral("marked");
    if (shown.endsWith(kMark) && whole.startsWith(shown.chopped(kMark.size())))
        return QStringLiteral("marked");
    return QStringLiteral("cut");
}

// The drawn text of a grid cell: the one drawn item that is the value, whole or elided.
const Drawn* drawnValue(const std::vector<Drawn>& drawn, const QString& value)
{
    for (const Drawn& d : drawn)
        if (howShown(d.text, value) != QLatin1String("cut"))
            return &d;
    return nullptr;
}

int columnPixels(QAbstractItemView* grid, int col)
{
    if (auto* flex = qobject_cast<ui::FlexGrid*>(grid))
        return qRound(flex->colWidth(col) * flex->logicalDpiX() / 1440.0);
    return static_cast<ui::BoundGrid*>(grid)->columnWidth(col);
}

struct Column {
    const char* grid; // the grid's object name, "window.grid" where several windows name theirs alike
    int col;
    const char* value; // the widest value the column holds in normal use
    const char* shown; // "whole" or "marked"
};

// A value the column's width cannot hold in the window's font is drawn marked. The history grids'
// bold Verdana is wider than the fonts of the invoice and dummy POD windows: dates with their
// weekday and 14-digit numbers are marked there, as in the head-office panel's regular Verdana,
// except in the grids with width to spare. In the POD query window's non-delivery grid the longer
// reason names are marked. The report, search and look-up windows hold every value of their grids
// whole.
// The values of one grid differ, so that each is found among the grid's drawn texts.
const Column kColumns[] = {
    {"msgLMF", 0, "02-12-26 -Wednesday", "marked"},
    {"msgLMF", 3, "10000000003801", "marked"},
    {"msgBLMF", 0, "02-12-26 -Wednesday", "whole"},
    {"msgBLMF", 2, "10000000003801", "whole"},
    {"msgRunsheetDetails", 0, "02-12-26 -Wednesday", "marked"},
    {"msgRunsheetDetails", 1, "1261200019", "whole"},
    {"msgRunsheetDetails", 6, "1261200027", "marked"},
    {"msgDeliveryDetails", 1, "02-Dec-2026", "whole"},
    {"msgDeliveryDetails", 2, "Remainder Remainder No. 12", "marked"},
    {"msgDeliveryDetails", 4, "NORTHFIELD TELECOM SERVICES", "whole"},
    {"msgMisroute", 0, "02-12-26 -Wednesday - 10:30", "marked"},
    {"msgIncoming", 0, "02-Dec-2026", "whole"},
    {"msgIncoming", 2, "20261202505001", "marked"},
    {"msgIncoming", 4, "10000000003801", "marked"},
    {"msgReturnPOD", 0, "03-12-26-Wednesday", "whole"},
    {"msgReturnPOD", 2, "10000000003801", "whole"},
    {"msgReturnPOD", 3, "261200019", "whole"},
    {"msgRtnDocs", 2, "DUN10000000003801", "whole"},
    {"msgPending", 1, "02-12-26 -Wednesday", "marked"},
    {"msgMobile", 1, "2026-12-02", "whole"},
    {"msgMobile", 3, "10000000003801", "whole"},
    {"msgMobile", 4, "9876543210", "whole"},
    {"msgGrid1", 2, "10000000006013", "marked"},
    {"msgGrid2", 3, "10000000006013", "marked"},
    {"msgGrid2", 7, "20260605002001", "marked"},
    {"msgGrid4", 2, "10000000006013", "marked"},
    {"msgGrid4", 7, "20260606900001", "marked"},
    {"msgGrid", 1, "02-12-2026", "whole"},
    {"msgGrid", 3, "10000000003801", "whole"},
    {"msgGrid", 4, "NORTHFIELD TELECOM SERVICES", "whole"},
    {"dgdQuery", 1, "10000000003801", "whole"},
    {"dgdQuery", 2, "NORTHFIELD", "whole"},
    {"dgdQuery", 3, "NORTHFIELD TELECOM SERVICES", "whole"},
    {"dgdQuery", 14, "12345.500", "whole"},
    {"msgQuery", 1, "02-Dec-26 - Wednesday", "whole"},
    {"msgQuery", 2, "20261202003001", "whole"},
    {"msgQuery", 4, "29.999", "whole"},
    {"msgQuery", 6, "4762", "whole"},
    {"msgQuery", 7, "SURFACE", "whole"},
    {"msgQuery", 8, "PRIORITY", "whole"},
    {"msgQuery", 9, "VOLUMETRIC", "whole"},
    {"msgQuery", 11, "2026-12-02 19:45:12", "whole"},
    {"msgQuery", 12, "COUNTER3 - COUNTER2", "whole"},
    {"msgMFRtn", 0, "09-Dec-26 - Wednesday", "whole"},
    {"msgMFRtn", 1, "02-Dec-26 - Wednesday", "whole"},
    {"msgMFRtn", 4, "NO RESPONSE ON PHONE", "whole"},
    {"msgMFRtn", 5, "COUNTER3", "whole"},
    {"msgNonDel", 1, "02-Dec-26 - Wednesday", "whole"},
    {"msgNonDel", 4, "NO RESPONSE ON PHONE", "marked"},
    {"msgNonDel", 5, "Remainder", "whole"},
    {"msgNonDel", 6, "BRAVENHOLM", "whole"},
    {"msgNonDel", 7, "CLOSED", "whole"},
    {"msgNonDel", 8, "OUT OF DELIVERY AREA", "marked"},
    {"msgInc", 0, "02-Dec-26 - Wednesday", "whole"},
    {"msgInc", 1, "ZL 09 CD 4420", "whole"},
    {"msgInc", 2, "20261202500001", "whole"},
    {"msgInc", 4, "10000000003801", "whole"},
    {"msgInc", 5, "OPEN CONDITION", "whole"},
    {"msgInc", 6, "WITHOUT ENTRY", "whole"},
    {"msgInc", 7, "COUNTER3 - 2026-12-02 06:45:12 - COUNTER2", "whole"},
    {"msgFind", 0, "02-Dec-26", "whole"},
    {"msgFind", 1, "10000000003801", "whole"},
    {"msgFind", 2, "NORTHFIELD TELECOM SERVICES", "marked"},
    {"frmCCNos_Rpt.msgGrid", 0, "02-12-2026", "whole"},
    {"frmCCNos_Rpt.msgGrid", 1, "10000000003801", "whole"},
    {"frmCCNos_Rpt.msgGrid", 2, "DUN", "whole"},
    {"frmCCNos_Rpt.msgGrid", 3, "VISAKHAPATNAM", "whole"},
    {"frmCCNos_Rpt.msgGrid", 4, "P-1701", "whole"},
    {"frmCCNos_Rpt.msgGrid", 5, "NORTHFIELD TELECOM SERVICES", "whole"},
    {"frmCCNos_Rpt.msgGrid", 6, "VLR", "whole"},
    {"frmCCNos_Rpt.msgGrid", 7, "12345.5", "whole"},
    {"frmCCNos_Rpt.msgGrid", 8, "To Pay", "whole"},
    {"frmCCNos_Rpt.msgGrid", 9, "PRIORITY", "whole"},
    {"frmDeliveryStatusReport.msgGrid", 0, "02-12-2026", "whole"},
    {"frmDeliveryStatusReport.msgGrid", 1, "10000000003801", "whole"},
    {"frmDeliveryStatusReport.msgGrid", 2, "DUN", "whole"},
    {"frmDeliveryStatusReport.msgGrid", 3, "VISAKHAPATNAM", "whole"},
    {"frmDeliveryStatusReport.msgGrid", 4, "P-1701", "whole"},
    {"frmDeliveryStatusReport.msgGrid", 5, "NORTHFIELD TELECOM SERVICES", "whole"},
    {"frmDeliveryStatusReport.msgGrid", 6, "VLR", "whole"},
    {"frmDeliveryStatusReport.msgGrid", 7, "12345.5", "whole"},
    {"frmDeliveryStatusReport.msgGrid", 8, "ADDRESS NOT FOUND", "whole"},
    {"frmDeliveryStatusReport.msgGrid", 9, "2026-12-02 23:30:00", "whole"},
    {"frmQueryReport.msgGrid", 0, "02-Dec-2026", "whole"},
    {"frmQueryReport.msgGrid", 1, "MAA", "whole"},
    {"frmQueryReport.msgGrid", 2, "10000000003801", "whole"},
    {"frmQueryReport.msgGrid", 3, "30-Nov-2026", "whole"},
    {"frmQueryReport.msgGrid", 4, "1261200019", "whole"},
    {"frmQueryReport.msgGrid", 5, "DLK", "whole"},
    {"frmQueryReport.msgGrid", 6, "Consignee's door locked", "whole"},
    {"frmQueryReport.msgGrid", 7, "1261200027", "whole"},
    {"frmQueryReport.msgGrid", 8, "Velmora Main", "whole"},
    {"frmQueryReport.msgGrid", 9, "meera", "whole"},
    {"frmQueryReport.msgGrid", 10, "2026-12-02 19:45:12", "whole"},
    {"msgManifest", 0, "12345", "whole"},
    {"msgManifest", 1, "02-Dec-26", "whole"},
    {"msgManifest", 2, "VZG", "whole"},
    {"msgManifest", 3, "4762", "whole"},
    {"msgManifest", 4, "20261202500001", "whole"},
    {"msgManifest", 5, "10000000003801", "whole"},
    {"msgManifest", 6, "ZEL", "whole"},
    {"msgManifest", 7, "OPEN CONDITION", "whole"},
    {"msgScreen", 0, "12718", "whole"},
    {"msgScreen", 1, "2606150000012718", "whole"},
    {"msgScreen", 2, "15-Jun-26", "whole"},
    {"msgScreen", 3, "10000000003801", "whole"},
    {"msgScreen", 4, "VISAKHAPATNAM", "whole"},
    {"msgScreen", 5, "BR12", "whole"},
    {"msgScreen", 6, "01-Jun-26", "whole"},
    {"msgScreen", 7, "NORTHFIELD TELECOM SERVICES", "whole"},
    {"msgScreen", 8, "NEAR UNIVERSITY AREA", "whole"},
    {"msgScreen", 9, "DC", "whole"},
    {"msgScreen", 10, "Remainder", "whole"},
    {"msgScreen", 11, "12", "whole"},
    {"msgScreen", 12, "TIRUCHIRAPPALLI", "whole"},
    {"frmPhoneBookQuery.msgReport", 5, "OPERATIONS EXECUTIVE", "whole"},
    {"frmPhoneBookQuery.msgReport", 14, "OPS.OKM.1@QUORVEL.EXAMPLE", "whole"},
};

// The query-log report by type lays out one grid per type: the incoming layout, then the outgoing.
const Column kIncomingLogColumns[] = {
    {"frmQryRpt.msgGrid", 0, "02-Dec-2026", "whole"},
    {"frmQryRpt.msgGrid", 1, "MAA", "whole"},
    {"frmQryRpt.msgGrid", 2, "10000000003801", "whole"},
    {"frmQryRpt.msgGrid", 3, "30-Nov-2026", "whole"},
    {"frmQryRpt.msgGrid", 4, "1261200019", "whole"},
    {"frmQryRpt.msgGrid", 5, "DLK", "whole"},
    {"frmQryRpt.msgGrid", 6, "Consignee's door locked", "whole"},
    {"frmQryRpt.msgGrid", 7, "1261200027", "whole"},
    {"frmQryRpt.msgGrid", 8, "Velmora Main", "whole"},
    {"frmQryRpt.msgGrid", 9, "COUNTER-3", "whole"},
    {"frmQryRpt.msgGrid", 10, "meera", "whole"},
    {"frmQryRpt.msgGrid", 11, "2026-12-02 19:45:12", "whole"},
    {"frmQryRpt.msgGrid", 12, "ZELDEC26", "whole"},
};
const Column kOutgoingLogColumns[] = {
    {"frmQryRpt.msgGrid", 0, "02-Dec-2026", "whole"},
    {"frmQryRpt.msgGrid", 1, "MAA", "whole"},
    {"frmQryRpt.msgGrid", 2, "10000000003801", "whole"},
    {"frmQryRpt.msgGrid", 3, "30-Nov-2026", "whole"},
    {"frmQryRpt.msgGrid", 4, "VISAKHAPATNAM", "whole"},
    {"frmQryRpt.msgGrid", 5, "20261202002001", "whole"},
    {"frmQryRpt.msgGrid", 6, "DLK", "whole"},
    {"frmQryRpt.msgGrid", 7, "Consignee's door locked", "whole"},
    {"frmQryRpt.msgGrid", 9, "Velmora Main", "whole"},
    {"frmQryRpt.msgGrid", 10, "28-Nov-26", "whole"},
    {"frmQryRpt.msgGrid", 11, "VZG", "whole"},
    {"frmQryRpt.msgGrid", 12, "TIRUCHIRAPPALLI", "whole"},
    {"frmQryRpt.msgGrid", 13, "South", "whole"},
    {"frmQryRpt.msgGrid", 14, "Cash", "whole"},
    {"frmQryRpt.msgGrid", 15, "To Pay", "whole"},
    {"frmQryRpt.msgGrid", 16, "P-1701", "whole"},
    {"frmQryRpt.msgGrid", 17, "12345.500", "whole"},
    {"frmQryRpt.msgGrid", 18, "COUNTER-3", "whole"},
    {"frmQryRpt.msgGrid", 19, "meera", "whole"},
    {"frmQryRpt.msgGrid", 20, "2026-12-02 19:45:12", "whole"},
    {"frmQryRpt.msgGrid", 21, "ZELDEC26", "whole"},
};

class ReadableLayouts : public testsupport::CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        install(QDate(2026, 6, 15));
        openMonth(QStringLiteral("ZELJUN26"));
        core::gstrHeadOfficeServer = QStringLiteral("KWDHO");
    }
    void TearDown() override
    {
        ui::DefaultInstance<consignment::frmConsignWiseGridQuery>::unload();
        ui::DefaultInstance<followup::frmManifestQuery>::unload();
        ui::DefaultInstance<followup::frmNDSearch>::unload();
        ui::DefaultInstance<invoice::frmPendPODQry>::unload();
        ui::DefaultInstance<invoice::frmQuery>::unload();
        ui::DefaultInstance<podquery::frmPODQueryGrid>::unload();
        ui::DefaultInstance<reports::frmCCNos_Rpt>::unload();
        ui::DefaultInstance<reports::frmDeliveryStatusReport>::unload();
        ui::DefaultInstance<reports::frmQueryReport>::unload();
        ui::DefaultInstance<reports::frmQryRpt>::unload();
        ui::DefaultInstance<phonebook::frmPhoneBookQuery>::unload();
        CoreFixture::TearDown();
    }
};

// The grid a column names: the named window's, or the first window's grid of the name (the
// head-office panels of two windows share names).
QAbstractItemView* gridNamed(const QList<QWidget*>& windows, const QString& name)
{
    const QString window = name.section(QLatin1Char('.'), 0, -2);
    const QString grid = name.section(QLatin1Char('.'), -1);
    for (QWidget* w : windows)
        if (window.isEmpty() || w->objectName() == window)
            for (QAbstractItemView* view : w->findChildren<QAbstractItemView*>(grid))
                return view;
    return nullptr;
}

// Writes the columns' values into the first data row of their grids.
void writeValues(const QList<QWidget*>& windows, std::span<const Column> columns)
{
    for (const Column& c : columns)
        if (auto* grid = qobject_cast<ui::FlexGrid*>(gridNamed(windows, QLatin1String(c.grid))))
            grid->setTextMatrix(1, c.col, QLatin1String(c.value));
}

// The query-log report by type laid out for one type, as Show does before it reads the (here
// empty) log.
void layOutQueryLog(const QString& type)
{
    auto& log = ui::DefaultInstance<reports::frmQryRpt>::get();
    log.cboQryType->setCurrentIndex(log.cboQryType->findText(type));
    log.cmdShow_Click();
}

// Lays out every grid as its window does and writes the table's values into its first data row.
QList<QWidget*> windowsWithValues()
{
    using History = consignment::frmConsignWiseGridQuery;
    History& history = ui::DefaultInstance<History>::get();
    for (auto format : {&History::FormatLmfGrid, &History::FormatBlmfGrid, &History::FormatRunsheetGrid,
                        &History::FormatDeliveryGrid, &History::FormatMisrouteGrid, &History::FormatIncomingGrid,
                        &History::FormatReturnPodGrid, &History::FormatPendingGrid, &History::FormatReturnDocsGrid,
                        &History::FormatMobileGrid})
        (history.*format)();
    // the mobile search's headings are its statement's column names
    const char* mobileHeadings[] = {"SlNo", "RSDate", "Origin", "CONSIGN NO", "MOBILE_NO", "REASON"};
    for (int c = 0; c < 6; ++c)
        history.msgMobile->setTextMatrix(0, c, QLatin1String(mobileHeadings[c]));
    // the head-office panel lays out its grids from what the head office knows of the number
    db::Connection headOffice;
    headOffice.open(QStringLiteral("Data Source=KWDHO;USER ID=sa;PASSWORD=;Initial Catalog=KWD32Server"));
    headOffice.execute(QStringLiteral("INSERT INTO DrFile VALUES ('2026-06-07', 'ZEL', '10000000006013', 'ANN', 'B1', 'DL', "
                                      "'D77', 3, 'R. Iyer', 'Self', '14:05', 'Kumar', 'R2')"));
    headOffice.execute(QStringLiteral("INSERT INTO CnFile VALUES ('2026-06-05', 'ZEL', 1, '10000000006013', 'ZEL', 'OP1', "
                                      "'O', 'ANN', '20260605002001', 2.5, 2, 'Bag', 'a', 'HUB', 'KA', '20:10')"));
    headOffice.execute(QStringLiteral("INSERT INTO OTCFile VALUES ('2026-06-06', 'ZEL', '10000000006013', 'ZEL', 'OP2', "
                                      "'I', 'ANN', '06:40', '20260606900001', 1, 2.5, 2, NULL, NULL)"));
    history.txtConsignMentNo->setText(QStringLiteral("10000000006013"));
    QTest::mouseClick(history.cmdROStatus, Qt::LeftButton);

    auto& dummyPod = ui::DefaultInstance<invoice::frmPendPODQry>::get();
    dummyPod.FlexGrid_Format();

    // the invoice grid shows the statement's row: the table's values, empty elsewhere
    auto& invoice = ui::DefaultInstance<invoice::frmQuery>::get();
    QStringList select(25, QStringLiteral("''"));
    for (const Column& c : kColumns)
        if (QLatin1String(c.grid) == QLatin1String("dgdQuery"))
            select[c.col] = QStringLiteral("'%1'").arg(QLatin1String(c.value));
    invoice.adodcQuery.RecordSource = QStringLiteral("SELECT ") + select.join(QLatin1Char(','));
    invoice.adodcQuery.Refresh();
    invoice.dgdQuery->setDataSource(&invoice.adodcQuery);
    invoice.FormatInvoiceGrid();

    using Pod = podquery::frmPODQueryGrid;
    Pod& pod = ui::DefaultInstance<Pod>::get();
    for (auto format : {&Pod::FormatManifestGrid, &Pod::FormatManifestReturnGrid, &Pod::FormatNonDeliveryGrid,
                        &Pod::FormatIncomingGrid, &Pod::FormatFindGrid})
        (pod.*format)();

    QList<QWidget*> windows{&history, &dummyPod, &invoice, &pod};
    // the head-office panels' grids hold their own rows
    for (const Column& c : kColumns)
        for (QWidget* window : windows)
            if (auto* grid = window->findChild<ui::FlexGrid*>(QLatin1String(c.grid));
                grid && grid->parentWidget()->objectName() != QLatin1String("fraROStatus"))
                grid->setTextMatrix(1, c.col, QLatin1String(c.value));

    // the report windows, each grid as Show empties it before the first record
    auto& care = ui::DefaultInstance<reports::frmCCNos_Rpt>::get();
    care.FormatGrid();
    auto& incoming = ui::DefaultInstance<reports::frmQueryReport>::get();
    incoming.FormatGrid();
    layOutQueryLog(QStringLiteral("INCOMING"));
    auto& manifests = ui::DefaultInstance<followup::frmManifestQuery>::get();
    manifests.FlexFormat();
    auto& nonDeliveries = ui::DefaultInstance<followup::frmNDSearch>::get();
    nonDeliveries.FlexHeadings();
    auto& deliveryStatus = ui::DefaultInstance<reports::frmDeliveryStatusReport>::get();
    deliveryStatus.FormatGrid();
    auto& contacts = ui::DefaultInstance<phonebook::frmPhoneBookQuery>::get();
    contacts.FormatGrid();
    windows << &care << &incoming << &ui::DefaultInstance<reports::frmQryRpt>::get() << &manifests << &nonDeliveries
            << &deliveryStatus << &contacts;
    writeValues(windows, kColumns);
    writeValues(windows, kIncomingLogColumns);
    return windows;
}

// Each column's value is drawn whole or marked, within the column.
void expectValuesFit(const QList<QWidget*>& windows, std::span<const Column> columns)
{
    for (const Column& c : columns) {
        SCOPED_TRACE(QStringLiteral("%1 column %2: %3").arg(c.grid).arg(c.col).arg(c.value).toStdString());
        QAbstractItemView* grid = gridNamed(windows, QLatin1String(c.grid));
        ASSERT_NE(grid, nullptr);
        // the whole grid drawn at once (the window's width may hide columns to scroll to)
        grid->resize(20000, grid->height());
        const std::vector<Drawn> drawn = textsDrawnBy(grid);
        const Drawn* value = drawnValue(drawn, QString::fromUtf8(c.value));
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(howShown(value->text, QString::fromUtf8(c.value)), QLatin1String(c.shown)) << value->text.toStdString();
        EXPECT_LE(value->width, columnPixels(grid, c.col));
    }
}

// Each heading of a shown column is drawn whole or marked, within the column.
void expectHeadingsFit(ui::FlexGrid* grid)
{
    grid->resize(20000, grid->height());
    const std::vector<Drawn> drawn = textsDrawnBy(grid);
    for (int c = 0; c < grid->cols(); ++c) {
        const QString heading = grid->textMatrix(0, c);
        if (heading.isEmpty() || grid->colWidth(c) == 0)
            continue;
        const Drawn* shown = drawnValue(drawn, heading);
        EXPECT_TRUE(shown && shown->width <= columnPixels(grid, c))
            << grid->window()->objectName().toStdString() << "." << grid->objectName().toStdString() << " heading "
            << heading.toStdString();
    }
}

TEST_F(ReadableLayouts, EveryGridValueHeadingAndCaptionIsWholeOrMarked)
{
    for (const auto& [family, installed] : {std::pair{"MS Sans Serif", "Liberation Sans"}, {"Verdana", "DejaVu Sans"},
                                            {"Courier New", "Liberation Mono"}, {"Times New Roman", "Liberation Serif"}})
        EXPECT_EQ(QFontInfo(QFont(QLatin1String(family))).family(), QLatin1String(installed)) << family;

    const QList<QWidget*> windows = windowsWithValues();
    expectValuesFit(windows, kColumns);
    expectValuesFit(windows, kIncomingLogColumns);

    // the labels and buttons, then the headings of the flex grids
    for (QWidget* window : windows) {
        for (QWidget* control : window->findChildren<QWidget*>()) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(control))
                text = label->text();
            else if (auto* button = qobject_cast<QPushButton*>(control))
                text = button->text().remove(QLatin1Char('&'));
            if (text.isEmpty())
                continue;
            SCOPED_TRACE(control->objectName().toStdString());
            const std::vector<Drawn> drawn = textsDrawnBy(control);
            const QString shown = howShown(joined(drawn), text);
            if (qobject_cast<QPushButton*>(control))
                EXPECT_EQ(shown, QLatin1String("whole"));
            else
                EXPECT_NE(shown, QLatin1String("cut"));
            qreal width = 0;
            for (const Drawn& d : drawn)
                width += d.width;
            EXPECT_LE(width, control->width());
        }
        for (auto* grid : window->findChildren<ui::FlexGrid*>())
            expectHeadingsFit(grid);
    }

    layOutQueryLog(QStringLiteral("OUTGOING"));
    writeValues(windows, kOutgoingLogColumns);
    expectValuesFit(windows, kOutgoingLogColumns);
    expectHeadingsFit(ui::DefaultInstance<reports::frmQryRpt>::get().msgGrid);
}

// A caption too narrow for its control is marked on the side its alignment hides, except that a
// number always keeps its last digits: those tell the numbers of a series apart.
TEST(FittedCaptions, ATooNarrowCaptionIsMarkedWhereItsTellingPartStays)
{
    const QString number = QStringLiteral("10000000006013");
    const QString name = QStringLiteral("NORTHFIELD TELECOM SERVICES");
    const struct {
        QString text;
        Qt::Alignment alignment;
        bool keepsEnd;
    } cases[] = {
        {number, Qt::AlignLeft, true},  {number, Qt::AlignHCenter, true}, {number, Qt::AlignRight, true},
        {name, Qt::AlignLeft, false},   {name, Qt::AlignHCenter, false},  {name, Qt::AlignRight, true},
    };
    for (const auto& c : cases) {
        QLabel label(c.text);
        label.setAlignment(c.alignment | Qt::AlignVCenter);
        label.resize(60, 20);
        const QString shown = joined(textsDrawnBy(&label));
        EXPECT_EQ(howShown(shown, c.text), QLatin1String("marked")) << shown.toStdString();
        EXPECT_EQ(shown.startsWith(kMark), c.keepsEnd) << shown.toStdString();
    }
}

} // namespace
