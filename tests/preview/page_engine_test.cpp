// The page engine's text and drawing rules, on a surface that records what is drawn and measures
// every character 0.1 inch wide and a line of 10-point text 0.2 inch high.

#include "support/QtPrinters.h"

#include "preview/PageSurface.h"
#include "preview/clsMultiPgPreview.h"

#include "platform/runtime/RuntimeError.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace preview;

namespace {

struct Printed {
    double x, y;
    QString text;
};

class RecordingSurface : public PageSurface {
public:
    QSizeF paperSize() const override { return {8.5, 11}; }
    void startDoc() override {}
    void newPage() override { ++newPages; }
    void endDoc() override {}
    double textWidth(const QString& text) const override { return 0.1 * text.size(); }
    double textHeight(const QString&) const override { return font().size / 50; }
    void printRotated(const QString& text, int degrees) override { rotated.push_back({currentX(), double(degrees), text}); }
    void line(const QPointF& from, const QPointF& to) override
    {
        lines.push_back({from, to});
        lineWidths.push_back(drawWidth());
    }
    void box(const QRectF& rect, const QColor&) override { boxes.push_back(rect); }
    void circle(const QPointF&, double, const QColor&, double) override {}
    void paintPicture(const QImage&, const QRectF& target) override { pictures.push_back(target); }

    std::vector<Printed> printed;
    std::vector<Printed> rotated;
    std::vector<QLineF> lines;
    std::vector<int> lineWidths;
    std::vector<QRectF> boxes;
    std::vector<QRectF> pictures;
    int newPages = 0;

    QStringList texts() const
    {
        QStringList all;
        for (const Printed& p : printed)
            all << p.text;
        return all;
    }

protected:
    void drawText(const QPointF& at, const QString& text) override { printed.push_back({at.x(), at.y(), text}); }
};

class PageEngine : public ::testing::Test {
protected:
    PageEngine()
        : engine({[this] {
                      auto surface = std::make_unique<RecordingSurface>();
                      printer = surface.get();
                      return std::unique_ptr<PageSurface>(std::move(surface));
                  },
                  [this](const QSizeF&, const QString&) {
                      auto surface = std::make_unique<RecordingSurface>();
                      preview = surface.get();
                      return std::unique_ptr<PageSurface>(std::move(surface));
                  }})
    {
        engine.pStartDoc();
    }
    void startPreview()
    {
        engine.setSendToPrinter(false);
        engine.pStartDoc();
    }

