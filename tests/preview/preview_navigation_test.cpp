// The preview window's paging, go-to, key and scrolling rules, without the window.

#include "support/QtPrinters.h"

#include "preview/PreviewNavigation.h"

#include <gtest/gtest.h>
#include <set>

using namespace preview;
using Action = PreviewNavigation::Action;
using Target = PreviewNavigation::KeyTarget;

namespace {

const auto loadsAll = [](int) { return true; };

TEST(PreviewNavigation, PagesStayWithinTheDocument)
{
    const struct {
        int lastPage;
        int from;
        int to;
        int shown;
        const char* caption;
    } cases[] = {
        {11, 2, 2, 2, "3\n-- of --\n12"},
        {11, 0, -1, 0, "1\n-- of --\n12"},  // back from the first page
        {11, 11, 12, 11, "12\n-- of --\n12"}, // on from the last
        {0, 0, 1, 0, "1\n-- of --\n1"},
        {40000, 0, 39999, 39999, "40000\n-- of --\n40001"}, // past 16-bit page numbers
    };
    for (const auto& c : cases) {
        PreviewNavigation nav(c.lastPage, {800, 1000}, 30);
        nav.showPage(c.from, loadsAll);
        nav.setRoom(500, 600);
        nav.setVerticalValue(100);
        nav.setHorizontalValue(100);
        EXPECT_TRUE(nav.showPage(c.to, loadsAll));
        EXPECT_EQ(nav.currentPage(), c.shown) << c.to;
        EXPECT_EQ(nav.caption(), c.caption);
        EXPECT_EQ(nav.verticalValue(), 0);
        EXPECT_EQ(nav.horizontalValue(), 0);
    }
}

TEST(PreviewNavigation, APageThatFailsToLoadKeepsThePageShown)
{
    PreviewNavigation nav(5, {800, 1000}, 30);
    nav.showPage(2, loadsAll);
    nav.setVerticalValue(100);
    EXPECT_FALSE(nav.showPage(3, [](int page) { return page != 3; }));
    EXPECT_EQ(nav.currentPage(), 2);
    EXPECT_EQ(nav.caption(), "3\n-- of --\n6");
    EXPECT_EQ(nav.verticalValue(), 100);
}

TEST(PreviewNavigation, GoToTakesAPageNumberWithinTheDocument)
{
    PreviewNavigation nav(11, {800, 1000}, 30);
    const struct {
        const char* typed;
        int target;
        const char* limited;
    } cases[] = {
        {"", -1, ""}, {"0", -1, "0"}, {"3", 2, "3"}, {"12", 11, "12"},
        {"99", 11, "12"}, {"-4", 0, "-4"}, {"0012", 11, "0012"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nav.goToTarget(c.typed), c.target) << c.typed;
        EXPECT_EQ(nav.limitGoToText(c.typed), c.limited) << c.typed;
    }
    std::set<int> accepted;
    for (int key = 1; key < 128; ++key)
        if (PreviewNavigation::goToAccepts(key))
            accepted.insert(key);
    EXPECT_EQ(accepted, (std::set<int>{8, '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}));
}

TEST(PreviewNavigation, KeysPageOrScrollAsTheHorizontalBarIsShown)
{
    const struct {
        Target target;
        int key;
        Action withBar;
        Action withoutBar;
    } cases[] = {
        {Target::Page, 38, Action::Up, Action::Up},
        {Target::Page, 40, Action::Down, Action::Down},
        {Target::Page, 37, Action::Left, Action::Previous},
        {Target::Page, 39, Action::Right, Action::Next},
        {Target::Page, 33, Action::Previous, Action::Previous},
        {Target::Page, 34, Action::Next, Action::Next},
        {Target::Page, 36, Action::First, Action::First},
        {Target::Page, 35, Action::Last, Action::Last},
        {Target::Page, 71, Action::GoTo, Action::GoTo},
        {Target::Page, 13, Action::None, Action::None},
        {Target::HorizontalBar, 38, Action::Up, Action::Up},
        {Target::HorizontalBar, 34, Action::Next, Action::Next},
        {Target::HorizontalBar, 37, Action::None, Action::None},
        {Target::HorizontalBar, 36, Action::First, Action::First},
        {Target::VerticalBar, 33, Action::Left, Action::Previous},
        {Target::VerticalBar, 37, Action::Left, Action::Previous},
        {Target::VerticalBar, 34, Action::Right, Action::Next},
        {Target::VerticalBar, 39, Action::Right, Action::Next},
        {Target::VerticalBar, 38, Action::None, Action::None},
        {Target::VerticalBar, 35, Action::Last, Action::Last},
        {Target::VerticalBar, 71, Action::GoTo, Action::GoTo},
    };
    PreviewNavigation nav(3, {800, 1000}, 30);
    for (const auto& c : cases) {
        nav.setRoom(799, 600);
        EXPECT_EQ(nav.keyAction(c.target, c.key), c.withBar) << int(c.target) << " " << c.key;
        nav.setRoom(800, 600);
        EXPECT_EQ(nav.keyAction(c.target, c.key), c.withoutBar) << int(c.target) << " " << c.key;
    }
}

TEST(PreviewNavigation, ShowsTheBarsTheRoomNeeds)
{
    const struct {
        int roomWidth;
        int windowHeight;
        bool horizontal;
        bool vertical;
        QPoint page;
    } cases[] = {
        {799, 1001, true, false, {0, 0}},
        {800, 1000, false, true, {0, 0}}, // exactly as wide: hidden; exactly as tall: shown
        {1000, 600, false, true, {100, 0}}, // a narrow page stands centred
    };
    for (const auto& c : cases) {
        PreviewNavigation nav(0, {800, 1000}, 30);
        nav.setRoom(c.roomWidth, c.windowHeight);
        EXPECT_EQ(nav.horizontalBarShown(), c.horizontal) << c.roomWidth;
        EXPECT_EQ(nav.verticalBarShown(), c.vertical) << c.windowHeight;
        EXPECT_EQ(nav.pagePosition(), c.page) << c.roomWidth;
    }
}

TEST(PreviewNavigation, ScrollsAndPansNoFurtherThanTheBars)
{
    PreviewNavigation nav(0, {800, 1000}, 30);
    EXPECT_EQ(nav.verticalRange().min, -30);
    EXPECT_EQ(nav.verticalRange().max, 500);
    EXPECT_EQ(nav.verticalRange().smallStep, 50);
    EXPECT_EQ(nav.horizontalRange().max, 200);
    EXPECT_EQ(nav.horizontalRange().largeStep, 100);
    nav.setRoom(600, 700);
    const struct {
        const char* what;
        std::function<void()> move;
        int h, v;
    } cases[] = {
        {"down a step", [&] { nav.scroll(Action::Down); }, 0, 50},
        {"right a step", [&] { nav.scroll(Action::Right); }, 20, 50},
        {"near the end", [&] { nav.setVerticalValue(480); }, 20, 480},
        {"a step past the end", [&] { nav.scroll(Action::Down); }, 20, 480},
        {"a value past the end", [&] { nav.setVerticalValue(501); }, 20, 480},
        {"dragged up", [&] { nav.pan({-15, -100}); }, 35, 500},
        {"dragged far down", [&] { nav.pan({0, 2000}); }, 35, -30},
        {"a step before the start", [&] { nav.scroll(Action::Up); }, 35, -30},
    };
    for (const auto& c : cases) {
        c.move();
        EXPECT_EQ(nav.horizontalValue(), c.h) << c.what;
        EXPECT_EQ(nav.verticalValue(), c.v) << c.what;
        EXPECT_EQ(nav.pagePosition(), QPoint(-c.h, -c.v)) << c.what;
    }
    nav.setRoom(900, 2000); // neither bar: the page does not pan
    nav.pan({50, 50});
    EXPECT_EQ(nav.horizontalValue(), 35);
    EXPECT_EQ(nav.verticalValue(), -30);
}

TEST(PreviewNavigation, FitsTheWholePageIntoTheFullPageView)
{
    const struct {
        QSizeF page, box;
        QRectF drawn;
    } cases[] = {
        {{100, 200}, {100, 100}, {25, 0, 50, 100}},
        {{200, 100}, {100, 100}, {0, 25, 100, 50}},
        {{100, 100}, {50, 50}, {0, 0, 50, 50}},
        {{100, 200}, {100, 300}, {0, 50, 100, 200}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PreviewNavigation::fitPage(c.page, c.box), c.drawn);

    PreviewNavigation nav(0, {800, 1000}, 30);
    nav.setRoom(1000, 800);
    EXPECT_EQ(nav.fullPageBox(7), QRect(196, 0, 608, 786)); // as tall as the window, 0.773 as wide, centred
    nav.setRoom(700, 800);
    EXPECT_EQ(nav.fullPageBox(7), QRect(7, 7, 686, 530)); // a page wider than the room: as wide as the room
}

} // namespace
