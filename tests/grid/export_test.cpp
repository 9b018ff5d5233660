// The CSV export of the grid (file bytes, quoting, options, replacement and messages) and the
// fill from a recordset.

#include "support/OpenedUrls.h"
#include "support/TempServer.h"

#include "grid/GridCsv.h"
#include "grid/QvGrid.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/MessageBox.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <sys/resource.h>

using namespace grid;
using testsupport::OpenedUrls;
using testsupport::TempServer;

namespace {

// An installation root with its export folder; message boxes are answered, the question to open
// the file with No unless a test says otherwise.
class Export : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(m_server.root()).mkpath("ConvertedExcelFile");
        ui::MessageBoxSeam::startAnswering();
        ui::MessageBoxSeam::setAnswerer([](const ui::ShownMessage&) { return int(ui::vbNo); });
    }
    void TearDown() override { ui::MessageBoxSeam::stopAnswering(); }

    QString exported(const QString& name) const { return m_server.root() + "/ConvertedExcelFile/" + name + ".csv"; }

    QByteArray contents(const QString& name) const
    {
        QFile file(exported(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    static const QList<ui::ShownMessage>& shown() { return ui::MessageBoxSeam::shown(); }
    static QString appTitle() { return QCoreApplication::applicationName(); }

    TempServer m_server;
};

// Columns A and B (text), one row per tab-separated item.
std::unique_ptr<QvGrid> gridOf(const QStringList& items)
{
    auto grid = std::make_unique<QvGrid>();
    grid->AddColumn("A", 1000, 0, ColText, {}, {}, 0, false);
    grid->AddColumn("B", 1000, 0, ColText, {}, {}, 0, false);
    for (const QString& item : items)
        grid->AddItem(item);
    return grid;
}

} // namespace

TEST(CsvWriter, QuotesFieldsWithAQuoteACommaOrALineBreakAndLeavesTheLastLineOpen)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CsvWriter csv(buffer);
    csv.writeLine(u"Title, \"1\"");
    csv.addTextField(u"a,b");
    csv.addField(u"a,b");
    csv.addField(u"=SUM(A1)");
    csv.addField(u"two\r\nlines");
    csv.endLine();
    csv.addField(u"open");
    EXPECT_TRUE(csv.finish());
    EXPECT_EQ(buffer.data(), QByteArray("\"Title, \"\"1\"\"\"\r\n,a b,\"a,b\",=SUM(A1),\"two\r\nlines\"\r\n,open"));
}

TEST(CsvWriter, LinesWrittenInBlocksKeepTheirBytesAcrossTheBlockBoundaries)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QByteArray expected;
    {
        CsvWriter csv(buffer);
        // Lines of uneven length and two-byte characters, some tens of thousands of characters.
        for (int i = 0; i < 3000; ++i) {
            csv.addTextField(QString("caf\u00e9 %1").arg(i));
            csv.addField(QString(i % 5, QChar('"')));
            csv.endLine();
            expected += ",caf\xc3\xa9 " + QByteArray::number(i) + ","
                        + (i % 5 == 0 ? QByteArray() : '"' + QByteArray(2 * (i % 5), '"') + '"') + "\r\n";
        }
        csv.addField(u"open");
        EXPECT_TRUE(csv.finish());
    }
    EXPECT_EQ(buffer.data(), expected + ",open");
}

TEST_F(Export, ASmallGridGivesTheHeadingLineAndOneLinePerRow)
{
    auto grid = gridOf({"x\ty"});
    grid->ExportGrid("small", false, false, false);
    EXPECT_EQ(contents("small"), QByteArray(",A,B\r\n,x,y\r\n"));
}

