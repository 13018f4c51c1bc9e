#include "desktop/qtext.h"
#include "tests/support/toolbarbed.h"
#include "toolbar/names/frmspotdetails.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace toolbar;

class SpotDetailsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheSpotsNameAndNumber();
    void okNormalisesTheNumber_data();
    void okNormalisesTheNumber();
    void okTrimsTheName_data();
    void okTrimsTheName();
    void soundOnlyWhenTheNameChanged_data();
    void soundOnlyWhenTheNameChanged();
    void sharedNameGoesToEverySpot();
    void ownNameGoesToThatSpotOnly();
    void closeChangesNothing();
    void refusesNamesThatCannotBePartOfAFileName_data();
    void refusesNamesThatCannotBePartOfAFileName();
    void openingAgainRefillsTheSameWindow();
    void writesNothingWhenTheSpotListWasRebuilt_data();
    void writesNothingWhenTheSpotListWasRebuilt();
    void focusAndSelection();
    void stripSurroundsThePanelInTheTitleColour();
    void dragsByTheStripOnly();

private:
    frmSpotDetails *open(std::int32_t position);
    QLineEdit *edit(const char *name) const { return m_window->findChild<QLineEdit *>(name); }
    void replaceText(const char *name, const QString &text)
    {
        edit(name)->clear();
        QTest::keyClicks(edit(name), text);
    }
    void click(const char *button) { QTest::mouseClick(m_window->findChild<QPushButton *>(button), Qt::LeftButton); }
    const DropSpot &spot(std::size_t position) const { return m_bed->globals.DropSpots[position]; }

    std::unique_ptr<ToolbarBed> m_bed;
    QPointer<frmSpotDetails> m_window;
};

void SpotDetailsTest::init()
{
    m_bed = std::make_unique<ToolbarBed>();
    m_bed->setSpots({"cats", "dogs", "birds"});
    m_bed->globals.DropSpots[1].BaseName = "Rover";
    m_bed->globals.DropSpots[1].SequenceNumber = "017";
}

void SpotDetailsTest::cleanup()
{
    delete m_window;
    m_bed.reset();
}

frmSpotDetails *SpotDetailsTest::open(std::int32_t position)
{
    frmSpotDetails::load(m_window, m_bed->app, position);
    m_window->show();
    return m_window;
}

void SpotDetailsTest::showsTheSpotsNameAndNumber()
{
    // The toolbar places the window by its size before showing it.
    const QSize loaded = frmSpotDetails::load(m_window, m_bed->app, 1)->size();
    open(1);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_window->size(), loaded);
    QCOMPARE(edit("txtBaseName")->text(), QStringLiteral("Rover"));
    QCOMPARE(edit("txtNumber")->text(), QStringLiteral("017"));
    QVERIFY(m_window->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)); // above the toolbar
    QCOMPARE(m_window->windowType(), Qt::Tool);
    QCOMPARE(m_window->findChild<QPushButton *>("cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(m_window->findChild<QPushButton *>("cmdCancel")->text(), QStringLiteral("Close"));
}

void SpotDetailsTest::okNormalisesTheNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::string>("stored");
    QTest::newRow("7") << "7" << std::string("007");
    QTest::newRow("42") << "42" << std::string("042");
    QTest::newRow("1234") << "1234" << std::string("1234");
    QTest::newRow("abc") << "abc" << std::string("000");
    QTest::newRow("-5") << "-5" << std::string("000");
    QTest::newRow("empty") << "" << std::string("000");
    QTest::newRow("12abc") << "12abc" << std::string("012");
    QTest::newRow("leading zeros") << "0009" << std::string("009");
}

void SpotDetailsTest::okNormalisesTheNumber()
{
    QFETCH(QString, typed);
    QFETCH(std::string, stored);
    open(1);
    replaceText("txtNumber", typed);
    click("cmdOK");
    QCOMPARE(spot(1).SequenceNumber, stored);
    QCOMPARE(spot(1).BaseName, std::string("Rover"));
    QCOMPARE(spot(0).SequenceNumber, std::string("000"));
    QTRY_VERIFY(m_window.isNull());
}

void SpotDetailsTest::okTrimsTheName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<std::string>("stored");
    QTest::newRow("spaces around") << "  Rose Garden  " << std::string("Rose Garden");
    QTest::newRow("only spaces") << "    " << std::string();
    QTest::newRow("case kept") << "rOVER" << std::string("rOVER");
}

