#include "tests/toolbarui/toolbarharness.h"

#include "desktop/qtext.h"
#include "toolbar/core/toolbarposition.h"
#include "toolbar/ui/toolbarinstance.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolTip>

#include <memory>
#include <thread>

using namespace toolbar;

/// The toolbar window: layout of the squares, window size, caption messages, position.
class FrmDropTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutEdgeCases_data();
    void layoutEdgeCases();
    void squaresShowTheirSpots();
    void rebuildFromFiveToTwo();
    void fixedAlwaysOnTopToolWindow();
    void flashCaptionClearsAfterOneSecond();
    void flashCaptionAgainRestartsTheSecond();
    void progressShowsInTheCaption();
    void refreshAlwaysOnTopYieldsThreeTimes();
    void storedPosition_data();
    void storedPosition();
    void positionIgnoredWithoutRememberLocation();
    void positionWrittenAtClose_data();
    void positionWrittenAtClose();
    void unwritableSettingsAreReportedAtClose();
    void closingTheToolbarEndsTheProgram();
    void programRunsOnWhileAnotherWindowIsOpen();
    void folderShowsOnHoverWhileAnotherWindowIsActive();
    void captionTooNarrowShowsBesideTheToolbar();
    void closesFromTheMenuAndTheKeyboard();
    void secondStartHandsOverToTheRunningToolbar();
    void laterStartWaitsForAHolderThatDoesNotAnswer();
    void lockOfACrashedToolbarIsTakenOver();

private:
    std::unique_ptr<ToolbarHarness> h;
};

void FrmDropTest::init()
{
    h = std::make_unique<ToolbarHarness>();
}

void FrmDropTest::cleanup()
{
    h.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visibleWindows(), QStringList());
}

void FrmDropTest::layoutEdgeCases_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("spotSize");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("four at 300, down") << 4 << 300 << true << 405 << 1550;
    QTest::newRow("one JUMBO, across") << 1 << 1300 << false << 1405 << 1650;
    QTest::newRow("three default, across") << 3 << 500 << false << 1605 << 850;
}

void FrmDropTest::layoutEdgeCases()
{
    QFETCH(int, count);
    QFETCH(int, spotSize);
    QFETCH(bool, vertical);
    QFETCH(int, width);
    QFETCH(int, height);
    std::vector<std::string> folders;
    for (int i = 0; i < count; ++i)
        folders.push_back("spot" + std::to_string(i));
    h->setSpots(folders);
    for (DropSpot &spot : h->globals.DropSpots)
        spot.SpotIndex = -1; // the toolbar numbers the spots as it lays out their squares
    h->globals.options.SpotSize = spotSize;
    h->globals.options.VerticalToolbar = vertical;
    frmDrop &toolbar = h->open();
    QVERIFY(QTest::qWaitForWindowExposed(&toolbar));

    const ToolbarLayout &layout = toolbar.layoutTwips();
    QCOMPARE(layout.windowWidth, width);
    QCOMPARE(layout.windowHeight, height);
    QCOMPARE(toolbar.IsCurrentlyVertical(), vertical);
    QCOMPARE(toolbar.CurrentlySpotSize(), spotSize);

    // On screen: equal squares that touch, 25 twips from the left, from the top down.
    const double dpiX = toolbar.logicalDpiX();
    const int side = TwipsToPixels(spotSize, dpiX);
    const auto squares = h->squares();
    QCOMPARE(int(squares.size()), count);
    for (int i = 0; i < count; ++i) {
        const QPoint expected =
            vertical ? QPoint(TwipsToPixels(25, dpiX), i * side) : QPoint(TwipsToPixels(25, dpiX) + i * side, 0);
        QCOMPARE(squares[i]->geometry(), QRect(expected, QSize(side, side)));
        QCOMPARE(h->globals.DropSpots[i].SpotIndex, i);
        QVERIFY(squares[i]->isVisible());
    }
    // The outer width, frame included, is the one laid out; below the squares the window
    // ends, whatever the frame and caption bar take (no empty band at any scale).
    const QSize outer(TwipsToPixels(width, dpiX), TwipsToPixels(height, toolbar.logicalDpiY()));
    QCOMPARE(toolbar.outerSizePixels(), outer);
    QTRY_COMPARE(toolbar.frameGeometry().width(), outer.width());
    QCOMPARE(toolbar.height(), squares.back()->geometry().bottom() + 1);
    QVERIFY(toolbar.rect().contains(squares.back()->geometry()));
}

