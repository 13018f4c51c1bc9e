// Setup with somebody at the keyboard: the real program (RunSetup, the same code the
// product's main runs, with the install's pauses shortened) plus a stand-in user who
// accepts the licence, continues on the welcome page, types the parent folder named by
// STOWLET_TEST_INSTALL_PARENT into the options page (whose rule appends "Stowlet"),
// chooses every shortcut for this user that the page offers, and continues. A question is
// answered Yes, any other message box OK. What the user did and saw is appended to the file named by
// STOWLET_TEST_TRANSCRIPT, one line each. Placed as "Setup" in an installation package,
// it installs from that package's "Support" folder exactly as the product does.
#include "installer/ui/setupprogram.h"
#include "tests/support/standinuser.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

using namespace setup;

namespace {

class SetupUser final : public StandInUser
{
public:
    SetupUser(const QString &transcript, const QString &installParent)
        : StandInUser(transcript), m_installParent(installParent)
    {}

private:
    void lookAtWindows() override
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || m_done.contains(window->objectName()))
                continue;
            auto *next = window->findChild<QPushButton *>(QStringLiteral("cmdContinue"));
            if (!next) // the message of an install that could not complete waits for OK
                next = window->findChild<QPushButton *>(QStringLiteral("cmdOK"));
            if (window->objectName() == QLatin1String("frmLicense"))
                readLicence(window);
            else if (window->objectName() == QLatin1String("frmSecond"))
                chooseOptions(window);
            if (next && next->isVisible() && next->isEnabled()) {
                m_done.insert(window->objectName());
                note(QStringLiteral("continue: ") + window->objectName());
                press(next);
                return;
            }
        }
    }

    void readLicence(QWidget *page)
    {
        auto *accept = page->findChild<QCheckBox *>(QStringLiteral("chkAccept"));
        if (accept && !accept->isChecked()) {
            note(QStringLiteral("accept: ") + accept->text());
            accept->click();
        }
    }

    void chooseOptions(QWidget *page)
    {
        page->findChild<QLineEdit *>(QStringLiteral("txtInstallPath"))->setText(m_installParent);
        QStringList offered;
        for (const char *name : {"optStartAllUsers", "optStartThisUser", "optIconAllUsers", "optIconThisUser"}) {
            auto *option = page->findChild<QRadioButton *>(QLatin1String(name));
            if (option->isEnabled())
                offered << QLatin1String(name);
        }
        note(QStringLiteral("offered: ") + offered.join(QLatin1Char(' ')));
        for (const char *name : {"optStartThisUser", "optIconThisUser"}) {
            auto *option = page->findChild<QRadioButton *>(QLatin1String(name));
            if (option->isEnabled())
                option->setChecked(true);
        }
    }

    QString m_installParent;
    QSet<QString> m_done;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SetupUser user(qEnvironmentVariable("STOWLET_TEST_TRANSCRIPT"),
                   qEnvironmentVariable("STOWLET_TEST_INSTALL_PARENT"));
    return RunSetup(app, {60, 20, 300});
}
