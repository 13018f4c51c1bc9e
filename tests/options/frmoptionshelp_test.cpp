#include "tests/options/optionstestbed.h"
#include "toolbar/options/frmoptions.h"

#include <QLabel>
#include <QtTest>

using namespace toolbar;

/// The hover help, driven by real mouse moves through the window system.
class OptionsHelpTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void movingOverAControlShowsItsHelp_data();
    void movingOverAControlShowsItsHelp();
    void backgroundClearsTheHelp();
    void framesAndButtonsKeepTheLastHelp_data();
    void framesAndButtonsKeepTheLastHelp();

private:
    void moveOver(const char *name, QPoint at = QPoint(-1, -1));
    QString title() const { return m_window->findChild<QLabel *>("lblHelpTitle")->text(); }
    QString text() const { return m_window->findChild<QLabel *>("lblHelp")->text(); }

    std::unique_ptr<OptionsTestBed> m_bed;
    QPointer<frmOptions> m_window;
    int m_nudge = 0;
};

void OptionsHelpTest::init()
{
    m_bed = std::make_unique<OptionsTestBed>();
    frmOptions::open(m_window, m_bed->app);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void OptionsHelpTest::cleanup()
{
    delete m_window;
    m_bed.reset();
}

void OptionsHelpTest::moveOver(const char *name, QPoint at)
{
    auto *target = m_window->findChild<QWidget *>(name);
    QVERIFY2(target, name);
    // Each move lands on a fresh point: the window system drops moves to where the mouse is.
    if (at == QPoint(-1, -1))
        at = target->rect().center() + QPoint(m_nudge++ % 3, 0);
    QTest::mouseMove(m_window->windowHandle(), target->mapTo(m_window, at));
}

void OptionsHelpTest::movingOverAControlShowsItsHelp_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString lengthText = "This is the maximum number of charictars a randomly generated base name will have.  "
                               "(minimum is 3)";
    QTest::newRow("chkSameBaseNames")
        << "chkSameBaseNames"
        << "Use the same base names for all drop spots"
        << "If checked, all drop spots will use the same base name and increment.  If not checked, each drop spot "
           "can have a seperate base name, and dropping a file onto one drop spot will not affect the next file "
           "number of any other drop spot.";
    QTest::newRow("chkAlignVertically")
        << "chkAlignVertically"
        << "Align toolbar vertically"
        << "If checked, the drop spot toolbar will appear vertically.  If not checked, the toolbar will appear "
           "horizontally.";
    QTest::newRow("chkRememberLocation")
        << "chkRememberLocation"
        << "Remember toolbar location"
        << "If checked, the toolbar will start at the same place on your screen that it was when the program was "
           "last used.  If not checked, the toolbar will start in the default location on the screen.";
    QTest::newRow("chkPromptNewBaseName")
        << "chkPromptNewBaseName"
        << "Prompt for new base name"
        << "If checked, you will be prompted to enter the new base name to use when a new base name is requested.  "
           "If not checked, a random base name will be assigned automatically.";
    QTest::newRow("chkAutoStart")
        << "chkAutoStart"
        << "Start automatically with Windows"
        << "If checked, the program will start automatically when your computer is turned on.  If not checked, you "
           "will have to start the program manually when you want to use it.";
    QTest::newRow("chkPlaySounds")
        << "chkPlaySounds"
        << "Play Sounds"
        << "If checked, notification sounds will alert you when a file is successfully dropped.  If not checked, no "
           "notifications sounds will be played.";
    QTest::newRow("lblMaxLength") << "lblMaxLength"
                                  << "Max random base name length" << lengthText;
    QTest::newRow("txtMaxLength") << "txtMaxLength"
                                  << "Max random base name length" << lengthText;
}

void OptionsHelpTest::movingOverAControlShowsItsHelp()
{
    QFETCH(QString, control);
    QFETCH(QString, title);
    QFETCH(QString, text);
    moveOver(control.toLatin1().constData());
    QTRY_COMPARE(this->title(), title);
    QCOMPARE(this->text(), text);
}

void OptionsHelpTest::backgroundClearsTheHelp()
{
    moveOver("chkAutoStart");
    QTRY_COMPARE(title(), QStringLiteral("Start automatically with Windows"));
    moveOver("background", QPoint(2, 2));
    QTRY_VERIFY(title().isEmpty());
    QVERIFY(text().isEmpty());
}

void OptionsHelpTest::framesAndButtonsKeepTheLastHelp_data()
{
    QTest::addColumn<QString>("keeper");
    QTest::newRow("size frame") << "frameSize";
    QTest::newRow("size list") << "txtSize";
    QTest::newRow("preview square") << "picSize";
    QTest::newRow("help frame") << "frameHelp";
    QTest::newRow("help text") << "lblHelp";
    QTest::newRow("Save") << "cmdSave";
    QTest::newRow("Cancel") << "cmdCancel";
}

void OptionsHelpTest::framesAndButtonsKeepTheLastHelp()
{
    QFETCH(QString, keeper);
    moveOver("txtMaxLength");
    QTRY_COMPARE(title(), QStringLiteral("Max random base name length"));
    moveOver(keeper.toLatin1().constData());
    moveOver(keeper.toLatin1().constData(), QPoint(1, 1));
    QTest::qWait(20);
    QCOMPARE(title(), QStringLiteral("Max random base name length"));

    // The same moves do reach the background next to them: the help is then cleared.
    moveOver("background", QPoint(2, 2));
    QTRY_VERIFY(title().isEmpty());
}

QTEST_MAIN(OptionsHelpTest)
#include "frmoptionshelp_test.moc"
