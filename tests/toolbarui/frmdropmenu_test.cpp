#include "tests/toolbarui/toolbarharness.h"

#include "desktop/qtext.h"
#include "toolbar/ui/popupmenu.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace toolbar;

/// The toolbar's pop-up menu, its commands and the mouse on the squares.
class FrmDropMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void entriesInDisplayOrder();
    void rightClickMakesTheSquareCurrentAndOpensTheMenu();
    void lastFileSaved_data();
    void lastFileSaved();
    void openFolderOpensTheCurrentSquaresFolder();
    void entriesOpenTheirWindows();
    void nameDetailsBesideTheToolbar();
    void nameDetailsOnTheOtherSideAtTheScreensEdge();
    void doubleClickGivesTheSquareANewBaseName();
    void newBaseNameEntry();
    void otherButtonsOpenNothing();

private:
    QMenu *menu() const { return h->window->findChild<QMenu *>(QStringLiteral("mnuPopUp")); }
    QAction *entry(const char *name) const { return h->window->findChild<QAction *>(QLatin1String(name)); }
    void rightClick(int square);

    std::unique_ptr<ToolbarHarness> h;
};

void FrmDropMenuTest::init()
{
    h = std::make_unique<ToolbarHarness>();
    h->setSpots({"Red", "Green", "Blue"});
    h->open();
}

void FrmDropMenuTest::cleanup()
{
    h.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(visibleWindows(), QStringList());
}