void SpotDetailsTest::okTrimsTheName()
{
    QFETCH(QString, typed);
    QFETCH(std::string, stored);
    open(1);
    replaceText("txtBaseName", typed);
    click("cmdOK");
    QCOMPARE(spot(1).BaseName, stored);
}

void SpotDetailsTest::soundOnlyWhenTheNameChanged_data()
{
    QTest::addColumn<bool>("sounds");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("played");
    QTest::newRow("new name, sounds on") << true << "Rex"
                                         << "017" << true;
    QTest::newRow("new name, sounds off") << false << "Rex"
                                          << "017" << false;
    QTest::newRow("only the number") << true << "Rover"
                                     << "020" << false;
    QTest::newRow("same name after trimming") << true << " Rover "
                                              << "017" << false;
    QTest::newRow("case differs") << true << "rover"
                                  << "017" << true;
}

void SpotDetailsTest::soundOnlyWhenTheNameChanged()
{
    QFETCH(bool, sounds);
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(bool, played);
    m_bed->globals.options.Sounds = sounds;
    open(1);
    replaceText("txtBaseName", name);
    replaceText("txtNumber", number);
    click("cmdOK");
    const std::vector<std::string> expected =
        played ? std::vector<std::string>{"NewBaseName.wav"} : std::vector<std::string>{};
    QCOMPARE(m_bed->desktop.soundsPlayed, expected);
}

void SpotDetailsTest::sharedNameGoesToEverySpot()
{
    m_bed->globals.options.SameBaseName = true;
    open(2);
    replaceText("txtNumber", "31");
    click("cmdOK");
    for (const DropSpot &each : m_bed->globals.DropSpots) {
        QCOMPARE(each.BaseName, std::string("Flower"));
        QCOMPARE(each.SequenceNumber, std::string("031"));
    }
}

void SpotDetailsTest::ownNameGoesToThatSpotOnly()
{
    open(2);
    replaceText("txtBaseName", "Robin");
    replaceText("txtNumber", "5");
    click("cmdOK");
    QCOMPARE(spot(2).BaseName, std::string("Robin"));
    QCOMPARE(spot(2).SequenceNumber, std::string("005"));
    QCOMPARE(spot(0).BaseName, std::string("Flower"));
    QCOMPARE(spot(1).BaseName, std::string("Rover"));
    QCOMPARE(spot(1).SequenceNumber, std::string("017"));
}

void SpotDetailsTest::closeChangesNothing()
{
    const DropSpotList before = m_bed->globals.DropSpots;
    open(1);
    replaceText("txtBaseName", "Other");
    replaceText("txtNumber", "99");
    click("cmdCancel");
    QTRY_VERIFY(m_window.isNull());
    QCOMPARE(m_bed->globals.DropSpots.size(), before.size());
    QCOMPARE(spot(1).BaseName, before[1].BaseName);
    QCOMPARE(spot(1).SequenceNumber, before[1].SequenceNumber);
    QVERIFY(m_bed->desktop.soundsPlayed.empty());
}

void SpotDetailsTest::refusesNamesThatCannotBePartOfAFileName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("slash") << "a/b";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("dot") << ".";
    QTest::newRow("two dots with spaces around") << " .. ";
    QTest::newRow("NUL") << QString("a") + QChar(0);
    QTest::newRow("300 letters: file names too long") << QString(300, QLatin1Char('a'));
}

void SpotDetailsTest::refusesNamesThatCannotBePartOfAFileName()
{
    QFETCH(QString, typed);
    open(1);
    edit("txtBaseName")->setText(typed);
    replaceText("txtNumber", "9");
    click("cmdOK");
    const std::string problem = BaseNameProblem(TrimSpaces(fromQt(typed)));
    QVERIFY(!problem.empty());
    QCOMPARE(m_bed->desktop.messages, std::vector<std::string>{problem});
    QVERIFY(!m_window.isNull() && m_window->isVisible());
    QCOMPARE(spot(1).BaseName, std::string("Rover"));
    QCOMPARE(spot(1).SequenceNumber, std::string("017"));
    QVERIFY(m_bed->desktop.soundsPlayed.empty());
}

void SpotDetailsTest::openingAgainRefillsTheSameWindow()
{
    frmSpotDetails *first = open(1);
    replaceText("txtBaseName", "Typed, then abandoned");
    frmSpotDetails *second = open(2);
    QCOMPARE(second, first);
    QCOMPARE(edit("txtBaseName")->text(), QStringLiteral("Flower"));
    click("cmdOK");
    QCOMPARE(spot(1).BaseName, std::string("Rover"));
    QTRY_VERIFY(m_window.isNull());
    QVERIFY(open(0) != nullptr); // a closed window is loaded afresh
}

