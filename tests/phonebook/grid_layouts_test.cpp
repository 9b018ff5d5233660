// The two phone-book grids hold the widest value each column shows in normal use whole, or draw a
// longer one elided with a visible mark; never cut silently.

#include "PhoneBookFixture.h"

#include "phonebook/frmPhoneBook.h"
#include "phonebook/frmPhoneBookQuery.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/ElidedText.h"

#include <QStyle>

#include <span>

namespace {

const QString kMark = QStringLiteral("…");

// How the grid draws a value in a column: "whole", "marked", or "cut".
QString howShown(const ui::FlexGrid* grid, int col, const QString& value)
{
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    const int pixels = qRound(grid->colWidth(col) * grid->logicalDpiX() / 1440.0) - 1 - 2 * margin;
    const QString shown = ui::fittedText(QFontMetrics(grid->font()), value, int(Qt::AlignLeft), pixels);
    if (shown == value)
        return QStringLiteral("whole");
    if (shown.endsWith(kMark) && value.startsWith(shown.chopped(kMark.size())))
        return QStringLiteral("marked");
    return QStringLiteral("cut");
}

struct Column {
    int col;
    const char* value;
    const char* shown;
};

// The list of the entry window.
const Column kListColumns[] = {
    {0, "999", "whole"},           {1, "SURAT-02", "whole"},          {2, "VISAKHAPATNAM", "whole"},
    {3, "AIRPORT COUNTER", "whole"}, {4, "SURESH KUMAR REDDY", "whole"},       {5, "128 MAHATMA GANDHI ROAD EAST", "whole"},
    {6, "INDUSTRIAL ZONE SECTOR 4", "whole"}, {7, "RAJAHMUNDRY EAST", "whole"},
    {2, "THIRUVANANTHAPURAM CENTRAL STATION", "marked"},
};

// The contacts grid of the look-up window.
const Column kContactColumns[] = {
    {0, "999", "whole"},        {1, "SURAT-02", "whole"},        {2, "VISAKHAPATNAM", "whole"},
    {3, "AIRPORT COUNTER", "whole"}, {4, "SURESH KUMAR REDDY", "whole"}, {5, "BRANCH MANAGER", "whole"},
    {6, "128 MAHATMA GANDHI ROAD", "whole"}, {7, "NEAR CENTRAL BUS STAND", "whole"},
    {8, "VISAKHAPATNAM", "whole"}, {9, "530017", "whole"},      {10, "+91 98765 43210", "whole"},
    {11, "0891-2754321", "whole"}, {12, "0891-2754300", "whole"}, {13, "ops.vtz@quorvel.example", "whole"},
    {14, "a.rao@quorvel.example", "whole"}, {15, "counter@quorvel.example", "whole"},
    {2, "THIRUVANANTHAPURAM CENTRAL", "marked"},
};

class PhoneBookGrids : public testsupport::PhoneBookFixture<phonebook::frmPhoneBook> {
protected:
    void TearDown() override
    {
        ui::DefaultInstance<phonebook::frmPhoneBookQuery>::unload();
        PhoneBookFixture::TearDown();
    }
};

TEST_F(PhoneBookGrids, EachColumnHoldsItsWidestNormalValueWholeOrMarked)
{
    const struct {
        ui::FlexGrid* grid;
        std::span<const Column> columns;
    } grids[] = {
        {window().msgReport, kListColumns},
        {ui::DefaultInstance<phonebook::frmPhoneBookQuery>::get().msgReport, kContactColumns},
    };
    for (const auto& g : grids) {
        ui::DefaultInstance<phonebook::frmPhoneBookQuery>::get().FormatGrid();
        for (const Column& c : g.columns)
            EXPECT_EQ(howShown(g.grid, c.col, QString::fromUtf8(c.value)), QLatin1String(c.shown))
                << g.grid->window()->objectName().toStdString() << " column " << c.col << ": " << c.value;
        for (int col = 0; col < g.grid->cols(); ++col)
            EXPECT_EQ(howShown(g.grid, col, g.grid->textMatrix(0, col)), "whole") << g.grid->textMatrix(0, col).toStdString();
    }
}

} // namespace
