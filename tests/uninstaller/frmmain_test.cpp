// The uninstaller's window, offscreen, with the fake desktop and instant waits over a real
// installation in a test folder.
#include "desktop/twips.h"
#include "tests/uninstaller/uninstallsupport.h"
#include "uninstaller/ui/frmmain.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace uninstall;

namespace {

// One program run: its folders, its services and its window.
struct Run : UninstallBed
{
    frmMain &window()
    {
        if (!form)
            form = std::make_unique<frmMain>(globals, fake.services(), wait);
        return *form;
    }
    template <typename T> T *control(const char *name) { return window().findChild<T *>(QLatin1String(name)); }

    std::unique_ptr<frmMain> form;
};

void saveSkull(const std::string &folder)
{
    QImage skull(64, 64, QImage::Format_ARGB32);
    skull.fill(Qt::white);
    QVERIFY(skull.save(QString::fromStdString(folder + "/Skull.png")));
}

// Abandoned: the log copy is gone, and the script started to take the program copy and the
// hand-over folder once the program has ended.
void leavesOnlyTheScript(Run &run)
{
    QCOMPARE(treeOf(run.install.handOverFolder()), (std::vector<std::string>{"StowletUninstaller", "killmyself.sh"}));
    QCOMPARE(run.fake.started.size(), std::size_t(1));
    QCOMPARE(run.fake.started[0].arguments.back(), run.install.scriptInTemp());
}

} // namespace

class FrmMainTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void controlsSitWhereTheirTwipsSay();
    void windowIsPlacedCentredAFifthDown();
    void copyInTheTemporaryFolderEnablesContinue();
    void instanceInTheInstallationFolderRelaunchesAndEnds();
    void missingLogEndsTheProgram();
    void noAtTheConfirmationEndsWithNothingRemoved();
    void cancelClosesAndEndsWithNothingRemoved();
    void yesRemovesWithButtonsGoneAndTheWindowHiddenBeforeTheMessage();
    void closingDuringTheRemovalIsRefused();
    void skullComesFromTheProgramsOrTheInstallationsFolder();
    void windowIsLoadedByNameInAnyLetterCase();
};