TEST_F(Export, CaptionHeadingsCellsAndTotalsFollowTheDisplayOrderAndTheQuotingRule)
{
    auto grid = std::make_unique<QvGrid>();
    grid->AddColumn("Item, name", 1000, 0, ColText, {}, {}, 0, false);
    grid->AddColumn("Qty", 1000, 0, ColNumber, {}, {}, 0, false);
    grid->AddItem("pipe 5\", steel\t10");
    grid->AddItem("=SUM(B1)\t20");
    grid->AddItem("two\nlines\t30");
    grid->SetCaption("Stock, \"north\"");
    grid->SetTotalsLineShow(true);
    grid->SetTotalsLineCaption(0, "Totals, all");
    grid->SetTotalsLineCaption(1, "Sum");
    grid->store().SetColOrder({1, 0});
    grid->store().SetRowOrder({2, 0, 1});

    grid->ExportGrid("stock", false, false, false);
    EXPECT_EQ(contents("stock"), QByteArray("\"Stock, \"\"north\"\"\"\r\n"
                                            ",Qty,Item  name\r\n"
                                            ",30,\"two\nlines\"\r\n"
                                            ",10,\"pipe 5\"\"  steel\"\r\n"
                                            ",20,=SUM(B1)\r\n"
                                            ",Sum 60,\"Totals, all\""));
}

TEST_F(Export, CheckBoxCellsAreWrittenAsTruthValuesUnlessAskedForText)
{
    auto grid = std::make_unique<QvGrid>();
    grid->AddColumn("Done", 1000, 0, ColCheckBox, {}, {}, 0, false);
    for (const char* text : {"True", "False", "1", "0", "", "abc", "-5"})
        grid->AddItem(text);

    grid->ExportGrid("checks", false, false, false);
    EXPECT_EQ(contents("checks"), QByteArray(",Done\r\n,-1\r\n,0\r\n,-1\r\n,0\r\n,0\r\n,0\r\n,-1\r\n"));
    grid->ExportGrid("texts", false, false, true);
    EXPECT_EQ(contents("texts"), QByteArray(",Done\r\n,True\r\n,False\r\n,1\r\n,0\r\n,\r\n,abc\r\n,-5\r\n"));
}

TEST_F(Export, VisibleOnlyOptionsLeaveOutHiddenColumnsAndRows)
{
    auto grid = gridOf({"a1\tb1", "a2\tb2", "a3\tb3"});
    grid->SetTotalsLineShow(true);
    grid->SetTotalsLineCaption(0, "TA");
    grid->SetTotalsLineCaption(1, "TB");
    grid->store().Column(0).Visible = false;
    grid->SetRowVisible(1, false);
    struct Case {
        bool cols;
        bool rows;
        QByteArray written;
    };
    const Case cases[] = {
        {false, false, ",A,B\r\n,a1,b1\r\n,a2,b2\r\n,a3,b3\r\n,TA,TB"},
        {true, false, ",B\r\n,b1\r\n,b2\r\n,b3\r\n,TB"},
        {false, true, ",A,B\r\n,a1,b1\r\n,a3,b3\r\n,TA,TB"},
        {true, true, ",B\r\n,b1\r\n,b3\r\n,TB"},
    };
    for (const Case& c : cases) {
        grid->ExportGrid("visible", c.cols, c.rows, false);
        EXPECT_EQ(contents("visible"), c.written) << c.cols << c.rows;
    }
}

