#include "frmfirst.h"

#include "appfunctions.h"
#include "frmsecond.h"
#include "installerartwork.h"
#include "pagebusy.h"
#include "paths.h"
#include "qtext.h"
#include "qtwidgetext.h"
#include "wizardsteps.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

frmFirst::frmFirst(SetupSession &session, QWidget *parent)
    : QWidget(parent), frameBanner(new QFrame(this)),
      Label1(new QLabel(QStringLiteral("Install Powered By Tallowmere Software"), frameBanner)),
      Image1(new QLabel(this)),
      lblWizzard(new QLabel(QStringLiteral("This wizzard will guide you through the installation."), this)),
      lblMain(new QLabel(QStringLiteral("You are about to install.  "), this)),
      cmdContinue(new QPushButton(QStringLiteral("Continue >"), this)),
      cmdCancel(new QPushButton(QStringLiteral("Cancel"), this)), m_session(session)
{
    setObjectName(QStringLiteral("frmFirst"));
    setWindowTitle(QStringLiteral("Tallowmere Installer"));
    frameBanner->setObjectName(QStringLiteral("frameBanner"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Image1->setObjectName(QStringLiteral("Image1"));
    lblWizzard->setObjectName(QStringLiteral("lblWizzard"));
    lblMain->setObjectName(QStringLiteral("lblMain"));
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    buildBanner();
    layOutPage();

    Globals &globals = m_session.globals;
    lblMain->setText(QStringLiteral("You are about to install ") + QString::fromLatin1(ProductName));
    globals.SupportFolder = Paths::join(m_session.installerFolder, "Support");
    globals.WaitTimer = std::make_unique<clsWaitableTimer>(m_session.waitPlatform);
    globals.InstallList = {std::string()};

    connect(cmdContinue, &QPushButton::clicked, this, &frmFirst::continueToOptions);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
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
    cmdContinue->setDefault(true);
    for (QPushButton *button : {cmdContinue, cmdCancel})
        button->setMinimumWidth(100);

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

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(24, 0, 24, 20);
    buttons->setSpacing(8);
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdContinue);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(frameBanner);
    page->addLayout(middle, 1);
    page->addLayout(buttons);
    setFixedSize(560, 310);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmFirst::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_session.pageShown)
        m_session.pageShown(this);
}

void frmFirst::LoadSystemFolders()
{
    ::LoadSystemFolders(m_session.globals, m_session.desktop);
}

bool frmFirst::EnsureFileSystemObject()
{
    return ::EnsureFileSystemObject(m_session.globals, m_session.desktop, m_session.components);
}

void frmFirst::EnsureInstallerRequirements()
{
    ::EnsureInstallerRequirements(m_session.globals, m_session.desktop, m_session.components);
}

void frmFirst::continueToOptions()
{
    if (m_busy)
        return;
    bool ready = false;
    {
        PageBusy busy(m_busy, {cmdContinue, cmdCancel});
        LoadSystemFolders();
        ready = EnsureFileSystemObject();
        if (ready) {
            EnsureInstallerRequirements();
            ready = TestWriteRights(m_session.desktop, m_session.installerFolder);
        }
        if (ready) {
            auto *options = new frmSecond(m_session);
            options->setAttribute(Qt::WA_DeleteOnClose);
            options->move(pos());
            options->show();
        }
    }
    // Moving on leaves this page; a failed check has told the user why, and Setup ends.
    close();
}

void frmFirst::closeEvent(QCloseEvent *event)
{
    if (m_busy)
        event->ignore();
    else
        QWidget::closeEvent(event);
}
