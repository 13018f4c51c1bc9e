#include "toolbar/ui/toolbarlayout.h"

#include <QTest>

#include <vector>

using namespace toolbar;

Q_DECLARE_METATYPE(std::vector<TwipsRect>)

namespace {
std::vector<TwipsRect> row(std::vector<std::int32_t> lefts, std::int32_t side)
{
    std::vector<TwipsRect> squares;
    for (std::int32_t left : lefts)
        squares.push_back({left, 0, side, side});
    return squares;
}

std::vector<TwipsRect> column(std::vector<std::int32_t> tops, std::int32_t side)
{
    std::vector<TwipsRect> squares;
    for (std::int32_t top : tops)
        squares.push_back({25, top, side, side});
    return squares;
}
} // namespace

class ToolbarLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void squaresAndWindowSize_data();
    void squaresAndWindowSize();
    void nameDetailsPlace_data();
    void nameDetailsPlace();
    void twipsAndPixels();
};

void ToolbarLayoutTest::squaresAndWindowSize_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("spotSize");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<std::vector<TwipsRect>>("squares");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("three default, across") << 3 << 500 << false << row({25, 525, 1025}, 500) << 1605 << 850;
    QTest::newRow("four TINY, down") << 4 << 300 << true << column({0, 300, 600, 900}, 300) << 405 << 1550;
    QTest::newRow("one JUMBO, across") << 1 << 1300 << false << row({25}, 1300) << 1405 << 1650;
    QTest::newRow("one JUMBO, down") << 1 << 1300 << true << column({0}, 1300) << 1405 << 1650;
    QTest::newRow("two LARGE, down") << 2 << 1000 << true << column({0, 1000}, 1000) << 1105 << 2350;
    QTest::newRow("five SMALL, across") << 5 << 500 << false << row({25, 525, 1025, 1525, 2025}, 500) << 2605 << 850;
    QTest::newRow("no spots: square 0 stays") << 0 << 700 << false << row({25}, 700) << 805 << 1050;
}

void ToolbarLayoutTest::squaresAndWindowSize()
{
    QFETCH(int, count);
    QFETCH(int, spotSize);
    QFETCH(bool, vertical);
    QFETCH(std::vector<TwipsRect>, squares);
    const ToolbarLayout layout = LayoutToolbar(static_cast<std::size_t>(count), spotSize, vertical);
    QCOMPARE(layout.squares.size(), squares.size());
    for (std::size_t i = 0; i < squares.size(); ++i) {
        QCOMPARE(layout.squares[i].left, squares[i].left);
        QCOMPARE(layout.squares[i].top, squares[i].top);
        QCOMPARE(layout.squares[i].width, squares[i].width);
        QCOMPARE(layout.squares[i].height, squares[i].height);
    }
    QTEST(layout.windowWidth, "width");
    QTEST(layout.windowHeight, "height");
    QCOMPARE(layout.vertical, vertical);
}

void ToolbarLayoutTest::nameDetailsPlace_data()
{
    QTest::addColumn<int>("toolbarLeft");
    QTest::addColumn<int>("toolbarTop");
    QTest::addColumn<int>("dialogHeight");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");

    // Toolbar 1605 x 850, dialog 4000 wide, screen 19200 x 12000 twips.
    QTest::newRow("beside, tops level") << 1500 << 1500 << 3000 << 3105 << 1500;
    QTest::newRow("reaches the right edge: other side") << 14000 << 1500 << 3000 << 10000 << 1500;
    QTest::newRow("just fits on the right") << 13594 << 0 << 3000 << 15199 << 0;
    QTest::newRow("touches the right edge: other side") << 13595 << 0 << 3000 << 9595 << 0;
    QTest::newRow("bottom touches the screen's: one step up") << 0 << 9000 << 3000 << 1605 << 8800;
    QTest::newRow("far below: steps of 200 until above") << 0 << 11990 << 3000 << 1605 << 8990;
    QTest::newRow("one twip above the edge stays") << 0 << 8999 << 3000 << 1605 << 8999;
}

void ToolbarLayoutTest::nameDetailsPlace()
{
    QFETCH(int, toolbarLeft);
    QFETCH(int, toolbarTop);
    QFETCH(int, dialogHeight);
    const TwipsPoint place = PlaceBesideToolbar({toolbarLeft, toolbarTop, 1605, 850}, 4000, dialogHeight, 19200, 12000);
    QTEST(place.left, "left");
    QTEST(place.top, "top");
    // The result is the first place, stepping up 200 at a time, whose bottom edge is
    // above the screen's.
    QVERIFY(place.top + dialogHeight < 12000);
    QVERIFY(place.top + DialogStepUp + dialogHeight >= 12000 || place.top == toolbarTop);
}

void ToolbarLayoutTest::twipsAndPixels()
{
    QCOMPARE(TwipsToPixels(1500, 96), 100);
    QCOMPARE(TwipsToPixels(500, 96), 33);
    QCOMPARE(TwipsToPixels(25, 96), 2);
    QCOMPARE(TwipsToPixels(1550, 96), 103);
    QCOMPARE(TwipsToPixels(500, 192), 67);
    QCOMPARE(TwipsToPixels(-50, 96), -3);
    QCOMPARE(PixelsToTwips(7, 96), 105.0);
    QCOMPARE(PixelsToTwips(10, 144), 100.0);
}

QTEST_APPLESS_MAIN(ToolbarLayoutTest)
#include "toolbarlayout_test.moc"
