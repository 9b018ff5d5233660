// Column properties, the two sizing operations and the column layout saved per user.

#include "grid/QvGrid.h"

#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <memory>

using namespace grid;
using runtime::ErrorNumber;
using runtime::RuntimeError;

namespace {

ErrorNumber errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return ErrorNumber{};
}

void addColumns(QvGrid& grid, qint32 count, qint32 type = ColText)
{
    for (qint32 c = 0; c < count; ++c)
        grid.AddColumn(QStringLiteral("C%1").arg(c), 1000, 0, type, QString(), QString(), 0, false);
}

} // namespace

TEST(GridColumnProperties, EachLetStoresItsFieldAndRepaintsOnlyWhereItShould)
{
    QvGrid grid;
    addColumns(grid, 2);
    grid.SetRedraw(true);
    QSignalSpy changes(&grid, &QvGrid::propertyChanged);

    const struct {
        const char* name;
        std::function<void()> let;
        std::function<bool()> stored;
        bool repaints;
    } cases[] = {
        {"ColAlignment", [&] { grid.SetColAlignment(1, 6); }, [&] { return grid.ColAlignment(1) == 6; }, true},
        {"ColFormat", [&] { grid.SetColFormat(1, "0.00"); }, [&] { return grid.ColFormat(1) == "0.00"; }, true},
        {"ColHeading", [&] { grid.SetColHeading(1, "Weight"); }, [&] { return grid.ColHeading(1) == "Weight"; }, true},
        {"ColImageAlignment", [&] { grid.SetColImageAlignment(1, 2); },
         [&] { return grid.ColImageAlignment(1) == 2; }, true},
        {"ColInputFilter", [&] { grid.SetColInputFilter(1, ">"); }, [&] { return grid.ColInputFilter(1) == ">"; },
         false},
        {"ColLocked", [&] { grid.SetColLocked(1, true); }, [&] { return grid.ColLocked(1); }, true},
        {"ColTag", [&] { grid.SetColTag(1, "t"); }, [&] { return grid.ColTag(1) == "t"; }, false},
        {"ColType", [&] { grid.SetColType(1, ColDate); }, [&] { return grid.ColType(1) == ColDate; }, false},
        {"ColVisible", [&] { grid.SetColVisible(1, false); }, [&] { return !grid.ColVisible(1); }, true},
        {"ColWidth", [&] { grid.SetColWidth(1, 2250); }, [&] { return grid.ColWidth(1) == 2250; }, true},
        {"ColWordWrap", [&] { grid.SetColWordWrap(1, true); }, [&] { return grid.ColWordWrap(1); }, false},
    };
    for (const auto& c : cases) {
        const qint32 before = grid.paintPasses();
        c.let();
        EXPECT_TRUE(c.stored()) << c.name;
        EXPECT_EQ(grid.paintPasses() > before, c.repaints) << c.name;
    }
    EXPECT_EQ(changes.count(), 0);
    // The other column kept its own values.
    EXPECT_EQ(grid.ColHeading(0), "C0");
    EXPECT_FALSE(grid.ColWordWrap(0));
}