    RecordingSurface* printer = nullptr;
    RecordingSurface* preview = nullptr;
    clsMultiPgPreview engine;
};

TEST_F(PageEngine, WrapsParagraphsWithinTheirEdges)
{
    struct Case {
        const char* text;
        const char* indent;
        QStringList lines;
    } cases[] = {
        {"aaaa bbbb cccc", "", {"aaaa bbbb ", "cccc"}},
        {"abcdefghijklmnop", "", {"abcdefghij", "klmnop"}},                // cut hard, one short of the edge
        {"aaaa bbbb cccc dddd eeee", "  ", {"aaaa bbbb ", "  cccc ", "  dddd ", "  eeee"}},
        {"abcdefghijklm", "-----------", {"abcdefghij", "-----------k", "-----------l", "-----------m"}}, // indent wider than the line
        {"one\r\ntwo", "", {"one", "two"}},
        {"", "", {""}},
    };
    for (const Case& c : cases) {
        printer->printed.clear();
        engine.setCurrentY(1);
        engine.pMultiline(c.text, 0.5, 1.55, c.indent, false, false);
        EXPECT_EQ(printer->texts(), c.lines) << c.text;
        for (std::size_t n = 0; n < printer->printed.size(); ++n) {
            EXPECT_DOUBLE_EQ(printer->printed[n].x, c.lines[n].isEmpty() ? 0 : 0.5) << c.text;
            EXPECT_NEAR(printer->printed[n].y, 1 + 0.2 * n, 1e-9) << c.text;
        }
    }
}

TEST_F(PageEngine, AWrappedParagraphReachingTheFooterStartsANewPageWithTheHeader)
{
    engine.setReportTitle("Title");
    engine.setCurrentY(10.3);
    engine.pMultiline("aaaa bbbb cccc", 0, 1.05, {}, false, true);
    EXPECT_EQ(printer->newPages, 1);
    ASSERT_EQ(printer->texts(), (QStringList{"aaaa bbbb ", "Title", "", "cccc"}));
    EXPECT_LT(printer->printed[3].y, 1.5);
}

TEST_F(PageEngine, PlacesLinesByTheirAlignment)
{
    struct Case {
        const char* what;
        std::function<void(clsMultiPgPreview&)> print;
        QStringList texts;
        double x;
    } cases[] = {
        {"centred on the paper", [](auto& e) { e.pCenter("abcd"); }, {"abcd"}, 4.05},
        {"centred in a width", [](auto& e) { e.pCenter("abcd", false, 2, 1); }, {"abcd"}, 1.8},
        {"ending at X", [](auto& e) { e.pRightJust("abcd", 3); }, {"abcd"}, 2.6},
        {"ending where it stands", [](auto& e) { e.setCurrentX(1); e.pRightJust("abcd"); }, {"abcd"}, 1.0},
        {"ending short of the right edge", [](auto& e) { e.pRightTab("abcd", 0.5); }, {"abcd"}, 7.6},
        {"at X", [](auto& e) { e.pPrint("abcd", 2); }, {"abcd"}, 2.0},
        {"past the paper's edge: wrapped", [](auto& e) { e.pPrint(QString(40, 'x'), 5.05); },
         {QString(33, 'x'), QString(7, 'x')}, 5.05},
        {"a bullet", [](auto& e) { e.pBullet(1.5); }, {QString::fromUtf8("•  ")}, 1.5},
    };
    for (const Case& c : cases) {
        printer->printed.clear();
        c.print(engine);
        EXPECT_EQ(printer->texts(), c.texts) << c.what;
        ASSERT_FALSE(printer->printed.empty()) << c.what;
        EXPECT_NEAR(printer->printed[0].x, c.x, 1e-9) << c.what;
    }
}

TEST_F(PageEngine, KeepsRotationWithinAWholeTurn)
{
    const struct {
        int angle;
        double degrees;
    } cases[] = {{400, 359}, {-10, 0}, {45, 45}, {359, 359}};
    for (const auto& c : cases) {
        printer->rotated.clear();
        engine.pPrintRotate("up", c.angle, 2);
        ASSERT_EQ(printer->rotated.size(), 1u);
        EXPECT_EQ(printer->rotated[0].y, c.degrees) << c.angle;
        EXPECT_EQ(printer->rotated[0].x, 2);
    }
}

TEST_F(PageEngine, DrawsRulesAndBoxesWithTheirDefaults)
{
    struct Case {
        const char* what;
        std::function<void(clsMultiPgPreview&)> draw;
        std::vector<QLineF> lines;
        std::vector<QRectF> boxes;
        double yAfter;
    } cases[] = {
        {"a rule from X to the paper's edge", [](auto& e) { e.pLine(); }, {{1, 2, 8.5, 2}}, {}, 2},
        {"a rule that would run left", [](auto& e) { e.pLine(3, 1); }, {{3, 2, 8.5, 2}}, {}, 2},
        {"a rule stepping down", [](auto& e) { e.pLine(1, 3, 0, true); }, {{1, 2.03, 3, 2.03}}, {}, 2.06},
        {"a vertical rule beyond the paper", [](auto& e) { e.pVerticalLine(9, 1, 4); }, {{8.49, 1, 8.49, 4}}, {}, 2},
        {"a vertical rule down to the footer", [](auto& e) { e.pVerticalLine(); }, {{1, 2, 1, 10.6}}, {}, 2},
        {"a double rule", [](auto& e) { e.pDoubleLine(); }, {{0, 2.03, 8.5, 2.03}, {0, 2.06, 8.5, 2.06}}, {}, 2.09},
        {"a box one line high across the paper", [](auto& e) { e.pBox(); }, {}, {{1, 2, 8.5, 0.2}}, 2},
        {"a box as given", [](auto& e) { e.pBox(1, 1, 2, 3, 0xFF, -1, 0); }, {}, {{1, 1, 2, 3}}, 2},
    };
    for (const Case& c : cases) {
        printer->lines.clear();
        printer->boxes.clear();
        engine.setCurrentX(1);
        engine.setCurrentY(2);
        c.draw(engine);
        ASSERT_EQ(printer->lines.size(), c.lines.size()) << c.what;
        for (std::size_t n = 0; n < c.lines.size(); ++n) {
            EXPECT_NEAR(printer->lines[n].x1(), c.lines[n].x1(), 1e-9) << c.what;
            EXPECT_NEAR(printer->lines[n].y1(), c.lines[n].y1(), 1e-9) << c.what;
            EXPECT_NEAR(printer->lines[n].x2(), c.lines[n].x2(), 1e-9) << c.what;
            EXPECT_NEAR(printer->lines[n].y2(), c.lines[n].y2(), 1e-9) << c.what;
        }
        EXPECT_EQ(printer->boxes, c.boxes) << c.what;
        EXPECT_NEAR(engine.CurrentY(), c.yAfter, 1e-9) << c.what;
        EXPECT_EQ(engine.CurrentX(), 1) << c.what;
        EXPECT_EQ(printer->fillStyle(), 1) << c.what;
    }
}

TEST_F(PageEngine, DrawsPreviewLinesAtHalfTheirWidth)
{
    startPreview();
    const struct {
        int set;
        int onPicture;
        int readBack;
    } cases[] = {{5, 2, 4}, {3, 2, 4}, {2, 1, 2}, {0, 1, 2}, {-3, 1, 2}, {8, 4, 8}};
    for (const auto& c : cases) {
        engine.setDrawWidth(c.set);
        EXPECT_EQ(preview->drawWidth(), c.onPicture) << c.set;
        EXPECT_EQ(engine.DrawWidth(), c.readBack) << c.set;
    }
    engine.setDrawWidth(1);
    engine.pLine(0, 1, 3);
    EXPECT_EQ(preview->lineWidths, std::vector<int>{2});
    EXPECT_EQ(engine.DrawWidth(), 2);
}

TEST_F(PageEngine, PicturesFitThePageOrDrawNothing)
{
    const QImage wide(200, 100, QImage::Format_RGB32);
    const QImage tall(100, 400, QImage::Format_RGB32);
    struct Case {
        const char* what;
        std::function<void(clsMultiPgPreview&)> draw;
        std::vector<QRectF> pictures;
    } cases[] = {
        {"a wide picture fitted, centred down", [&](auto& e) { e.pPrintPicture(wide); }, {{0, 3.375, 8.5, 4.25}}},
        {"a tall picture fitted, centred across", [&](auto& e) { e.pPrintPicture(tall); }, {{2.875, 0, 2.75, 11}}},
        {"a square box at a place", [&](auto& e) { e.pPrintPicture(wide, 1, 1, 2, 0); }, {{1, 1, 2, 1}}},
        {"stretched", [&](auto& e) { e.pPrintPicture(wide, 1, 1, 2, 3, false, false); }, {{1, 1, 2, 3}}},
        {"no picture", [](auto& e) { e.pPrintPicture(QImage(), 1, 1, 2, 3); }, {}},
    };
    for (const Case& c : cases) {
        printer->pictures.clear();
        c.draw(engine);
        EXPECT_EQ(printer->pictures, c.pictures) << c.what;
    }
}

TEST_F(PageEngine, CountsPagesAndLeavesPrinterModeAtTheEnd)
{
    EXPECT_EQ(engine.GetPage(), 1);
    engine.pNewPage();
    EXPECT_EQ(engine.GetPage(), 2);
    engine.pEndDoc();
    EXPECT_FALSE(engine.SendToPrinter());
    engine.pStartDoc();
    EXPECT_EQ(engine.GetPage(), 1);
    engine.pNewPage();
    engine.pNewPage();
    EXPECT_EQ(engine.GetPage(), 3);
    EXPECT_EQ(preview->newPages, 2);
    EXPECT_EQ(printer->newPages, 1);
}

TEST_F(PageEngine, HeaderAndBackgroundRules)
{
    engine.setCurrentX(1);
    engine.setCurrentY(2);
    engine.pHeader({});
    EXPECT_TRUE(printer->printed.empty());
    EXPECT_EQ(engine.CurrentY(), 2);

    engine.setBackColor(0x00FFFF);
    EXPECT_FALSE(engine.FontTransparent());
    EXPECT_EQ(engine.BackColor(), 0x00FFFF);
    engine.setBackColor(-1);
    EXPECT_TRUE(engine.FontTransparent());
    EXPECT_EQ(engine.BackColor(), 0xFFFFFF);
    EXPECT_EQ(engine.CurrentY(), 2);
    EXPECT_THROW(engine.setColorMode(256), runtime::RuntimeError);
}

} // namespace
