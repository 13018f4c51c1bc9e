#include "toolbar/ui/popupmenu.h"

#include <QAction>

namespace toolbar {

namespace {
QAction *namedAction(QMenu *menu, const QString &caption, const char *name)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction *namedSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}
} // namespace

PopUpMenu::PopUpMenu(QWidget *parent) : QMenu(QStringLiteral("PopUp"), parent)
{
    setObjectName(QStringLiteral("mnuPopUp"));
    mnuNewBaseName = namedAction(this, QStringLiteral("New Base Name"), "mnuNewBaseName");
    mnuNameDetails = namedAction(this, QStringLiteral("Name Details"), "mnuNameDetails");
    mnuD2 = namedSeparator(this, "mnuD2");
    mnuProgramSetup = addMenu(QStringLiteral("Program Setup"));
    mnuProgramSetup->setObjectName(QStringLiteral("mnuProgramSetup"));
    mnuProgramSetup->menuAction()->setObjectName(QStringLiteral("mnuProgramSetup"));
    mnuConfigureDropSpots =
        namedAction(mnuProgramSetup, QStringLiteral("Configure Drop Spots"), "mnuConfigureDropSpots");
    mnuOptions = namedAction(mnuProgramSetup, QStringLiteral("Options"), "mnuOptions");
    mnuHelp = namedAction(mnuProgramSetup, QStringLiteral("Help"), "mnuHelp");
    mnuAbout = namedAction(mnuProgramSetup, QStringLiteral("About"), "mnuAbout");
    mnuD1 = namedSeparator(this, "mnuD1");
    mnuOpenFolder = namedAction(this, QStringLiteral("Open Folder"), "mnuOpenFolder");
    mnuLFS = namedAction(this, QStringLiteral("Last file saved was:"), "mnuLFS");
    mnuLFS->setEnabled(false);
    mnuLastFileSaved = namedAction(this, QString(), "mnuLastFileSaved");
    mnuD3 = namedSeparator(this, "mnuD3");
    mnuCloseToolbar = namedAction(this, QStringLiteral("Close Toolbar"), "mnuCloseToolbar");
}

void PopUpMenu::setLastFileSaved(const QString &fileName)
{
    // A menu caption treats "&" as a mnemonic marker and a tab as the start of a shortcut;
    // the caption shows the name as it is, and the name itself is kept aside.
    QString caption = fileName;
    caption.replace(QLatin1Char('&'), QStringLiteral("&&")).replace(QLatin1Char('\t'), QLatin1Char(' '));
    mnuLastFileSaved->setText(caption);
    mnuLastFileSaved->setData(fileName);
}

QString PopUpMenu::lastFileSaved() const
{
    return mnuLastFileSaved->data().toString();
}

} // namespace toolbar