void FrmDropTest::squaresShowTheirSpots()
{
    h->setSpots({"Red", "Green", "Blue"}, "Flower", "000", {255, 65280, 16711680});
    h->globals.DropSpots[2].Color = "not a colour";
    frmDrop &toolbar = h->open();
    const auto squares = h->squares();
    QCOMPARE(squares[0]->color(), QColor(255, 0, 0));
    QCOMPARE(squares[1]->color(), QColor(0, 255, 0));
    QCOMPARE(squares[2]->color(), QColor(0, 0, 0));
    for (int i = 0; i < 3; ++i) {
        const QString folder = toQt(h->globals.DropSpots[i].FolderPath);
        QCOMPARE(squares[i]->toolTip(), folder);
        QCOMPARE(squares[i]->property("tag").toString(), folder);
    }
    h->globals.DropSpots[2].Color = "16711680";
    toolbar.LoadSpotsFromArray();
    QCOMPARE(h->squares()[2]->color(), QColor(0, 0, 255));
}

void FrmDropTest::rebuildFromFiveToTwo()
{
    h->setSpots({"a", "b", "c", "d", "e"});
    frmDrop &toolbar = h->open();
    QCOMPARE(h->squares().size(), std::size_t(5));
    const int wideWidth = toolbar.frameGeometry().width();
    SpotSquare *first = h->squares()[0];

    h->setSpots({"f", "g"});
    h->globals.DropSpots[1].SpotIndex = -1;
    toolbar.LoadSpotsFromArray();
    const auto squares = h->squares();
    QCOMPARE(squares.size(), std::size_t(2));
    QCOMPARE(squares[0], first); // square 0 is never destroyed
    QCOMPARE(squares[1]->property("index").toInt(), 1);
    QCOMPARE(squares[1]->toolTip(), toQt(h->globals.DropSpots[1].FolderPath));
    QCOMPARE(toolbar.layoutTwips().windowWidth, 1105);
    QTRY_COMPARE(toolbar.frameGeometry().width(), TwipsToPixels(1105, toolbar.logicalDpiX()));
    QVERIFY(toolbar.frameGeometry().width() < wideWidth);
    QCOMPARE(h->globals.DropSpots[1].SpotIndex, 1);
}

void FrmDropTest::fixedAlwaysOnTopToolWindow()
{
    h->setSpots({"a"});
    frmDrop &toolbar = h->open();
    const Qt::WindowFlags flags = toolbar.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(toolbar.minimumSize(), toolbar.maximumSize());
    QCOMPARE(toolbar.caption(), QString());
    QVERIFY(toolbar.windowTitle().trimmed().isEmpty());
    QVERIFY(!toolbar.acceptDrops());
    // Minimised all the same by the window manager: it comes back.
    toolbar.showMinimized();
    QTRY_VERIFY(!toolbar.isMinimized() && toolbar.isVisible());
}

