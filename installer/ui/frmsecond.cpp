#include "installer/ui/frmsecond.h"

#include "desktop/qtext.h"
#include "installer/ui/frmbrowsefolders.h"
#include "installer/ui/frmthird.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace setup {

namespace {

QRadioButton *option(const char *name, const QString &caption, QGroupBox *frame)
{
    auto *button = new QRadioButton(caption, frame);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

void stack(QGroupBox *frame, std::initializer_list<QRadioButton *> options)
{
    auto *layout = new QVBoxLayout(frame);
    layout->setSpacing(6);
    for (QRadioButton *button : options)
        layout->addWidget(button);
    layout->addStretch();
}

void choose(ShortcutChoice choice, QRadioButton *allUsers, QRadioButton *thisUser, QRadioButton *none)
{
    (choice == ShortcutChoice::AllUsers   ? allUsers
     : choice == ShortcutChoice::ThisUser ? thisUser
                                          : none)
        ->setChecked(true);
}

ShortcutChoice chosen(const QRadioButton *allUsers, const QRadioButton *thisUser)
{
    if (allUsers->isChecked())
        return ShortcutChoice::AllUsers;
    return thisUser->isChecked() ? ShortcutChoice::ThisUser : ShortcutChoice::None;
}

} // namespace

frmSecond::frmSecond(SetupSession &session, QWidget *parent)
    : SetupPage(&session, "frmSecond", InstallerCaption, parent),
      frameDesktop(new QGroupBox(QStringLiteral("Create Desktop Icon"), this)),
      optIconAllUsers(option("optIconAllUsers", QStringLiteral("All Users"), frameDesktop)),
      optIconThisUser(option("optIconThisUser", QStringLiteral("This User Only"), frameDesktop)),
      optIconNone(option("optIconNone", QStringLiteral("Do not add a Desktop Icon"), frameDesktop)),
      frameStartMenu(new QGroupBox(QStringLiteral("Add to Start Menu"), this)),
      optStartAllUsers(option("optStartAllUsers", QStringLiteral("All Users"), frameStartMenu)),
      optStartThisUser(option("optStartThisUser", QStringLiteral("This User Only"), frameStartMenu)),
      optStartNone(option("optStartNone", QStringLiteral("Do not add to the Start Menu"), frameStartMenu)),
      frameInstallPath(new QGroupBox(QStringLiteral("Installation Folder"), this)),
      txtInstallPath(new QLineEdit(QStringLiteral("C:\\Program Files"), frameInstallPath)),
      cmdBrowse(new QPushButton(QStringLiteral("..."), frameInstallPath))
{
    addContinueCancel();
    frameDesktop->setObjectName(QStringLiteral("frameDesktop"));
    frameStartMenu->setObjectName(QStringLiteral("frameStartMenu"));
    frameInstallPath->setObjectName(QStringLiteral("frameInstallPath"));
    txtInstallPath->setObjectName(QStringLiteral("txtInstallPath"));
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    layOutPage();

    connect(txtInstallPath, &QLineEdit::textChanged, this, &frmSecond::installPathChanged);
    connect(txtInstallPath, &QLineEdit::editingFinished, this, &frmSecond::finishTyping);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmSecond::browse);
    connect(cmdContinue, &QPushButton::clicked, this, &frmSecond::continueToInstall);

    SetDefaultInstallPath();
    SetShortcutOptions();
}

void frmSecond::layOutPage()
{
    stack(frameStartMenu, {optStartAllUsers, optStartThisUser, optStartNone});
    stack(frameDesktop, {optIconAllUsers, optIconThisUser, optIconNone});
    cmdBrowse->setToolTip(QStringLiteral("Choose a folder"));
    cmdBrowse->setFixedWidth(36);
    auto *path = new QHBoxLayout(frameInstallPath);
    path->addWidget(txtInstallPath, 1);
    path->addWidget(cmdBrowse);

    auto *shortcuts = new QHBoxLayout;
    shortcuts->setSpacing(12);
    shortcuts->addWidget(frameStartMenu, 1);
    shortcuts->addWidget(frameDesktop, 1);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(20, 18, 20, 20);
    page->setSpacing(14);
    page->addWidget(frameInstallPath);
    page->addLayout(shortcuts);
    page->addStretch();
    page->addLayout(newButtonRow());
    setFixedSize(WizardPageSize);
}

void frmSecond::SetDefaultInstallPath()
{
    txtInstallPath->setText(toQt(DefaultInstallPath(session().globals, session().installerFolder, session().desktop)));
}

void frmSecond::SetShortcutOptions()
{
    const ShortcutFrame start = StartMenuOptions(session().globals);
    optStartAllUsers->setEnabled(start.allUsersEnabled);
    optStartThisUser->setEnabled(start.thisUserEnabled);
    choose(start.preselected, optStartAllUsers, optStartThisUser, optStartNone);
    const ShortcutFrame desktop = DesktopOptions(session().globals);
    optIconAllUsers->setEnabled(desktop.allUsersEnabled);
    optIconThisUser->setEnabled(desktop.thisUserEnabled);
    choose(desktop.preselected, optIconAllUsers, optIconThisUser, optIconNone);
}

void frmSecond::SaveShortcutOptions()
{
    SaveShortcutChoices(session().globals, chosen(optStartAllUsers, optStartThisUser),
                        chosen(optIconAllUsers, optIconThisUser));
}

void frmSecond::installPathChanged(const QString &text)
{
    // While the user types, the text is theirs: an ending added at every keystroke would
    // make a path impossible to type. It comes once typing is finished.
    if (txtInstallPath->isModified())
        return;
    // Setting the text changes it once more; the second time the ending is in place.
    const QString ruled = toQt(InstallPathAfterChange(fromQt(text)));
    if (ruled != text)
        txtInstallPath->setText(ruled);
}

void frmSecond::finishTyping()
{
    const std::string typed = TrimSpaces(fromQt(txtInstallPath->text()));
    const std::string home = session().desktop.folders.homeFolder();
    const QString finished = toQt(InstallPathAfterChange(ExpandHome(typed, home)));
    if (finished != txtInstallPath->text())
        txtInstallPath->setText(finished);
    txtInstallPath->setModified(false);
}

void frmSecond::browse()
{
    if (!m_browser) {
        m_browser = new frmBrowseFolders(*txtInstallPath, this);
        m_browser->setAttribute(Qt::WA_DeleteOnClose);
        m_browser->move(frameGeometry().topLeft() + QPoint(40, 40));
    }
    m_browser->show();
    m_browser->raise();
    m_browser->activateWindow();
}

void frmSecond::continueToInstall()
{
    const bool installed = runContinue(
        [this] {
            if (m_browser)
                m_browser->close();
            finishTyping();
            if (!AcceptInstallPath(session().globals, session().desktop, fromQt(txtInstallPath->text())))
                return false;
            SaveShortcutOptions();
            install();
            return true;
        },
        {cmdBrowse});
    if (installed && session().installEnded)
        session().installEnded();
}

void frmSecond::install()
{
    setCursor(Qt::WaitCursor);
    session().desktop.pump.yieldTimes(3);
    hide();
    auto *progress = new frmThird(session().globals, session().desktop, session().components);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setPacing(session().pacing);
    progress->show();
    session().desktop.pump.yieldTimes(6);
    // Runs to the end of the install: the progress window has closed when it returns.
    progress->StartInstall();
}

void frmSecond::leavePage()
{
    if (m_browser)
        m_browser->close();
}

} // namespace setup
