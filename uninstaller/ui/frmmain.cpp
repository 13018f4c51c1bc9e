#include "uninstaller/ui/frmmain.h"

#include "desktop/paths.h"
#include "desktop/platformnames.h"
#include "desktop/qtext.h"
#include "desktop/twips.h"
#include "uninstaller/core/appfunctions.h"
#include "uninstaller/core/installlog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace uninstall {

namespace {
constexpr int ClientWidthTwips = 6615;
constexpr int ClientHeightTwips = 2685;
} // namespace

frmMain::frmMain(Globals &globals, Desktop &desktop, MessageWaitPlatform &waitPlatform, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), m_context{globals, desktop, waitPlatform, *this}
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Uninstall..."));
    buildControls();
    placeControls();
}

frmMain::~frmMain()
{
    setScreenBusy(false);
}

void frmMain::buildControls()
{
    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setAlignment(Qt::AlignCenter);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);

    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdCancel, &QPushButton::clicked, this, &frmMain::cmdCancel_Click);

    cmdContinue = new QPushButton(QStringLiteral("Continue"), this);
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    cmdContinue->setEnabled(false);
    connect(cmdContinue, &QPushButton::clicked, this, &frmMain::cmdContinue_Click);

    lblWorking = new QLabel(QStringLiteral("Working..."), this);
    lblWorking->setObjectName(QStringLiteral("lblWorking"));
    lblWorking->setAlignment(Qt::AlignCenter);
    lblWorking->hide();

    // Lies outside the client area: it takes the first focus, so that no button starts out
    // as the one a stray Enter would press.
    txtDummy = new QLineEdit(this);
    txtDummy->setObjectName(QStringLiteral("txtDummy"));
    setTabOrder(txtDummy, cmdCancel);
    setTabOrder(cmdCancel, cmdContinue);
}

int frmMain::twipsToPixelsX(int twips) const
{
    return TwipsToPixels(twips, logicalDpiX());
}

int frmMain::twipsToPixelsY(int twips) const
{
    return TwipsToPixels(twips, logicalDpiY());
}

QRect frmMain::twipsRect(int left, int top, int width, int height) const
{
    return {twipsToPixelsX(left), twipsToPixelsY(top), twipsToPixelsX(width), twipsToPixelsY(height)};
}

void frmMain::placeControls()
{
    setFixedSize(twipsToPixelsX(ClientWidthTwips), twipsToPixelsY(ClientHeightTwips));
    lblMessage->setGeometry(twipsRect(240, 360, 6015, 375));
    Image1->setGeometry(twipsRect(2880, 840, 720, 720));
    cmdCancel->setGeometry(twipsRect(1680, 1920, 1335, 495));
    cmdContinue->setGeometry(twipsRect(3480, 1920, 1335, 495));
    lblWorking->setGeometry(twipsRect(240, 2040, 6015, 375));
    txtDummy->setGeometry(twipsRect(8160, 720, 975, 285));
}

void frmMain::placeOnScreen()
{
    const QScreen *display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    const QRect area = display->geometry();
    move(area.x() + area.width() / 2 - width() / 2, area.y() + area.height() / 5);
}

// The skull beside the program; the copy in the temporary folder finds it where the log says
// the installation is. No picture file, no picture.
void frmMain::loadPicture()
{
    const std::string appFolder = Paths::parentFolder(m_context.desktop.shell.executablePath());
    const std::string iconName = PlatformNames::iconFileName("Skull");
    const std::string installFolder = InstallFolderFromLog(Paths::join(appFolder, UninstallerNames::InstallLogName));
    for (const std::string &folder : {appFolder, installFolder}) {
        QPixmap picture;
        if (folder.empty() || !picture.load(toQt(Paths::join(folder, iconName))))
            continue;
        const qreal ratio = devicePixelRatioF();
        picture = picture.scaled(Image1->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
        Image1->setPixmap(picture);
        return;
    }
}

bool frmMain::Load()
{
    placeOnScreen();
    loadPicture();
    show();
    txtDummy->setFocus();
    m_loaded = true;
    lblMessage->setText(QStringLiteral("This process will uninstall %1...").arg(UninstallerNames::ProductName));
    setCursor(Qt::WaitCursor);
    cmdContinue->setEnabled(false);
    m_context.desktop.pump.yield();

    if (LoadUninstaller(m_context) == LoadOutcome::EndProgram)
        return false;
    cmdContinue->setEnabled(true);
    unsetCursor();
    return true;
}

void frmMain::cmdContinue_Click()
{
    m_removing = true;
    ConfirmUninstall(m_context);
    emit programEnded();
}

void frmMain::cmdCancel_Click()
{
    close();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // Once the removal runs, only its own end closes the window: a half-done removal
    // would leave the installation neither there nor gone.
    if (m_removing && !m_unloading) {
        event->ignore();
        return;
    }
    setScreenBusy(false);
    m_loaded = false;
    event->accept();
    if (!m_removing) {
        // Cancel or the close box: the hand-over folder goes, the installation stays.
        AbandonUninstall(m_context);
        emit programEnded();
    }
}

bool frmMain::isFormLoaded(const std::string &name)
{
    const QString wanted = toQt(name);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName().compare(wanted, Qt::CaseInsensitive) == 0 && (window != this || m_loaded))
            return true;
    }
    return false;
}

void frmMain::showWorking()
{
    lblWorking->show();
    cmdContinue->hide();
    cmdCancel->hide();
}

void frmMain::setScreenBusy(bool busy)
{
    if (busy == m_screenBusy)
        return;
    m_screenBusy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void frmMain::hideForm()
{
    hide();
}

void frmMain::unloadForm()
{
    m_unloading = true;
    close();
    m_unloading = false;
}

std::int64_t frmMain::processId()
{
    return QCoreApplication::applicationPid();
}

} // namespace uninstall