void FrmDropTest::flashCaptionClearsAfterOneSecond()
{
    h->setSpots({"a"});
    frmDrop &toolbar = h->open();
    auto *timer = toolbar.findChild<QTimer *>(QStringLiteral("timerCaption"));
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    QElapsedTimer clock;
    clock.start();
    toolbar.flashCaption("Tulip");
    QCOMPARE(toolbar.caption(), QStringLiteral("Tulip"));
    QCOMPARE(toolbar.windowTitle(), QStringLiteral("Tulip"));
    QVERIFY(timer->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(toolbar.caption(), QString(), 3000);
    QVERIFY2(clock.elapsed() >= 950, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(toolbar.windowTitle().trimmed().isEmpty());
    QVERIFY(!timer->isActive());
}

void FrmDropTest::flashCaptionAgainRestartsTheSecond()
{
    h->setSpots({"a"});
    frmDrop &toolbar = h->open();
    auto *timer = toolbar.findChild<QTimer *>(QStringLiteral("timerCaption"));
    toolbar.FlashCaption(QStringLiteral("First"));
    QTRY_VERIFY(timer->remainingTime() < 600);
    QElapsedTimer clock;
    clock.start();
    toolbar.FlashCaption(QStringLiteral("Second"));
    QCOMPARE(toolbar.caption(), QStringLiteral("Second"));
    QVERIFY(timer->remainingTime() > 900);
    QTRY_COMPARE_WITH_TIMEOUT(toolbar.caption(), QString(), 3000);
    QVERIFY2(clock.elapsed() >= 950, qPrintable(QString::number(clock.elapsed())));
}

void FrmDropTest::progressShowsInTheCaption()
{
    h->setSpots({"a"});
    frmDrop &toolbar = h->open();
    toolbar.showProgress(3, 40);
    QCOMPARE(toolbar.caption(), QStringLiteral("3 of 40"));
    toolbar.showProgress(39, 40);
    QCOMPARE(toolbar.windowTitle(), QStringLiteral("39 of 40"));
    toolbar.showProgress(40, 40);
    QCOMPARE(toolbar.caption(), QString());
}

void FrmDropTest::refreshAlwaysOnTopYieldsThreeTimes()
{
    h->setSpots({"a"});
    frmDrop &toolbar = h->open();
    const int before = h->desktop.yields;
    toolbar.refreshAlwaysOnTop();
    QCOMPARE(h->desktop.yields - before, 3);
    QVERIFY(toolbar.isVisible());
}

void FrmDropTest::storedPosition_data()
{
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("left");
    QTest::addColumn<int>("expectedTop");
    QTest::addColumn<int>("expectedLeft");

    QTest::newRow("on screen") << "1500"
                               << "3000" << 1500 << 3000;
    QTest::newRow("top -50") << "-50"
                             << "3000" << 100 << 3000;
    QTest::newRow("left -1") << "1500"
                             << "-1" << 1500 << 100;
    QTest::newRow("below the screen") << "99999"
                                      << "3000" << 100 << 3000;
    QTest::newRow("right of the screen") << "1500"
                                         << "99999" << 1500 << 100;
    QTest::newRow("not numbers") << "top"
                                 << "" << 100 << 100;
}

void FrmDropTest::storedPosition()
{
    QFETCH(QString, top);
    QFETCH(QString, left);
    QFETCH(int, expectedTop);
    QFETCH(int, expectedLeft);
    h->setSpots({"a"});
    h->setStoredPosition(fromQt(top), fromQt(left));
    frmDrop &toolbar = h->open();
    QCOMPARE(toolbar.pos(), QPoint(TwipsToPixels(expectedLeft, toolbar.logicalDpiX()),
                                   TwipsToPixels(expectedTop, toolbar.logicalDpiY())));
    QCOMPARE(toolbar.frameGeometry().topLeft(), toolbar.pos());
}

void FrmDropTest::positionIgnoredWithoutRememberLocation()
{
    h->setSpots({"a"});
    h->globals.options.RememberLocation = false;
    h->setStoredPosition("3000", "4500");
    frmDrop &toolbar = h->open();
    QCOMPARE(toolbar.pos(),
             QPoint(TwipsToPixels(100, toolbar.logicalDpiX()), TwipsToPixels(100, toolbar.logicalDpiY())));
}

void FrmDropTest::positionWrittenAtClose_data()
{
    QTest::addColumn<bool>("remember");
    QTest::newRow("RememberLocation") << true;
    QTest::newRow("not RememberLocation") << false;
}

void FrmDropTest::positionWrittenAtClose()
{
    QFETCH(bool, remember);
    h->setSpots({"a"});
    h->globals.options.RememberLocation = remember;
    frmDrop &toolbar = h->open();
    toolbar.move(40, 60);
    QCOMPARE(h->storedPosition("Top"), std::string("<none>"));
    toolbar.close();
    if (remember) {
        QCOMPARE(h->storedPosition("Top"), TwipsText(PixelsToTwips(60, toolbar.logicalDpiY())));
        QCOMPARE(h->storedPosition("Left"), TwipsText(PixelsToTwips(40, toolbar.logicalDpiX())));
    } else {
        QCOMPARE(h->storedPosition("Top"), std::string("<none>"));
        QCOMPARE(h->storedPosition("Left"), std::string("<none>"));
    }
}

void FrmDropTest::unwritableSettingsAreReportedAtClose()
{
    h->setSpots({"a"});
    h->setStoredPosition("1500", "1500");
    h->desktop.settingsWritable = false;
    frmDrop &toolbar = h->open();
    toolbar.move(40, 60);
    toolbar.close();
    QCOMPARE(h->desktop.messages, std::vector<std::string>{ToolbarLocationNotSavedMessage});
    QCOMPARE(h->storedPosition("Top"), std::string("1500"));
}

void FrmDropTest::closingTheToolbarEndsTheProgram()
{
    QVERIFY(QApplication::quitOnLastWindowClosed());
    h->setSpots({"a"});
    frmDrop &toolbar = h->open();
    QVERIFY(QTest::qWaitForWindowExposed(&toolbar));
    QTimer::singleShot(0, &toolbar, [&toolbar] { toolbar.close(); });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    failsafe.start(5000);
    QCOMPARE(QApplication::exec(), 0);
}

void FrmDropTest::programRunsOnWhileAnotherWindowIsOpen()
{
    h->setSpots({"a"});
    frmDrop &toolbar = h->open();
    QWidget help;
    help.setObjectName(QStringLiteral("help"));
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    bool toolbarClosedFirst = false;
    QTimer::singleShot(0, &toolbar, [&toolbar] { toolbar.close(); });
    QTimer::singleShot(300, &help, [&] {
        toolbarClosedFirst = !toolbar.isVisible();
        help.close();
    });
    QTimer failsafe;
    failsafe.setSingleShot(true);
    connect(&failsafe, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    failsafe.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(toolbarClosedFirst);
}

void FrmDropTest::folderShowsOnHoverWhileAnotherWindowIsActive()
{
    h->setSpots({"a", "b"});
    frmDrop &toolbar = h->open();
    QVERIFY(QTest::qWaitForWindowExposed(&toolbar));
    QWidget browser;
    browser.show();
    browser.activateWindow();
    QTRY_VERIFY(browser.isActiveWindow());
    SpotSquare *square = h->squares()[1];
    QTest::mouseMove(square, square->rect().center());
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), toQt(h->globals.DropSpots[1].FolderPath));
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
}

void FrmDropTest::captionTooNarrowShowsBesideTheToolbar()
{
    h->setSpots({"a"});
    frmDrop &toolbar = h->open();
    QVERIFY(QTest::qWaitForWindowExposed(&toolbar));
    auto *label = toolbar.findChild<QLabel *>(QStringLiteral("lblCaption"));
    QVERIFY(label && !label->isVisible());
    QVERIFY(label->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    toolbar.flashCaption("Flowerbed");
    QCOMPARE(toolbar.caption(), QStringLiteral("Flowerbed")); // the caption says it all the same
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("Flowerbed"));
    QVERIFY(!label->frameGeometry().intersects(toolbar.frameGeometry()));
    QVERIFY(!label->isActiveWindow());
    QTRY_VERIFY_WITH_TIMEOUT(!label->isVisible(), 3000); // gone with the caption
    toolbar.showProgress(1, 4);
    QCOMPARE(label->text(), QStringLiteral("1 of 4"));
    toolbar.showProgress(4, 4);
    QVERIFY(!label->isVisible());

    // A caption bar wide enough shows the text alone.
    h->setSpots({"a", "b", "c", "d", "e", "f"});
    toolbar.LoadSpotsFromArray();
    toolbar.flashCaption("Tulip");
    QVERIFY(toolbar.captionFits(QStringLiteral("Tulip")));
    QVERIFY(!label->isVisible());
}

void FrmDropTest::closesFromTheMenuAndTheKeyboard()
{
    h->setSpots({"a"});
    frmDrop &toolbar = h->open();
    toolbar.findChild<QAction *>(QStringLiteral("mnuCloseToolbar"))->trigger();
    QVERIFY(!toolbar.isVisible());
    for (const QKeyCombination keys : {Qt::ALT | Qt::Key_F4, Qt::CTRL | Qt::Key_W}) {
        toolbar.show();
        toolbar.activateWindow();
        QTRY_VERIFY(toolbar.isActiveWindow());
        QTest::keyClick(&toolbar, keys.key(), keys.keyboardModifiers());
        QVERIFY2(!toolbar.isVisible(), qPrintable(QKeySequence(keys).toString()));
    }
}

void FrmDropTest::secondStartHandsOverToTheRunningToolbar()
{
    const QString folder = toQt(h->temp.makeFolder("run"));
    ToolbarInstance running(folder, QStringLiteral("/opt/Stowlet"));
    QVERIFY(running.claim());
    QSignalSpy called(&running, &ToolbarInstance::anotherStart);
    ToolbarInstance second(folder, QStringLiteral("/opt/Stowlet"));
    QVERIFY(!second.claim());
    QTRY_COMPARE(called.count(), 1);
    // A toolbar installed elsewhere keeps its own files and runs beside it.
    ToolbarInstance elsewhere(folder, QStringLiteral("/home/me/Stowlet"));
    QVERIFY(elsewhere.claim());
    QCOMPARE(called.count(), 1);
}

void FrmDropTest::laterStartWaitsForAHolderThatDoesNotAnswer()
{
    const QString folder = toQt(h->temp.makeFolder("run"));
    const QString key = QStringLiteral("/opt/Stowlet");
    // A toolbar that holds the lock but does not listen: one starting up, or one ending.
    QLockFile silent(ToolbarInstance(folder, key).lockPath());
    QVERIFY(silent.tryLock(0));
    ToolbarInstance unanswered(folder, key);
    QVERIFY(!unanswered.claim()); // the holder never lets go: the later start gives up
    std::thread ending([&silent] {
        QThread::msleep(200);
        silent.unlock();
    });
    ToolbarInstance next(folder, key);
    const bool claimed = next.claim();
    ending.join();
    QVERIFY(claimed); // the holder ended meanwhile: the later start is the toolbar now
}

void FrmDropTest::lockOfACrashedToolbarIsTakenOver()
{
    const QString folder = toQt(h->temp.makeFolder("run"));
    ToolbarInstance later(folder, QStringLiteral("/opt/Stowlet"));
    // What a toolbar killed on the spot leaves: its lock, naming a process that is gone, and its socket.
    QProcess gone;
    gone.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(gone.waitForStarted());
    const qint64 pid = gone.processId();
    gone.kill();
    QVERIFY(gone.waitForFinished());
    QFile lock(later.lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\nStowlet\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    QFile socket(later.lockPath().replace(QStringLiteral(".lock"), QStringLiteral(".socket")));
    QVERIFY(socket.open(QIODevice::WriteOnly));
    socket.close();

    QVERIFY(later.claim());
    QSignalSpy called(&later, &ToolbarInstance::anotherStart);
    ToolbarInstance third(folder, QStringLiteral("/opt/Stowlet"));
    QVERIFY(!third.claim());
    QTRY_COMPARE(called.count(), 1);
}

QTEST_MAIN(FrmDropTest)
#include "frmdrop_test.moc"