TEST(GridColumnProperties, AnIndexOutsideTheColumnsIsErrorNineAndATypeBeyondSixteenBitsErrorSix)
{
    QvGrid grid;
    addColumns(grid, 2);
    EXPECT_EQ(errorOf([&] { grid.ColHeading(2); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { grid.SetColWidth(-1, 10); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { grid.SetColType(5, 1); }), ErrorNumber::SubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { grid.SetColType(0, 40000); }), ErrorNumber::Overflow);
    EXPECT_EQ(grid.ColType(0), ColText);
    EXPECT_EQ(grid.ColType(1), ColText);
    EXPECT_EQ(errorOf([&] { grid.SetColType(0, -32768); }), ErrorNumber{});
    // -1 reads as locked, whatever the columns.
    EXPECT_TRUE(grid.ColLocked(-1));
    EXPECT_FALSE(grid.ColLocked(0));
}

TEST(GridColumnProperties, AWidthIsKeptInScaleUnitsAndShownInWholePixels)
{
    QvGrid grid;
    addColumns(grid, 1);
    grid.SetColWidth(0, 1500.0f);
    EXPECT_EQ(grid.store().Columns()[0].WidthPx, qint32(std::nearbyint(grid.ScaleXToPixels(1500))));
    grid.SetScaleUnits(3);
    grid.SetColWidth(0, 80.5f);
    EXPECT_EQ(grid.ColWidth(0), 80.5f);
    EXPECT_EQ(grid.store().Columns()[0].WidthPx, 80);
}

// ---- sizing ----

namespace {

double visibleWidthsInTwips(QvGrid& grid, double twipsPerUnit)
{
    double total = 0;
    for (qint32 c = 0; c < grid.Cols(); ++c) {
        if (grid.ColVisible(c))
            total += grid.ColWidth(c) * twipsPerUnit;
    }
    return total;
}

} // namespace

TEST(GridColumnSizing, ForceFitFillsTheVisibleWidthInAnyUnit)
{
    for (const qint32 units : {1, 3, 6}) {
        QvGrid grid;
        grid.resize(500, 300);
        grid.SetScaleUnits(units);
        const double twipsPerUnit = 1440.0 / grid.logicalDpiX() / grid.PixelsToScaleX(1);
        addColumns(grid, 3);
        grid.SetColWidth(0, float(grid.PixelsToScaleX(40)));
        grid.SetColWidth(1, float(grid.PixelsToScaleX(60)));
        grid.SetColWidth(2, float(grid.PixelsToScaleX(100)));
        grid.SetColVisible(2, false);
        const float hiddenBefore = grid.ColWidth(2);

        grid.ColForceFit();
        const double visible = grid.VisibleWidth();
        EXPECT_NEAR(visibleWidthsInTwips(grid, twipsPerUnit), visible, 2.0) << "units " << units;
        // One factor for all, hidden columns included.
        EXPECT_NEAR(grid.ColWidth(1) / grid.ColWidth(0), 1.5, 1e-4);
        EXPECT_NEAR(grid.ColWidth(2) / hiddenBefore, grid.ColWidth(0) / grid.PixelsToScaleX(40), 1e-4);
    }
}

TEST(GridColumnSizing, ShownRowNumbersGetTheirColumnBeforeTheFit)
{
    QvGrid grid;
    grid.resize(500, 300);
    addColumns(grid, 2);
    grid.SetShowRowNumbers(true);
    ASSERT_EQ(grid.layoutMetrics().RowNumberWidth, 0) << "no paint has given the row numbers a width";
    grid.ColForceFit();
    EXPECT_EQ(grid.layoutMetrics().RowNumberWidth, 19);
    EXPECT_NEAR(grid.ColWidth(0) + grid.ColWidth(1), grid.VisibleWidth(), 2.0);
}

TEST(GridColumnSizing, AutoSizeOnAGridWithoutRowsChangesOnlyCheckBoxColumns)
{
    for (const qint32 units : {1, 3}) {
        QvGrid grid;
        grid.SetScaleUnits(units);
        addColumns(grid, 1, ColText);
        addColumns(grid, 1, ColCheckBox);
        addColumns(grid, 1, ColProgressBar);
        const float text = grid.ColWidth(0);
        const float bar = grid.ColWidth(2);
        grid.ColWidthAutoSize(-1);
        EXPECT_EQ(grid.ColWidth(0), text);
        EXPECT_EQ(grid.ColWidth(2), bar);
        // 480 twips: 32 pixels at 96 dots per inch.
        EXPECT_NEAR(grid.ScaleXToPixels(grid.ColWidth(1)), 480.0 * grid.logicalDpiX() / 1440, 1e-3);
    }
}

TEST(GridColumnSizing, AutoSizeFitsTheWidestCellAndLeavesProgressBarsAlone)
{
    QvGrid grid;
    addColumns(grid, 1, ColText);
    addColumns(grid, 1, ColNumber);
    addColumns(grid, 1, ColProgressBar);
    grid.AddItem("short\t1\t50");
    grid.AddItem("a much longer text\t2\t60");
    grid.SetCellFontBold(1, 0, true);
    const float bar = grid.ColWidth(2);

    grid.ColWidthAutoSize(-1);
    QFont bold = grid.Font();
    bold.setBold(true);
    const double twipsPerPixel = 1440.0 / grid.logicalDpiX();
    const double widest = std::nearbyint(QFontMetricsF(bold, &grid).horizontalAdvance("a much longer text"));
    EXPECT_NEAR(grid.ColWidth(0), (twipsPerPixel + widest) * twipsPerPixel, 1e-2);
    EXPECT_EQ(grid.ColWidth(2), bar);

    // With the totals line, a number column holds its caption and total.
    const float plain = grid.ColWidth(1);
    grid.SetTotalsLineShow(true);
    grid.SetTotalsLineCaption(1, "Total weight:");
    grid.ColWidthAutoSize(1);
    EXPECT_GT(grid.ColWidth(1), plain);
    const double totals = std::nearbyint(QFontMetricsF(grid.Font(), &grid).horizontalAdvance("Total weight:3"));
    EXPECT_NEAR(grid.ColWidth(1), (twipsPerPixel + totals) * twipsPerPixel, 1e-2);
    // A column that does not exist is passed over.
    grid.ColWidthAutoSize(9);
}

// ---- saved layout ----

namespace {

class GridLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        previousName = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("QuorvelLayoutTest"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    }
    void TearDown() override { QCoreApplication::setApplicationName(previousName); }

    // The saved section, as another program would read it.
    std::unique_ptr<QSettings> section(const QString& name)
    {
        auto settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                    QCoreApplication::applicationName());
        settings->beginGroup(name);
        return settings;
    }

    QTemporaryDir folder;
    QString previousName;
};

} // namespace