TEST_F(Export, ASuccessfulExportReplacesTheFileAndOffersToOpenIt)
{
    QFile old(exported("grid"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older and longer export of the same grid\r\n");
    old.close();

    auto grid = gridOf({"x\ty"});
    grid->ExportGrid("grid", false, false, false);
    EXPECT_EQ(contents("grid"), QByteArray(",A,B\r\n,x,y\r\n"));
    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown()[0].prompt, "File grid.csv was saved to your Application Excel path.\r\nDo you want to open it?");
    EXPECT_EQ(shown()[0].style, ui::vbYesNo | ui::vbQuestion);
    EXPECT_EQ(shown()[0].title, appTitle());
    EXPECT_EQ(QDir(m_server.root() + "/ConvertedExcelFile").entryList(QDir::Files), QStringList{"grid.csv"});
}

TEST_F(Export, YesOpensTheFileAndAFailedOpenIsReported)
{
    OpenedUrls opened;
    QDesktopServices::setUrlHandler("file", &opened, "open");
    auto grid = gridOf({"x\ty"});
    ui::MessageBoxSeam::setAnswerer([](const ui::ShownMessage&) { return int(ui::vbYes); });
    grid->ExportGrid("opened", false, false, false);
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(exported("opened"))});
    EXPECT_EQ(shown().size(), 1);

    // The file is gone by the time the shell is asked to open it.
    ui::MessageBoxSeam::clearShown();
    ui::MessageBoxSeam::setAnswerer([this](const ui::ShownMessage& m) {
        QFile::remove(exported("vanished"));
        return int(m.buttons() == ui::vbYesNo ? ui::vbYes : ui::vbOK);
    });
    grid->ExportGrid("vanished", false, false, false);
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(shown().size(), 2);
    EXPECT_EQ(shown()[1].prompt, "Unable to open target file.");
    EXPECT_EQ(shown()[1].style, ui::vbInformation);
    EXPECT_EQ(shown()[1].title, appTitle());
    EXPECT_EQ(opened.urls.size(), 1);
}

TEST_F(Export, AGridWithoutRowsWritesNoFile)
{
    auto grid = gridOf({});
    grid->ExportGrid("empty", false, false, false);
    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown()[0].prompt, "No grid rows to export.");
    EXPECT_EQ(shown()[0].style, ui::vbInformation);
    EXPECT_EQ(shown()[0].title, appTitle());
    EXPECT_FALSE(QFile::exists(exported("empty")));
}

TEST_F(Export, FailuresAreReportedAsErrorsAndLeaveNoFileBehind)
{
    auto grid = gridOf({"x\ty"});
    struct Case {
        QString name;
        QString prompt;
    };
    const Case cases[] = {
        {"..\\outside", "Error# 52\r\nBad file name or number"},
        {"../outside", "Error# 52\r\nBad file name or number"},
        {"sub\\inside", "Error# 52\r\nBad file name or number"},
    };
    QDir(m_server.root() + "/ConvertedExcelFile").mkpath("sub");
    for (const Case& c : cases) {
        ui::MessageBoxSeam::clearShown();
        grid->ExportGrid(c.name, false, false, false);
        ASSERT_EQ(shown().size(), 1) << c.name.toStdString();
        EXPECT_EQ(shown()[0].prompt, c.prompt);
        EXPECT_EQ(shown()[0].style, ui::vbCritical);
        EXPECT_EQ(shown()[0].title, "QvGrid.Export");
    }
    EXPECT_FALSE(QFile::exists(m_server.root() + "/outside.csv"));
    EXPECT_TRUE(QDir(m_server.root() + "/ConvertedExcelFile/sub").isEmpty());

    ui::MessageBoxSeam::clearShown();
    QDir(m_server.root() + "/ConvertedExcelFile").removeRecursively();
    grid->ExportGrid("nofolder", false, false, false);
    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown()[0].prompt, "Error# 76\r\nPath not found");
    EXPECT_EQ(shown()[0].title, "QvGrid.Export");
    EXPECT_FALSE(QDir(m_server.root() + "/ConvertedExcelFile").exists());
}

TEST_F(Export, AWriteThatFailsHalfwayKeepsTheFileThatWasThere)
{
    QFile old(exported("big"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the previous export\r\n");
    old.close();

    QStringList items;
    for (int i = 0; i < 2000; ++i)
        items << QString("row %1\tsome text to fill the file").arg(i);
    auto grid = gridOf(items);

    // Files may not grow past 4 KiB while the grid is exported: the write fails part-way.
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{4096, limit.rlim_max};
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    grid->ExportGrid("big", false, false, false);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_EQ(shown().size(), 1);
    EXPECT_EQ(shown()[0].prompt, "Error# 57\r\nDevice I/O error");
    EXPECT_EQ(shown()[0].style, ui::vbCritical);
    EXPECT_EQ(shown()[0].title, "QvGrid.Export");
    EXPECT_EQ(contents("big"), QByteArray("the previous export\r\n"));
    EXPECT_EQ(QDir(m_server.root() + "/ConvertedExcelFile").entryList(QDir::Files), QStringList{"big.csv"});
}

class FillFromQuery : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_server.addDatabase("SRV", "Stock",
                             "CREATE TABLE Items (Name TEXT, Qty INTEGER, Note TEXT);"
                             "INSERT INTO Items VALUES ('bolt', 12, NULL);"
                             "INSERT INTO Items VALUES ('nut' || char(9) || 'washer', NULL, 'pair');"
                             "INSERT INTO Items VALUES ('pin', 3, '');"
                             "CREATE TABLE Missing (Name TEXT);");
        m_connection.open(TempServer::connectionText("SRV", "Stock"));
    }

    TempServer m_server;
    db::Connection m_connection;
};