void FrmDropMenuTest::rightClick(int square)
{
    SpotSquare *target = h->squares().at(static_cast<std::size_t>(square));
    QTest::mousePress(target, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_VERIFY(menu()->isVisible());
    QTest::mouseRelease(target, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
}

void FrmDropMenuTest::entriesInDisplayOrder()
{
    QMenu *popUp = menu();
    QVERIFY(popUp);
    QCOMPARE(popUp->title(), QStringLiteral("PopUp"));
    QVERIFY(!popUp->isVisible());
    const QStringList names{"mnuNewBaseName", "mnuNameDetails",   "mnuD2", "mnuProgramSetup", "mnuD1", "mnuOpenFolder",
                            "mnuLFS",         "mnuLastFileSaved", "mnuD3", "mnuCloseToolbar"};
    const QStringList captions{
        "New Base Name", "Name Details", "", "Program Setup", "", "Open Folder", "Last file saved was:", "", "",
        "Close Toolbar"};
    const auto actions = popUp->actions();
    QCOMPARE(actions.size(), names.size());
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(actions[i]->objectName(), names[i]);
        QCOMPARE(actions[i]->text(), captions[i]);
        QCOMPARE(actions[i]->isSeparator(), names[i].startsWith("mnuD") && names[i].size() == 5);
        QCOMPARE(actions[i]->isEnabled(), names[i] != "mnuLFS");
    }
    auto *setup = h->window->findChild<QMenu *>(QStringLiteral("mnuProgramSetup"));
    QVERIFY(setup);
    QCOMPARE(actions[3]->menu(), setup);
    QCOMPARE(setup->title(), QStringLiteral("Program Setup"));
    const QStringList setupNames{"mnuConfigureDropSpots", "mnuOptions", "mnuHelp", "mnuAbout"};
    const QStringList setupCaptions{"Configure Drop Spots", "Options", "Help", "About"};
    const auto setupActions = setup->actions();
    QCOMPARE(setupActions.size(), setupNames.size());
    for (int i = 0; i < setupActions.size(); ++i) {
        QCOMPARE(setupActions[i]->objectName(), setupNames[i]);
        QCOMPARE(setupActions[i]->text(), setupCaptions[i]);
    }
}

void FrmDropMenuTest::rightClickMakesTheSquareCurrentAndOpensTheMenu()
{
    QCOMPARE(h->window->CurrentSquare(), 0);
    rightClick(2);
    QCOMPARE(h->window->CurrentSquare(), 2);
    // The menu opens where the mouse is.
    const QPoint mouse = h->squares()[2]->mapToGlobal(QPoint(5, 5));
    QVERIFY((menu()->geometry().topLeft() - mouse).manhattanLength() <= 2);
    menu()->hide();
}

void FrmDropMenuTest::lastFileSaved_data()
{
    QTest::addColumn<QString>("lastFile");
    QTest::addColumn<QString>("caption");
    QTest::newRow("no drop yet") << ""
                                 << "";
    QTest::newRow("a saved file") << "Flower-003.jpg"
                                  << "Flower-003.jpg";
    QTest::newRow("an ampersand in the name") << "Tom&Jerry-001.png"
                                              << "Tom&&Jerry-001.png";
}

void FrmDropMenuTest::lastFileSaved()
{
    QFETCH(QString, lastFile);
    QFETCH(QString, caption);
    h->globals.DropSpots[1].LastFileSaved = fromQt(lastFile);
    h->globals.DropSpots[0].LastFileSaved = "Other-001.jpg";
    rightClick(1);
    QAction *last = entry("mnuLastFileSaved");
    QCOMPARE(last->text(), caption);
    menu()->hide();
    last->trigger();
    if (lastFile.isEmpty()) {
        QCOMPARE(h->desktop.opened, std::vector<std::string>{});
    } else {
        const std::string expected = h->globals.DropSpots[1].FolderPath + "/" + fromQt(lastFile);
        QCOMPARE(h->desktop.opened, std::vector<std::string>{expected});
    }
}

void FrmDropMenuTest::openFolderOpensTheCurrentSquaresFolder()
{
    rightClick(2);
    menu()->hide();
    entry("mnuOpenFolder")->trigger();
    QCOMPARE(h->desktop.opened, std::vector<std::string>{h->globals.DropSpots[2].FolderPath});
}

void FrmDropMenuTest::entriesOpenTheirWindows()
{
    rightClick(1);
    menu()->hide();
    for (const char *name : {"mnuConfigureDropSpots", "mnuOptions", "mnuHelp", "mnuAbout", "mnuNameDetails"})
        entry(name)->trigger();
    const std::vector<std::string> expected{"configureDropSpots", "options", "help", "about", "nameDetails 1"};
    QCOMPARE(h->host.opened, expected);
    QCOMPARE(visibleWindows(), QStringList{"frmDrop/toolbar::frmDrop"}); // nothing to show yet
}

void FrmDropMenuTest::nameDetailsBesideTheToolbar()
{
    QWidget details;
    details.setObjectName(QStringLiteral("frmSpotDetails"));
    details.resize(200, 150);
    h->host.details = &details;
    h->window->move(100, 50);
    // Square 1 shows the spot at position 2 once the spots are reordered.
    h->globals.DropSpots[1].SpotIndex = 2;
    h->globals.DropSpots[2].SpotIndex = 1;
    rightClick(1);
    menu()->hide();
    entry("mnuNameDetails")->trigger();
    QCOMPARE(h->host.opened, std::vector<std::string>{"nameDetails 2"});
    QVERIFY(details.isVisible());
    const QRect toolbar = h->window->frameGeometry();
    QCOMPARE(details.pos().y(), toolbar.top());
    QVERIFY(qAbs(details.pos().x() - (toolbar.left() + toolbar.width())) <= 1);
    details.close();
}

void FrmDropMenuTest::nameDetailsOnTheOtherSideAtTheScreensEdge()
{
    QWidget details;
    details.resize(200, 150);
    h->host.details = &details;
    const QRect screen = h->window->screen()->geometry();
    h->window->move(screen.right() - h->window->frameGeometry().width() - 100, screen.bottom() - 60);
    rightClick(0);
    menu()->hide();
    entry("mnuNameDetails")->trigger();
    // Placed by the size it had before it was shown.
    const QRect toolbar = h->window->frameGeometry();
    QVERIFY(qAbs(details.pos().x() + 200 - toolbar.left()) <= 1);
    const int bottom = details.pos().y() + 150;
    QVERIFY(bottom <= screen.bottom());
    QVERIFY(bottom + 14 > screen.bottom()); // 200 twips up at a time, no more than needed
    details.close();
}

void FrmDropMenuTest::doubleClickGivesTheSquareANewBaseName()
{
    h->globals.options.PromptBaseNames = false;
    h->globals.DropSpots[2].SequenceNumber = "017";
    QTest::mouseDClick(h->squares()[2], Qt::LeftButton);
    QCOMPARE(h->window->CurrentSquare(), 2);
    const DropSpot &spot = h->globals.DropSpots[2];
    QVERIFY(spot.BaseName != "Flower");
    QVERIFY(spot.BaseName.size() >= 3 && spot.BaseName.size() <= 6);
    QCOMPARE(spot.SequenceNumber, std::string("000"));
    QCOMPARE(h->globals.DropSpots[0].BaseName, std::string("Flower"));
    QCOMPARE(h->window->caption(), toQt(spot.BaseName));
}

void FrmDropMenuTest::newBaseNameEntry()
{
    h->prompt.answers = {"Tulip", ""};
    rightClick(1);
    menu()->hide();
    entry("mnuNewBaseName")->trigger();
    QCOMPARE(h->globals.DropSpots[1].BaseName, std::string("Tulip"));
    QCOMPARE(h->window->caption(), QStringLiteral("Tulip"));
    // Cancelled: nothing changes.
    entry("mnuNewBaseName")->trigger();
    QCOMPARE(h->globals.DropSpots[1].BaseName, std::string("Tulip"));
    QCOMPARE(h->globals.DropSpots[0].BaseName, std::string("Flower"));
}

void FrmDropMenuTest::otherButtonsOpenNothing()
{
    QTest::mouseClick(h->squares()[1], Qt::LeftButton);
    QTest::mouseClick(h->squares()[1], Qt::MiddleButton);
    QTest::mouseDClick(h->squares()[1], Qt::MiddleButton);
    const bool menuShown = menu()->isVisible();
    menu()->hide();
    QVERIFY(!menuShown);
    QCOMPARE(h->globals.DropSpots[1].BaseName, std::string("Flower"));
    QCOMPARE(h->window->CurrentSquare(), 0);
}

QTEST_MAIN(FrmDropMenuTest)
#include "frmdropmenu_test.moc"