TEST_F(GridLayout, SavingFiveColumnsWritesTheCountAndOneKeyPerPosition)
{
    QvGrid grid;
    addColumns(grid, 5);
    grid.store().SetColOrder({2, 0, 1, 4, 3});
    grid.ColOrderSave("Deliveries");

    const auto saved = section("Deliveries");
    EXPECT_EQ(saved->childKeys().size(), 6);
    EXPECT_EQ(saved->value("Count").toString(), "4");
    const QStringList expected{"2", "0", "1", "4", "3"};
    for (qint32 p = 0; p < 5; ++p)
        EXPECT_EQ(saved->value(QString::number(p)).toString(), expected[p]);

    QvGrid same;
    addColumns(same, 5);
    QSignalSpy changed(&same, &QvGrid::ColumnOrderChanged);
    same.ColOrderLoad("Deliveries");
    EXPECT_EQ(same.store().ColOrder(), QList<qint32>({2, 0, 1, 4, 3}));
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0), QList<QVariant>({0, 0}));
}

TEST_F(GridLayout, AnOrderSavedForOtherColumnsOrNotNamingEachColumnOnceIsIgnored)
{
    QvGrid five;
    addColumns(five, 5);
    five.store().SetColOrder({4, 3, 2, 1, 0});
    five.ColOrderSave("Deliveries");

    QvGrid six;
    addColumns(six, 6);
    QSignalSpy changed(&six, &QvGrid::ColumnOrderChanged);
    six.ColOrderLoad("Deliveries");
    EXPECT_EQ(six.store().ColOrder(), QList<qint32>({0, 1, 2, 3, 4, 5}));

    const struct {
        const char* key;
        const char* value;
    } damages[] = {{"1", "4"}, {"2", "-1"}, {"0", "7"}, {"3", "x"}, {"4", "2.5"}};
    for (const auto& damage : damages) {
        five.ColOrderSave("Deliveries");
        section("Deliveries")->setValue(damage.key, damage.value);
        QvGrid other;
        addColumns(other, 5);
        QSignalSpy otherChanged(&other, &QvGrid::ColumnOrderChanged);
        other.ColOrderLoad("Deliveries");
        EXPECT_EQ(other.store().ColOrder(), QList<qint32>({0, 1, 2, 3, 4})) << damage.key << "=" << damage.value;
        EXPECT_EQ(otherChanged.count(), 0);
    }
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(GridLayout, AOneColumnGridWithNothingSavedAppliesItsOwnOrder)
{
    QvGrid grid;
    addColumns(grid, 1);
    QSignalSpy changed(&grid, &QvGrid::ColumnOrderChanged);
    grid.ColOrderLoad("Nothing saved");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(grid.store().ColOrder(), QList<qint32>({0}));

    // Restoring the order of one column does nothing.
    grid.ColOrderRestore();
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(GridLayout, RestoreShowsTheColumnsInTheOrderTheyWereAdded)
{
    QvGrid grid;
    addColumns(grid, 3);
    grid.store().SetColOrder({2, 1, 0});
    QSignalSpy changed(&grid, &QvGrid::ColumnOrderChanged);
    grid.ColOrderRestore("ignored");
    EXPECT_EQ(grid.store().ColOrder(), QList<qint32>({0, 1, 2}));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(GridLayout, WidthsRoundTripAndUnreadableSavedWidthsAreIgnored)
{
    QvGrid saved;
    addColumns(saved, 4);
    saved.SetColWidth(0, 1234.5f);
    saved.SetColWidth(1, 0.0f);
    saved.SetColWidth(2, 3000.0f);
    saved.ColWidthsSave("Deliveries");
    EXPECT_EQ(section("Deliveries")->value("W0").toString(), "1234.5");
    section("Deliveries")->setValue("W2", "-40");
    section("Deliveries")->setValue("W3", "wide");

    QvGrid loaded;
    addColumns(loaded, 5);
    loaded.ColWidthsLoad("Deliveries");
    EXPECT_EQ(loaded.ColWidth(0), 1234.5f);
    EXPECT_EQ(loaded.ColWidth(1), 0.0f);
    EXPECT_EQ(loaded.ColWidth(2), 1001.0f);
    EXPECT_EQ(loaded.ColWidth(3), 1001.0f);
    EXPECT_EQ(loaded.ColWidth(4), 1001.0f);
    EXPECT_EQ(loaded.store().Columns()[0].WidthPx, qint32(std::nearbyint(loaded.ScaleXToPixels(1234.5))));
}
