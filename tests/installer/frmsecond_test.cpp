// The options page, offscreen: the shortcut options its folders allow, the installation
// folder's default and its rule, and what its Continue refuses.
#include "installer/ui/frmsecond.h"
#include "tests/installer/wizardfixture.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace setup;

namespace fs = std::filesystem;

class frmSecondTest final : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_setup = std::make_unique<WizardFixture>();
        Globals &g = m_setup->globals;
        g.SupportFolder = m_setup->package() + "/Support";
        g.ProgramFilesFolder = m_setup->temp / "programs";
        g.ProgramsFolder = m_setup->temp / "home/.local/share/applications";
        g.DesktopFolder = m_setup->temp / "home/Desktop";
        g.CommonProgramsFolder = m_setup->temp.makeFolder("common/applications");
        g.CommonDesktopFolder = m_setup->temp.makeFolder("common/Desktop");
    }
    void cleanup() { m_setup.reset(); }

    void showsItsFramesAsDesigned()
    {
        frmSecond &page = open();
        QCOMPARE(page.windowTitle(), QStringLiteral("Tallowmere Installer"));
        QCOMPARE(page.frameDesktop->title(), QStringLiteral("Create Desktop Icon"));
        QCOMPARE(page.frameStartMenu->title(), QStringLiteral("Add to Start Menu"));
        QCOMPARE(page.frameInstallPath->title(), QStringLiteral("Installation Folder"));
        QCOMPARE(page.optIconNone->text(), QStringLiteral("Do not add a Desktop Icon"));
        QCOMPARE(page.optStartNone->text(), QStringLiteral("Do not add to the Start Menu"));
        QCOMPARE(page.optStartThisUser->text(), QStringLiteral("This User Only"));
        QCOMPARE(page.cmdBrowse->text(), QStringLiteral("..."));
        // The options of one frame exclude each other, not those of the other frame.
        page.optStartNone->setChecked(true);
        page.optIconThisUser->setChecked(true);
        QVERIFY(page.optStartNone->isChecked());
        QVERIFY(!page.optStartAllUsers->isChecked());
    }

    void optionsFollowTheFoldersThatExist_data()
    {
        QTest::addColumn<bool>("common");
        QTest::addColumn<bool>("own");
        QTest::addColumn<bool>("allEnabled");
        QTest::addColumn<QString>("checked");
        QTest::newRow("all folders") << true << true << true << "AllUsers";
        QTest::newRow("no all-users folders") << false << true << false << "ThisUser";
        QTest::newRow("no folders") << false << false << false << "None";
    }
    void optionsFollowTheFoldersThatExist()
    {
        QFETCH(bool, common);
        QFETCH(bool, own);
        QFETCH(bool, allEnabled);
        QFETCH(QString, checked);
        Globals &g = m_setup->globals;
        if (!common) {
            fs::remove_all(m_setup->temp / "common");
            g.CommonDesktopFolder.clear(); // a desktop without such a folder gives none
            g.CommonProgramsFolder.clear();
        }
        if (!own) {
            fs::remove_all(m_setup->temp / "home");
            g.DesktopFolder.clear();
            g.ProgramsFolder.clear();
        }
        frmSecond &page = open();
        for (const char *frame : {"Start", "Icon"}) {
            const auto button = [&page, frame](const QString &which) {
                return page.findChild<QRadioButton *>(QStringLiteral("opt%1%2").arg(frame, which));
            };
            QCOMPARE(button("AllUsers")->isEnabled(), allEnabled);
            QCOMPARE(button("ThisUser")->isEnabled(), own);
            QVERIFY(button("None")->isEnabled());
            QVERIFY2(button(checked)->isChecked(), frame);
        }
    }

    void theDefaultFolderIsAnInstallationsOrInProgramFilesOrBesideTheInstaller()
    {
        QCOMPARE(open().txtInstallPath->text(), QString::fromStdString(m_setup->temp / "programs/Stowlet"));
        closeAllWindows();
        m_setup->globals.ProgramFilesFolder = m_setup->temp / "no programs"; // made by the install
        QCOMPARE(open().txtInstallPath->text(), QString::fromStdString(m_setup->temp / "no programs/Stowlet"));
        closeAllWindows();
        m_setup->temp.writeFile("a file", "in the way");
        m_setup->globals.ProgramFilesFolder = m_setup->temp / "a file/programs";
        QCOMPARE(open().txtInstallPath->text(), QString::fromStdString(m_setup->temp / "package/Stowlet"));
        closeAllWindows();
        const std::string earlier = m_setup->temp / "elsewhere/Stowlet";
        m_setup->temp.writeFile("elsewhere/Stowlet/STOWLET-InstallLog.txt", "INSTALLPATH=" + earlier + "\r\n");
        m_setup->temp.writeFile("home/.local/share/applications/Stowlet/Stowlet.desktop",
                                "shortcut to " + earlier + "/Stowlet\n");
        QCOMPARE(open().txtInstallPath->text(), QString::fromStdString(earlier));
    }

    void theFolderEndsInStowletOnceTypingIsFinished()
    {
        QLineEdit *path = open().txtInstallPath;
        const QString programs = QString::fromStdString(m_setup->temp / "programs");
        path->setFocus();
        path->selectAll();
        QTest::keyClicks(path, "/srv/apps");
        QCOMPARE(path->text(), QStringLiteral("/srv/apps")); // nothing is added while the user types
        QTest::keyClick(path, Qt::Key_Return);
        QCOMPARE(path->text(), QStringLiteral("/srv/apps/Stowlet"));
        for (const auto &[typed, finished] :
             {std::pair{"~/my apps", "/home/user/my apps/Stowlet"}, std::pair{"~", "/home/user/Stowlet"}}) {
            path->selectAll();
            QTest::keyClicks(path, typed);
            QTest::keyClick(path, Qt::Key_Return);
            QCOMPARE(path->text(), QString::fromUtf8(finished));
        }
        path->setText(programs + "/stowlet");
        QCOMPARE(path->text(), programs + "/stowlet/Stowlet");
        path->setText("/");
        QCOMPARE(path->text(), QStringLiteral("/Stowlet"));
        path->clear();
        QCOMPARE(path->text(), QString());
    }

    void anEmptyFolderIsAskedFor()
    {
        frmSecond &page = open();
        page.txtInstallPath->clear();
        QTest::mouseClick(page.cmdContinue, Qt::LeftButton);
        QCOMPARE(m_setup->desktop.messages, std::vector<std::string>{"Please select an Installation Folder"});
        QVERIFY(page.isVisible());
        QVERIFY(page.cmdContinue->isEnabled() && page.cmdCancel->isEnabled() && page.cmdBrowse->isEnabled());
        QVERIFY(!shownWindow("frmThird"));
        QCOMPARE(m_setup->globals.InstallPath, std::string());
    }

    void aFolderThatCannotBeCreatedIsRefused()
    {
        m_setup->temp.writeFile("a file", "in the way");
        const std::string below = m_setup->temp / "a file/Stowlet";
        frmSecond &page = open();
        page.txtInstallPath->setText(QString::fromStdString("  " + below));
        QTest::mouseClick(page.cmdContinue, Qt::LeftButton);
        QCOMPARE(
            m_setup->desktop.messages,
            std::vector<std::string>{"The folder " + below + " could not be created.\rPlease select another folder"});
        QCOMPARE(page.txtInstallPath->text(), QString::fromStdString(below)); // trimmed
        QVERIFY(page.isVisible());
        QVERIFY(!shownWindow("frmThird"));
    }

    void continueHandsOverOnceWithTheChosenShortcuts()
    {
        frmSecond &page = open();
        page.txtInstallPath->setText(QString::fromStdString(m_setup->temp / "home/My Apps"));
        page.optStartThisUser->setChecked(true);
        page.optIconAllUsers->setChecked(true);
        int clicksDuringContinue = 0;
        m_setup->desktop.onYield = [&] {
            if (page.cmdContinue->isEnabled())
                return;
            ++clicksDuringContinue;
            QTest::mouseClick(page.cmdContinue, Qt::LeftButton);
            page.close();
        };
        QTest::mouseClick(page.cmdContinue, Qt::LeftButton);
        m_setup->desktop.onYield = nullptr;

        const Globals &g = m_setup->globals;
        QCOMPARE(g.InstallPath, m_setup->temp / "home/My Apps/Stowlet");
        QVERIFY(!g.StartMenuAllUsers && g.StartMenuThisUser && g.DesktopAllUsers && !g.DesktopThisUser);
        QVERIFY(clicksDuringContinue > 0);
        int programStarts = 0;
        for (const auto &started : m_setup->desktop.started)
            programStarts += started.program == g.InstallPath + "/Stowlet";
        QCOMPARE(programStarts, 1); // one install, not two
        QTRY_VERIFY(noWindowShown());
    }

    void theFolderPickerIsOneWindowOwnedByThePage()
    {
        frmSecond &page = open();
        QTest::mouseClick(page.cmdBrowse, Qt::LeftButton);
        QTest::mouseClick(page.cmdBrowse, Qt::LeftButton);
        QCOMPARE(shownWindows("frmBrowseFolders"), 1);
        QCOMPARE(shownWindow("frmBrowseFolders")->parentWidget(), &page);
    }

    void cancelOrTheCloseBoxEndsSetupWithNothingInstalled_data() { addCancelOrCloseBoxRows(); }
    void cancelOrTheCloseBoxEndsSetupWithNothingInstalled()
    {
        QFETCH(bool, byCloseBox);
        frmSecond &page = open();
        QTest::mouseClick(page.cmdBrowse, Qt::LeftButton);
        cancelOrCloseBox(page, page.cmdCancel, byCloseBox);
        QTRY_VERIFY(noWindowShown());
        QVERIFY(!fs::exists(m_setup->temp / "programs/Stowlet"));
        QVERIFY(m_setup->desktop.messages.empty());
    }

private:
    frmSecond &open()
    {
        auto *page = new frmSecond(m_setup->session);
        page->setAttribute(Qt::WA_DeleteOnClose);
        page->show();
        return *page;
    }

    std::unique_ptr<WizardFixture> m_setup;
};

QTEST_MAIN(frmSecondTest)
#include "frmsecond_test.moc"
