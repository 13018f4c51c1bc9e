// The welcome page, offscreen: what it sets up when it loads, and its Continue with each
// of the checks that may end Setup instead of moving on.
#include "installer/core/appfunctions.h"
#include "installer/ui/frmfirst.h"
#include "installer/ui/frmsecond.h"
#include "tests/installer/wizardfixture.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace setup;

namespace fs = std::filesystem;

class frmFirstTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_setup = std::make_unique<WizardFixture>(); }
    void cleanup() { m_setup.reset(); }

    void loadingPreparesTheInstallerState()
    {
        Globals &globals = m_setup->globals;
        globals.InstallList = {"left over"};
        frmFirst &page = open();
        QCOMPARE(page.windowTitle(), QStringLiteral("Tallowmere Installer"));
        QCOMPARE(page.Label1->text(), QStringLiteral("Install Powered By Tallowmere Software"));
        QCOMPARE(page.lblWizzard->text(), QStringLiteral("This wizzard will guide you through the installation."));
        QCOMPARE(page.lblMain->text(), QStringLiteral("You are about to install Stowlet"));
        QCOMPARE(page.frameBanner->palette().color(QPalette::Window), QColor(64, 64, 64));
        QCOMPARE(page.Label1->palette().color(QPalette::WindowText), QColor(128, 255, 128));
        QVERIFY(!page.Image1->pixmap().isNull());
        QCOMPARE(globals.SupportFolder, m_setup->temp / "package/Support");
        QVERIFY(globals.WaitTimer);
        QCOMPARE(globals.InstallList, std::vector<std::string>{""});
    }

    void continueLooksUpTheFoldersAndMovesOnToTheOptions()
    {
        FakeDesktop &desktop = m_setup->desktop;
        desktop.folders[Csidl::Desktop] += "/";
        desktop.folders[Csidl::System] = m_setup->temp.makeFolder("system");
        frmFirst &page = open();
        page.move(40, 30);
        QTest::mouseClick(page.cmdContinue, Qt::LeftButton);

        auto *options = shownWindow("frmSecond");
        QVERIFY(options);
        QCOMPARE(options->pos(), QPoint(40, 30));
        QVERIFY(!shownWindow("frmFirst"));
        const Globals &globals = m_setup->globals;
        QCOMPARE(globals.DesktopFolder, m_setup->temp / "home/Desktop");
        QCOMPARE(globals.ProgramsFolder, m_setup->temp / "home/.local/share/applications");
        QCOMPARE(globals.ProgramFilesFolder, m_setup->temp / "programs");
        QCOMPARE(globals.SystemFolder, m_setup->temp / "system");
        QCOMPARE(globals.CommonProgramsFolder, std::string());
        QVERIFY(desktop.messages.empty());
        QVERIFY(!fs::exists(m_setup->package() + "/testrights.txt"));
        QVERIFY2(!fs::exists(m_setup->temp / "programs/Stowlet"), "nothing installed yet");
    }

    void aFolderThatCannotTakeTheTestFileEndsSetup()
    {
        // Root writes anywhere, so the test file is kept out by a folder standing in its place.
        m_setup->temp.makeFolder("package/testrights.txt");
        QTest::mouseClick(open().cmdContinue, Qt::LeftButton);
        QCOMPARE(m_setup->desktop.messages, std::vector<std::string>{InvalidInstallationMessage()});
        QVERIFY(QString::fromStdString(m_setup->desktop.messages[0]).startsWith("Invalid Installation Scenerio.\r\r"));
        QTRY_VERIFY(noWindowShown());
        QVERIFY(fs::is_directory(m_setup->package() + "/testrights.txt"));
    }

    void aFileSystemServiceThatCannotBeRegisteredEndsSetup()
    {
        m_setup->desktop.folders[Csidl::System] = m_setup->temp.makeFolder("system");
        m_setup->temp.writeFile("package/Support/scrrun.dll", "component");
        m_setup->components.fileSystemAnswers = {false, false};
        QTest::mouseClick(open().cmdContinue, Qt::LeftButton);
        QCOMPARE(m_setup->desktop.messages, std::vector<std::string>{"Unable to register required file.\r(" +
                                                                     (m_setup->temp / "system/scrrun.dll") + ")"});
        QTRY_VERIFY(noWindowShown());
        QCOMPARE(readFile(m_setup->temp / "system/scrrun.dll"), std::string("component"));
    }

    void theInstallersComponentsArePlacedBeforeTheOptions()
    {
        m_setup->desktop.folders[Csidl::System] = m_setup->temp.makeFolder("system");
        m_setup->temp.writeFile("package/Support/MSINET.ocx", "internet control");
        m_setup->components.installer = {"MSINET.ocx"};
        QTest::mouseClick(open().cmdContinue, Qt::LeftButton);
        QVERIFY(shownWindow("frmSecond"));
        QCOMPARE(readFile(m_setup->temp / "system/MSINET.ocx"), std::string("internet control"));
        QCOMPARE(m_setup->desktop.started.size(), std::size_t(1));
        QCOMPARE(m_setup->globals.InstallList, std::vector<std::string>{""});
    }

    void aSecondClickDuringContinueStartsNothing()
    {
        frmFirst &page = open();
        bool enabledDuringContinue = false;
        m_setup->desktop.onYield = [&] {
            enabledDuringContinue |= page.cmdContinue->isEnabled() || page.cmdCancel->isEnabled();
            QTest::mouseClick(page.cmdContinue, Qt::LeftButton);
            QTest::mouseClick(page.cmdCancel, Qt::LeftButton);
            page.close();
        };
        QTest::mouseClick(page.cmdContinue, Qt::LeftButton);
        m_setup->desktop.onYield = nullptr;
        QVERIFY(m_setup->desktop.yields > 0);
        QVERIFY(!enabledDuringContinue);
        QCOMPARE(shownWindows("frmSecond"), 1);
        QVERIFY(!shownWindow("frmFirst"));
    }

    void cancelOrTheCloseBoxEndsSetup_data() { addCancelOrCloseBoxRows(); }
    void cancelOrTheCloseBoxEndsSetup()
    {
        QFETCH(bool, byCloseBox);
        frmFirst &page = open();
        cancelOrCloseBox(page, page.cmdCancel, byCloseBox);
        QTRY_VERIFY(noWindowShown());
        QVERIFY(m_setup->desktop.messages.empty());
    }

private:
    frmFirst &open()
    {
        auto *page = new frmFirst(m_setup->session);
        page->setAttribute(Qt::WA_DeleteOnClose);
        page->show();
        return *page;
    }

    std::unique_ptr<WizardFixture> m_setup;
};

QTEST_MAIN(frmFirstTest)
#include "frmfirst_test.moc"