QStringList rowsOf(const QvGrid& grid)
{
    QStringList rows;
    for (qint32 r = 0; r < grid.Rows(); ++r) {
        QStringList cells;
        for (qint32 c = 0; c < grid.Cols(); ++c)
            cells << grid.store().CellAt(r, c).Text;
        rows << cells.join('|');
    }
    return rows;
}

TEST_F(FillFromQuery, AddsAColumnPerFieldAndARowPerRecordAndKeepsThePosition)
{
    db::Recordset records;
    records.open("SELECT Name, Qty, Note FROM Items", m_connection);
    records.moveNext();
    auto grid = gridOf({"old\trow"});

    grid->FillGridFromQuery(records, true, false);
    ASSERT_EQ(grid->Cols(), 3);
    EXPECT_EQ(grid->store().Column(0).Heading, "Name");
    EXPECT_EQ(grid->store().Column(1).Heading, "Qty");
    EXPECT_EQ(grid->store().Column(2).Heading, "Note");
    EXPECT_EQ(rowsOf(*grid), (QStringList{"bolt|12|", "nut\twasher||pair", "pin|3|"}));
    EXPECT_EQ(grid->TotalsCol(1), 15);
    EXPECT_EQ(records.bookmark(), 1);
}

TEST_F(FillFromQuery, FitsTheColumnsWhenAddingThemOrAskedTo)
{
    struct Case {
        bool addColumns;
        bool fit;
        bool fitted;
    };
    for (const Case& c : {Case{true, false, true}, Case{false, true, true}, Case{false, false, false}}) {
        db::Recordset records;
        records.open("SELECT Name, Qty FROM Items", m_connection);
        auto grid = gridOf({});
        grid->resize(800, 300);
        const float added = grid->store().Column(0).Width;
        grid->FillGridFromQuery(records, c.addColumns, c.fit);
        EXPECT_EQ(grid->store().Column(0).Width != (c.addColumns ? 501.0f : added), c.fitted) << c.addColumns << c.fit;
        EXPECT_EQ(grid->store().Column(0).Width, grid->store().Column(1).Width);
    }
}

TEST_F(FillFromQuery, KeepsTheColumnsWhenNotAskedToAddThem)
{
    db::Recordset records;
    records.open("SELECT Name, Qty, Note FROM Items", m_connection);
    while (!records.eof())
        records.moveNext();
    auto grid = gridOf({"old\trow"});

    grid->FillGridFromQuery(records, false, false);
    EXPECT_EQ(grid->Cols(), 2);
    EXPECT_EQ(grid->store().Column(0).Heading, "A");
    EXPECT_EQ(rowsOf(*grid), (QStringList{"bolt|12", "nut\twasher|", "pin|3"}));
    EXPECT_TRUE(records.eof());
}

TEST_F(FillFromQuery, AnEmptyRecordsetOnlyClearsTheGrid)
{
    db::Recordset records;
    records.open("SELECT Name FROM Missing", m_connection);
    auto grid = gridOf({"old\trow"});
    grid->FillGridFromQuery(records, false, false);
    EXPECT_EQ(grid->Rows(), 0);
    EXPECT_EQ(grid->Cols(), 2);
    grid->FillGridFromQuery(records, true, false);
    EXPECT_EQ(grid->Cols(), 0);
}