void SpotDetailsTest::writesNothingWhenTheSpotListWasRebuilt_data()
{
    QTest::addColumn<QStringList>("rebuilt");
    QTest::addColumn<bool>("sameBaseName");
    QTest::newRow("spot gone") << QStringList{"cats"} << false;
    QTest::newRow("spot gone, shared name") << QStringList{"cats"} << true;
    QTest::newRow("another spot in its place") << QStringList{"cats", "dogs", "fish"} << false;
    QTest::newRow("list grew") << QStringList{"cats", "dogs", "birds", "fish"} << false;
}

void SpotDetailsTest::writesNothingWhenTheSpotListWasRebuilt()
{
    QFETCH(QStringList, rebuilt);
    QFETCH(bool, sameBaseName);
    m_bed->globals.options.SameBaseName = sameBaseName;
    open(2);
    std::vector<std::string> folders;
    for (const QString &folder : rebuilt)
        folders.push_back(folder.toStdString());
    m_bed->setSpots(folders, "Reset", "000");
    replaceText("txtBaseName", "Late");
    click("cmdOK");
    QCOMPARE(m_bed->globals.DropSpots.size(), folders.size());
    for (const DropSpot &each : m_bed->globals.DropSpots) {
        QCOMPARE(each.BaseName, std::string("Reset"));
        QCOMPARE(each.SequenceNumber, std::string("000"));
    }
    QCOMPARE(m_bed->desktop.messages, std::vector<std::string>{SpotsChangedMessage});
    QTRY_VERIFY(m_window.isNull());
}

void SpotDetailsTest::focusAndSelection()
{
    open(1);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QLineEdit *name = edit("txtBaseName");
    QLineEdit *number = edit("txtNumber");
    QTRY_VERIFY(name->hasFocus());
    QCOMPARE(name->selectedText(), QStringLiteral("Rover"));

    // A click into the number selects all of it, not just places the cursor.
    QTest::mouseClick(number, Qt::LeftButton, {}, QPoint(2, number->height() / 2));
    QTRY_COMPARE(number->selectedText(), QStringLiteral("017"));
    QVERIFY(number->hasFocus());
    QTest::keyClick(number, Qt::Key_Backtab);
    QTRY_COMPARE(name->selectedText(), QStringLiteral("Rover"));
}

void SpotDetailsTest::stripSurroundsThePanelInTheTitleColour()
{
    open(0);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QWidget *panel = m_window->findChild<QFrame *>("Picture1");
    const QRect inner = panel->geometry();
    QVERIFY(inner.left() > 0 && inner.top() > 0);
    QVERIFY(inner.right() < m_window->width() - 1 && inner.bottom() < m_window->height() - 1);
    const QImage shot = m_window->grab().toImage();
    const QColor title = m_window->palette().color(QPalette::Active, QPalette::Highlight);
    QCOMPARE(shot.pixelColor(0, 0), title);
    QCOMPARE(shot.pixelColor(m_window->width() - 1, m_window->height() - 1), title);
    QCOMPARE(shot.pixelColor(inner.left() + 1, inner.top() + 1), panel->palette().color(QPalette::Window));
}

void SpotDetailsTest::dragsByTheStripOnly()
{
    open(0);
    m_window->move(200, 150);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QPoint start = m_window->pos();

    QTest::mousePress(m_window, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseMove(m_window, QPoint(41, 31));
    QTest::mouseRelease(m_window, Qt::LeftButton, {}, QPoint(41, 31));
    QTRY_COMPARE(m_window->pos(), start + QPoint(40, 30));

    // A press on the panel is not a grab of the window.
    QWidget *panel = m_window->findChild<QFrame *>("Picture1");
    const QPoint moved = m_window->pos();
    QTest::mousePress(panel, Qt::RightButton, {}, QPoint(panel->width() - 2, panel->height() - 2));
    QTest::mouseMove(panel, QPoint(panel->width() - 40, panel->height() - 30));
    QTest::mouseRelease(panel, Qt::RightButton, {}, QPoint(panel->width() - 40, panel->height() - 30));
    QCOMPARE(m_window->pos(), moved);
}

QTEST_MAIN(SpotDetailsTest)
#include "frmspotdetails_test.moc"
