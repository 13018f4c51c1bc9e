#pragma once

#include "installer/core/wizardsteps.h"
#include "installer/ui/setuppage.h"

#include <QPointer>

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace setup {

class frmBrowseFolders;

/// The options page: the installation folder, which always ends in a folder named after
/// the product, and where to put the Start-menu and desktop shortcuts. Its Continue
/// creates the folder and hands over to the install.
class frmSecond final : public SetupPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmSecond)

public:
    explicit frmSecond(SetupSession &session, QWidget *parent = nullptr);

    QGroupBox *frameDesktop;
    QRadioButton *optIconAllUsers;
    QRadioButton *optIconThisUser;
    QRadioButton *optIconNone;
    QGroupBox *frameStartMenu;
    QRadioButton *optStartAllUsers;
    QRadioButton *optStartThisUser;
    QRadioButton *optStartNone;
    QGroupBox *frameInstallPath;
    QLineEdit *txtInstallPath;
    QPushButton *cmdBrowse;

protected:
    void leavePage() override;

private:
    void layOutPage();
    void SetDefaultInstallPath();
    void SetShortcutOptions();
    void SaveShortcutOptions();
    void installPathChanged(const QString &text);
    void finishTyping();
    void browse();
    void continueToInstall();
    void install();

    QPointer<frmBrowseFolders> m_browser;
};

} // namespace setup
