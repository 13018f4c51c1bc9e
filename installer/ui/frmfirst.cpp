#include "installer/ui/frmfirst.h"

#include "desktop/paths.h"
#include "desktop/qtext.h"
#include "desktop/qtwidgetext.h"
#include "installer/core/appfunctions.h"
#include "installer/core/wizardsteps.h"
#include "installer/ui/frmsecond.h"
#include "installer/ui/installerartwork.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace setup {

frmFirst::frmFirst(SetupSession &session, QWidget *parent)
    : SetupPage(&session, "frmFirst", InstallerCaption, parent), frameBanner(new QFrame(this)),
      Label1(new QLabel(QStringLiteral("Install Powered By Tallowmere Software"), frameBanner)),
      Image1(new QLabel(this)),
      lblWizzard(new QLabel(QStringLiteral("This wizzard will guide you through the installation."), this)),
      lblMain(new QLabel(QStringLiteral("You are about to install.  "), this))
{
    addContinueCancel();
    frameBanner->setObjectName(QStringLiteral("frameBanner"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Image1->setObjectName(QStringLiteral("Image1"));
    lblWizzard->setObjectName(QStringLiteral("lblWizzard"));
    lblMain->setObjectName(QStringLiteral("lblMain"));
    buildBanner();
    layOutPage();

    Globals &globals = session.globals;
    lblMain->setText(QStringLiteral("You are about to install ") + QString::fromLatin1(ProductName));
    globals.SupportFolder = Paths::join(session.installerFolder, "Support");
    globals.WaitTimer = std::make_unique<clsWaitableTimer>(session.waitPlatform);
    globals.InstallList = {std::string()};

    connect(cmdContinue, &QPushButton::clicked, this, &frmFirst::continueToOptions);
}

void frmFirst::buildBanner()
{
    paintWindow(*frameBanner, QColor(64, 64, 64), QColor(128, 255, 128));
    QFont font = Label1->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    Label1->setFont(font);
    auto *banner = new QHBoxLayout(frameBanner);
    banner->setContentsMargins(18, 14, 18, 14);
    banner->addWidget(Label1);
}

void frmFirst::layOutPage()
{
    Image1->setPixmap(InstallerArtwork(112, devicePixelRatioF()));
    Image1->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    QFont mainFont = lblMain->font();
    mainFont.setPointSizeF(mainFont.pointSizeF() * 1.25);
    mainFont.setBold(true);
    lblMain->setFont(mainFont);
    lblWizzard->setWordWrap(true);

    auto *words = new QVBoxLayout;
    words->setSpacing(12);
    words->addWidget(lblMain);
    words->addWidget(lblWizzard);
    words->addStretch();
    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(24, 24, 24, 12);
    middle->setSpacing(24);
    middle->addWidget(Image1);
    middle->addLayout(words, 1);

    QHBoxLayout *buttons = newButtonRow();
    buttons->setContentsMargins(24, 0, 24, 20);
    buttons->setSpacing(8);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(frameBanner);
    page->addLayout(middle, 1);
    page->addLayout(buttons);
    setFixedSize(WizardPageSize);
    centreOnScreen();
}

void frmFirst::LoadSystemFolders()
{
    setup::LoadSystemFolders(session().globals, session().desktop);
}

bool frmFirst::EnsureFileSystemObject()
{
    return setup::EnsureFileSystemObject(session().globals, session().desktop, session().components);
}

void frmFirst::EnsureInstallerRequirements()
{
    setup::EnsureInstallerRequirements(session().globals, session().desktop, session().components);
}

void frmFirst::continueToOptions()
{
    // Moving on leaves this page; a failed check has told the user why, and Setup ends.
    runContinue([this] {
        LoadSystemFolders();
        if (!EnsureFileSystemObject())
            return true;
        EnsureInstallerRequirements();
        if (TestWriteRights(session().desktop, session().installerFolder)) {
            auto *options = new frmSecond(session());
            options->setAttribute(Qt::WA_DeleteOnClose);
            options->move(pos());
            options->show();
        }
        return true;
    });
}

} // namespace setup
