// Setup from its first page to a finished install, offscreen, through the real windows
// and a real package in temporary folders: the files, shortcuts and log it leaves.
#include "desktop/textfile.h"
#include "installer/core/installlog.h"
#include "installer/ui/frmlicense.h"
#include "tests/installer/wizardfixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace setup;

namespace fs = std::filesystem;

class WizardWalkTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_setup = std::make_unique<WizardFixture>(); }
    void cleanup() { m_setup.reset(); }

    void fromTheLicenceToAFinishedInstall()
    {
        int ended = 0;
        m_setup->session.installEnded = [&ended] { ++ended; };
        auto *license = new frmLicense(m_setup->session);
        license->setAttribute(Qt::WA_DeleteOnClose);
        license->show();
        QTest::mouseClick(license->chkAccept, Qt::LeftButton);
        QTest::mouseClick(license->cmdContinue, Qt::LeftButton);

        auto *welcome = shownWindow("frmFirst");
        QVERIFY(welcome);
        QTest::mouseClick(welcome->findChild<QPushButton *>("cmdContinue"), Qt::LeftButton);

        auto *options = shownWindow("frmSecond");
        QVERIFY(options);
        const std::string home = m_setup->temp / "home";
        auto *path = options->findChild<QLineEdit *>("txtInstallPath");
        path->setText(QString::fromStdString(home + "/My Apps"));
        QCOMPARE(path->text(), QString::fromStdString(home + "/My Apps/Stowlet"));
        QVERIFY(options->findChild<QRadioButton *>("optStartThisUser")->isChecked());
        QVERIFY(options->findChild<QRadioButton *>("optIconThisUser")->isChecked());
        // The install runs inside this click, with the pacing shortened.
        QTest::mouseClick(options->findChild<QPushButton *>("cmdContinue"), Qt::LeftButton);
        QTRY_VERIFY(noWindowShown());
        QCOMPARE(ended, 1);

        const std::string install = home + "/My Apps/Stowlet";
        for (const std::string &name : ProgramFileNames())
            QCOMPARE(readFile(install + "/" + name), "content of " + name);
        const std::string group = home + "/.local/share/applications/Stowlet";
        for (const std::string &entry :
             {group + "/Stowlet.desktop", group + "/Uninstall Stowlet.desktop", home + "/Desktop/Stowlet.desktop"})
            QVERIFY2(fs::is_regular_file(entry), entry.c_str());
        // Everything that was made lies inside the home; nothing in program files.
        QVERIFY(fs::is_empty(m_setup->temp / "programs"));

        const std::vector<std::string> log{"INSTALLPATH=" + install,
                                           install + "/Drop.png",
                                           install + "/Skull.png",
                                           install + "/Warning.wav",
                                           install + "/CopyFailed.wav",
                                           install + "/CopySuccess.wav",
                                           install + "/NewBaseName.wav",
                                           group, // a "." on its way (".local") puts it among the files
                                           group + "/Stowlet.desktop",
                                           group + "/Uninstall Stowlet.desktop",
                                           home + "/Desktop/Stowlet.desktop",
                                           home + "/My Apps",
                                           install,
                                           install + "/Stowlet",
                                           install + "/StowletUninstaller"};
        const auto written = TextFile::readLines(InstallLogPath(install));
        QVERIFY(written);
        const auto joined = [](const std::vector<std::string> &lines) {
            std::string text;
            for (const std::string &line : lines)
                text += line + "\n";
            return text;
        };
        QCOMPARE(QString::fromStdString(joined(*written)), QString::fromStdString(joined(log)));

        checkProgramStarted(install);
        QVERIFY(m_setup->desktop.messages.empty());
        QVERIFY(!fs::exists(m_setup->package() + "/testrights.txt"));
    }

private:
    void checkProgramStarted(const std::string &install)
    {
        const auto &started = m_setup->desktop.started;
        QVERIFY(!started.empty());
        QCOMPARE(started.back().program, install + "/Stowlet");
        QVERIFY(!started.back().waited);
        QCOMPARE(started.back().workingFolder, install);
    }

    std::unique_ptr<WizardFixture> m_setup;
};

QTEST_MAIN(WizardWalkTest)
#include "wizardwalk_test.moc"