void FrmMainTest::cleanup()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName() + " left open"));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void FrmMainTest::controlsSitWhereTheirTwipsSay()
{
    Run run;
    frmMain &form = run.window();
    const auto px = [&](int twips) { return TwipsToPixels(twips, form.logicalDpiX()); };
    const auto py = [&](int twips) { return TwipsToPixels(twips, form.logicalDpiY()); };
    const auto rect = [&](int l, int t, int w, int h) { return QRect(px(l), py(t), px(w), py(h)); };

    QCOMPARE(form.objectName(), QStringLiteral("frmMain"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Uninstall..."));
    QCOMPARE(form.size(), QSize(px(6615), py(2685)));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(run.control<QLabel>("lblMessage")->geometry(), rect(240, 360, 6015, 375));
    QCOMPARE(run.control<QLabel>("Image1")->geometry(), rect(2880, 840, 720, 720));
    QCOMPARE(run.control<QPushButton>("cmdCancel")->geometry(), rect(1680, 1920, 1335, 495));
    QCOMPARE(run.control<QPushButton>("cmdContinue")->geometry(), rect(3480, 1920, 1335, 495));
    QCOMPARE(run.control<QLabel>("lblWorking")->geometry(), rect(240, 2040, 6015, 375));
    QCOMPARE(run.control<QLineEdit>("txtDummy")->geometry(), rect(8160, 720, 975, 285));
    QVERIFY(!form.rect().intersects(run.control<QLineEdit>("txtDummy")->geometry()));
    QCOMPARE(run.control<QPushButton>("cmdCancel")->text(), QStringLiteral("Cancel"));
    QCOMPARE(run.control<QPushButton>("cmdContinue")->text(), QStringLiteral("Continue"));
    QCOMPARE(run.control<QLabel>("lblWorking")->text(), QStringLiteral("Working..."));
    QVERIFY(run.control<QLabel>("lblMessage")->alignment() & Qt::AlignHCenter);
    QVERIFY(run.control<QLabel>("lblWorking")->alignment() & Qt::AlignHCenter);
    QVERIFY(!run.control<QPushButton>("cmdContinue")->isEnabled());
}

void FrmMainTest::windowIsPlacedCentredAFifthDown()
{
    Run run;
    run.runFromTemp();
    frmMain &form = run.window();
    QVERIFY(form.Load());

    const QRect screen = form.screen()->geometry();
    QCOMPARE(form.pos(), QPoint(screen.x() + screen.width() / 2 - form.width() / 2, screen.y() + screen.height() / 5));
    form.close();
}

void FrmMainTest::copyInTheTemporaryFolderEnablesContinue()
{
    Run run;
    run.runFromTemp();
    frmMain &form = run.window();
    bool busyWhileLoading = false;
    run.fake.onYield = [&] {
        busyWhileLoading = form.isVisible() && form.cursor().shape() == Qt::WaitCursor &&
                           !run.control<QPushButton>("cmdContinue")->isEnabled();
    };

    QVERIFY(form.Load());
    run.fake.onYield = nullptr;

    QVERIFY(busyWhileLoading);
    QCOMPARE(run.control<QLabel>("lblMessage")->text(), QStringLiteral("This process will uninstall Stowlet..."));
    QVERIFY(run.control<QPushButton>("cmdContinue")->isEnabled());
    QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
    QVERIFY(!run.control<QLabel>("lblWorking")->isVisible());
    QVERIFY(run.fake.dialogs.empty());
    QVERIFY(run.fake.started.empty());
    form.close();
}

void FrmMainTest::instanceInTheInstallationFolderRelaunchesAndEnds()
{
    Run run;
    run.runFromInstallFolder();

    QVERIFY(!run.window().Load());

    QCOMPARE(run.fake.started.size(), std::size_t(1));
    QCOMPARE(run.fake.started[0].program, run.install.programInTemp());
    QVERIFY(run.fake.dialogs.empty());
    QVERIFY(!run.control<QPushButton>("cmdContinue")->isEnabled());
    run.window().close();
}

void FrmMainTest::missingLogEndsTheProgram()
{
    Run run;
    std::filesystem::remove(run.install.logInInstallFolder());
    run.runFromInstallFolder();

    QVERIFY(!run.window().Load());

    QCOMPARE(run.fake.messages.size(), std::size_t(1));
    QVERIFY(run.fake.messages[0].rfind("No Install Log Found.\r", 0) == 0);
    QVERIFY(run.fake.started.empty());
    run.window().close();
}

void FrmMainTest::noAtTheConfirmationEndsWithNothingRemoved()
{
    Run run;
    run.runFromTemp();
    QVERIFY(run.window().Load());
    const auto before = treeOf(run.install.home);
    QSignalSpy ended(&run.window(), &frmMain::programEnded);
    run.fake.answers = {false};

    QTest::mouseClick(run.control<QPushButton>("cmdContinue"), Qt::LeftButton);

    QCOMPARE(ended.count(), 1);
    QVERIFY(!run.window().isVisible());
    QCOMPARE(run.fake.dialogs, std::vector<std::string>{ConfirmationText});
    QCOMPARE(treeOf(run.install.home), before);
    leavesOnlyTheScript(run);
}

void FrmMainTest::cancelClosesAndEndsWithNothingRemoved()
{
    Run run;
    run.runFromTemp();
    QVERIFY(run.window().Load());
    const auto before = treeOf(run.install.home);
    QSignalSpy ended(&run.window(), &frmMain::programEnded);

    QTest::mouseClick(run.control<QPushButton>("cmdCancel"), Qt::LeftButton);

    QVERIFY(!run.window().isVisible());
    QCOMPARE(ended.count(), 1);
    QVERIFY(run.fake.dialogs.empty());
    QCOMPARE(treeOf(run.install.home), before);
    leavesOnlyTheScript(run);
}

void FrmMainTest::yesRemovesWithButtonsGoneAndTheWindowHiddenBeforeTheMessage()
{
    Run run;
    run.runFromTemp();
    frmMain &form = run.window();
    QVERIFY(form.Load());
    QSignalSpy ended(&form, &frmMain::programEnded);
    bool workingShown = false;
    run.fake.onYield = [&] {
        if (run.control<QLabel>("lblWorking")->isVisible() && !workingShown)
            workingShown = !run.control<QPushButton>("cmdContinue")->isVisible() &&
                           !run.control<QPushButton>("cmdCancel")->isVisible() && QApplication::overrideCursor() &&
                           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    };
    bool hiddenAndNormalAtMessage = false;
    run.fake.onMessage = [&](const std::string &) {
        hiddenAndNormalAtMessage = !form.isVisible() && !QApplication::overrideCursor();
    };
    run.fake.answers = {true};

    QTest::mouseClick(run.control<QPushButton>("cmdContinue"), Qt::LeftButton);
    run.fake.onYield = nullptr;

    QVERIFY(workingShown);
    QVERIFY(hiddenAndNormalAtMessage);
    QCOMPARE(run.fake.dialogs.size(), std::size_t(2));
    QVERIFY(!std::filesystem::exists(run.install.installFolder));
    QVERIFY(!std::filesystem::exists(run.install.groupFolder));
    QVERIFY2(!form.isFormLoaded("frmMain"), "unloaded before the script starts");
    QCOMPARE(ended.count(), 1);
    QCOMPARE(run.fake.started.size(), std::size_t(1));
    QCOMPARE(run.fake.started[0].style, WindowStyle::Hidden);
    QCOMPARE(run.fake.started[0].arguments.at(0), run.install.scriptInTemp());
    QVERIFY(QFile::exists(QString::fromStdString(run.install.scriptInTemp())));
}

void FrmMainTest::closingDuringTheRemovalIsRefused()
{
    Run run;
    run.runFromTemp();
    frmMain &form = run.window();
    QVERIFY(form.Load());
    bool tried = false;
    bool stayedOpen = false;
    run.fake.onYield = [&] {
        if (!tried && run.control<QLabel>("lblWorking")->isVisible()) {
            tried = true;
            stayedOpen = !form.close() && form.isVisible();
        }
    };
    run.fake.answers = {true};

    QTest::mouseClick(run.control<QPushButton>("cmdContinue"), Qt::LeftButton);
    run.fake.onYield = nullptr;

    QVERIFY(tried);
    QVERIFY(stayedOpen);
    QVERIFY2(!std::filesystem::exists(run.install.installFolder), "the removal ran to its end");
    QVERIFY(!form.isVisible());
}

void FrmMainTest::skullComesFromTheProgramsOrTheInstallationsFolder()
{
    {
        Run run;
        run.runFromTemp();
        QVERIFY(run.window().Load());
        QVERIFY2(run.control<QLabel>("Image1")->pixmap().isNull(), "no picture file, no picture");
        run.window().close();
    }
    {
        Run run;
        run.runFromTemp();
        std::filesystem::remove(run.install.installFolder + "/Skull.png");
        saveSkull(run.install.installFolder);
        QVERIFY(run.window().Load());
        QVERIFY2(!run.control<QLabel>("Image1")->pixmap().isNull(), "the copy finds it in the installation folder");
        run.window().close();
    }
    {
        Run run;
        run.runFromInstallFolder();
        std::filesystem::remove(run.install.installFolder + "/Skull.png");
        saveSkull(run.install.installFolder);
        run.window().Load();
        QVERIFY(!run.control<QLabel>("Image1")->pixmap().isNull());
        QVERIFY(run.control<QLabel>("Image1")->pixmap().deviceIndependentSize().width() <=
                run.control<QLabel>("Image1")->width());
        run.window().close();
    }
}

void FrmMainTest::windowIsLoadedByNameInAnyLetterCase()
{
    Run run;
    run.runFromTemp();
    frmMain &form = run.window();
    QVERIFY(!form.isFormLoaded("frmMain"));
    QVERIFY(form.Load());
    QVERIFY(form.isFormLoaded("FRMMAIN"));
    QVERIFY(!form.isFormLoaded("frmOther"));
    form.hideForm();
    QVERIFY2(form.isFormLoaded("frmMain"), "hidden is still loaded");
    form.unloadForm();
    QVERIFY(!form.isFormLoaded("frmMain"));
}

QTEST_MAIN(FrmMainTest)
#include "frmmain_test.moc"
