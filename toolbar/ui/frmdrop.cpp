#include "toolbar/ui/frmdrop.h"

#include "desktop/paths.h"
#include "desktop/qtext.h"
#include "desktop/shellprocedures.h"
#include "toolbar/core/conversions.h"
#include "toolbar/core/dropflow.h"
#include "toolbar/core/naming.h"
#include "toolbar/core/toolbarposition.h"
#include "toolbar/spots/spotcolor.h"
#include "toolbar/ui/dialoghost.h"
#include "toolbar/ui/dropreader.h"
#include "toolbar/ui/popupmenu.h"
#include "toolbar/ui/spotsquare.h"
#include "toolbar/ui/toolbarcaption.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace toolbar {

namespace {
// A spot whose colour text is unreadable paints black.
QColor spotColor(const std::string &text)
{
    return colorFromText(text, 0);
}
} // namespace

frmDrop::frmDrop(AppContext &app, DialogHost &dialogs)
    : m_app(app), m_dialogs(dialogs), mnuPopUp(nullptr), m_drops(app, Downloader::installed())
{
    setObjectName(QStringLiteral("frmDrop"));
    // A small caption bar with a close box only; the size is fixed below.
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    // A tool window does not keep the program running by default, but this one is the
    // program's main window: closing it ends the program unless another window is open.
    setAttribute(Qt::WA_QuitOnClose, true);
    // The folder shows on hover while another program (the browser the user drags
    // from) is the active one.
    setAttribute(Qt::WA_AlwaysShowToolTips, true);
    // A narrow toolbar may get no close box from the window manager; these keys close it
    // wherever the window manager does not.
    for (const QKeySequence &keys : {QKeySequence(Qt::ALT | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    m_caption = new ToolbarCaption(this);

    buildMenu();
    addSquare(0)->resize(TwipsToPixels(500, logicalDpiX()), TwipsToPixels(500, logicalDpiY()));
    placeAtLoad();
    LoadSpotsFromArray();
}

frmDrop::~frmDrop() = default;

void frmDrop::buildMenu()
{
    mnuPopUp = new PopUpMenu(this);
    connect(mnuPopUp->mnuNewBaseName, &QAction::triggered, this, [this] { newBaseNameOn(m_currentSquare); });
    connect(mnuPopUp->mnuNameDetails, &QAction::triggered, this, &frmDrop::openNameDetails);
    connect(mnuPopUp->mnuConfigureDropSpots, &QAction::triggered, this, [this] { m_dialogs.openConfigureDropSpots(); });
    connect(mnuPopUp->mnuOptions, &QAction::triggered, this, [this] { m_dialogs.openOptions(); });
    connect(mnuPopUp->mnuHelp, &QAction::triggered, this, [this] { m_dialogs.openHelp(); });
    connect(mnuPopUp->mnuAbout, &QAction::triggered, this, [this] { m_dialogs.openAbout(); });
    connect(mnuPopUp->mnuOpenFolder, &QAction::triggered, this, &frmDrop::openFolder);
    connect(mnuPopUp->mnuLastFileSaved, &QAction::triggered, this, &frmDrop::openLastFileSaved);
    connect(mnuPopUp->mnuCloseToolbar, &QAction::triggered, this, &QWidget::close);
}

SpotSquare *frmDrop::addSquare(int index)
{
    auto *square = new SpotSquare(index, this);
    connect(square, &SpotSquare::rightPressed, this, &frmDrop::showMenu);
    connect(square, &SpotSquare::doubleClicked, this, &frmDrop::newBaseNameOn);
    connect(square, &SpotSquare::dropped, this, &frmDrop::dropOn);
    picSpot.push_back(square);
    return square;
}

// ---- Layout ----------------------------------------------------------------------

void frmDrop::LoadSpotsFromArray()
{
    const Globals &g = m_app.globals;
    // Square 0 stays; the others go. A square may be in the middle of one of its own
    // events (a question asked during a double-click), so it is deleted once that is over.
    while (picSpot.size() > 1) {
        SpotSquare *square = picSpot.back();
        picSpot.pop_back();
        square->hide();
        square->setParent(nullptr);
        square->deleteLater();
    }
    m_layout = LayoutToolbar(g.DropSpots.size(), g.options.SpotSize, g.options.VerticalToolbar);
    for (std::size_t i = 0; i < m_layout.squares.size(); ++i) {
        SpotSquare *square = i < picSpot.size() ? picSpot[i] : addSquare(static_cast<int>(i));
        square->setGeometry(squareRect(m_layout.squares[i]));
        if (i < g.DropSpots.size()) {
            DropSpot &spot = m_app.globals.DropSpots[i];
            square->setColor(spotColor(spot.Color));
            square->setTag(toQt(spot.FolderPath));
            square->setToolTip(toQt(spot.FolderPath));
            spot.SpotIndex = static_cast<std::int32_t>(i);
        }
        square->show();
    }
    applyWindowSize();
}

QRect frmDrop::squareRect(const TwipsRect &square) const
{
    // Every square gets the same whole number of pixels, so that they still touch
    // and look alike where a side in twips is no whole number of pixels.
    const int side = std::max(1, TwipsToPixels(m_layout.squares.front().width, logicalDpiX()));
    const int step = std::max<std::int32_t>(1, square.width);
    const int column = (square.left - SquaresLeft) / step;
    const int row = square.top / step;
    return QRect(TwipsToPixels(SquaresLeft, logicalDpiX()) + column * side, row * side, side, side);
}

QSize frmDrop::outerSizePixels() const
{
    return QSize(TwipsToPixels(m_layout.windowWidth, logicalDpiX()),
                 TwipsToPixels(m_layout.windowHeight, logicalDpiY()));
}

void frmDrop::applyWindowSize()
{
    m_frameSize = frameGeometry().size() - geometry().size();
    QRect squares;
    for (const SpotSquare *square : picSpot)
        squares |= square->geometry();
    // The sizes allow for a frame and caption bar of usual sizes. Larger ones must not
    // hide the squares, and smaller ones (the window manager draws them in device pixels,
    // so at a scale of 2 they are half as large) must leave no empty band below them.
    const QSize outer = outerSizePixels() - m_frameSize;
    setFixedSize(std::max(outer.width(), squares.right() + 1), squares.bottom() + 1);
}

void frmDrop::keepSizeWithFrame()
{
    // The window manager tells the frame's size only once the window is shown, and
    // may change it later (a new theme): the outer size is kept all the same.
    if (frameGeometry().size() - geometry().size() != m_frameSize)
        applyWindowSize();
}

bool frmDrop::IsCurrentlyVertical() const
{
    return m_layout.vertical;
}

int frmDrop::CurrentlySpotSize() const
{
    return m_layout.squares.front().width;
}

// ---- Caption ---------------------------------------------------------------------

QString frmDrop::caption() const
{
    return m_caption->text();
}

bool frmDrop::captionFits(const QString &text) const
{
    return m_caption->fits(text);
}

void frmDrop::FlashCaption(const QString &message)
{
    m_caption->flash(message);
}

void frmDrop::flashCaption(const std::string &message)
{
    m_caption->flash(toQt(message));
}

void frmDrop::showProgress(int done, int total)
{
    m_caption->showProgress(done, total);
}

// ---- Always on top -----------------------------------------------------------------

void frmDrop::raiseAboveOthers()
{
    raise();
    // The dialogs and message boxes the toolbar opened stay above it: they are the
    // program's other always-on-top windows.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        if (window != this && window->isVisible() && window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
            type != Qt::ToolTip && type != Qt::Popup)
            window->raise();
    }
}

void frmDrop::RefreshAlwaysOnTop()
{
    raiseAboveOthers();
    activateWindow();
    m_app.desktop.pump.yieldTimes(3);
}

void frmDrop::refreshAlwaysOnTop()
{
    RefreshAlwaysOnTop();
}

void frmDrop::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        raiseAboveOthers();
    // The toolbar has no taskbar entry to come back from: a window manager that minimises
    // it all the same (some ignore the missing minimise box) gets it back at once.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            show();
        });
    QWidget::changeEvent(event);
}

// ---- Position ----------------------------------------------------------------------

QSize frmDrop::screenExtentTwips() const
{
    // The far edges of the whole desktop, so that a toolbar left on a second screen
    // stays there.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect(0, 0, 640, 480);
    return QSize(int(PixelsToTwips(desktop.x() + desktop.width(), logicalDpiX())),
                 int(PixelsToTwips(desktop.y() + desktop.height(), logicalDpiY())));
}

void frmDrop::placeAtLoad()
{
    ToolbarPosition place;
    if (m_app.globals.options.RememberLocation) {
        const QSize screen = screenExtentTwips();
        place = KeepOnScreen(ReadToolbarPosition(m_app.desktop.settings), screen.width(), screen.height());
    }
    // A window's position is that of its frame.
    move(TwipsToPixels(place.left, logicalDpiX()), TwipsToPixels(place.top, logicalDpiY()));
}

void frmDrop::saveLocation()
{
    if (!m_app.globals.options.RememberLocation)
        return;
    const bool saved = WriteToolbarPosition(
        m_app.desktop.settings, {PixelsToTwips(pos().y(), logicalDpiY()), PixelsToTwips(pos().x(), logicalDpiX())});
    // The user expects the toolbar back where it was: say so when that cannot be kept.
    if (!saved)
        m_app.desktop.messages.showMessage(ToolbarLocationNotSavedMessage);
}

void frmDrop::closeEvent(QCloseEvent *event)
{
    saveLocation();
    QWidget::closeEvent(event);
}

void frmDrop::hideEvent(QHideEvent *event)
{
    m_caption->hideLabel();
    QWidget::hideEvent(event);
}

void frmDrop::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    keepSizeWithFrame();
}

void frmDrop::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    keepSizeWithFrame();
    m_caption->followToolbar();
}

void frmDrop::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    keepSizeWithFrame();
}

// ---- Squares and menu commands -------------------------------------------------------

QString frmDrop::squareFolder(int square) const
{
    if (square < 0 || static_cast<std::size_t>(square) >= picSpot.size())
        return QString();
    return picSpot[static_cast<std::size_t>(square)]->tag();
}

void frmDrop::showMenu(int square, const QPoint &globalPos)
{
    m_currentSquare = square;
    const Globals &g = m_app.globals;
    const auto p = static_cast<std::size_t>(FindSpotBySquare(g, square));
    mnuPopUp->setLastFileSaved(p < g.DropSpots.size() ? toQt(g.DropSpots[p].LastFileSaved) : QString());
    mnuPopUp->popup(globalPos);
}

void frmDrop::newBaseNameOn(int square)
{
    m_currentSquare = square;
    NewBaseNameCommand(m_app, square);
}

void frmDrop::dropOn(int square, const QMimeData &data)
{
    m_currentSquare = square;
    const std::string folder = fromQt(squareFolder(square));
    DropPayload payload = readDrop(data, folder);
    // Saving may ask questions and download. Doing it once the drop is over lets the drag
    // source finish its drag instead of waiting for the answers.
    QTimer::singleShot(0, this, [this, square, folder, payload = std::move(payload)]() mutable {
        m_drops.add(square, folder, std::move(payload));
    });
}

void frmDrop::openNameDetails()
{
    QWidget *dialog = m_dialogs.nameDetails(FindSpotBySquare(m_app.globals, m_currentSquare));
    if (!dialog)
        return;
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    const QRect self = frameGeometry();
    const QRect other = dialog->frameGeometry();
    const QRect screenArea = screen() ? screen()->geometry() : QRect(0, 0, 640, 480);
    const TwipsRect toolbar{int(PixelsToTwips(self.x(), dpiX)), int(PixelsToTwips(self.y(), dpiY)),
                            int(PixelsToTwips(self.width(), dpiX)), int(PixelsToTwips(self.height(), dpiY))};
    const TwipsPoint place = PlaceBesideToolbar(
        toolbar, int(PixelsToTwips(other.width(), dpiX)), int(PixelsToTwips(other.height(), dpiY)),
        int(PixelsToTwips(screenArea.right() + 1, dpiX)), int(PixelsToTwips(screenArea.bottom() + 1, dpiY)));
    dialog->move(TwipsToPixels(place.left, dpiX), TwipsToPixels(place.top, dpiY));
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void frmDrop::openFolder()
{
    OpenWithShell(m_app.desktop, fromQt(squareFolder(m_currentSquare)));
}

void frmDrop::openLastFileSaved()
{
    const QString name = mnuPopUp->lastFileSaved();
    if (name.isEmpty())
        return;
    OpenWithShell(m_app.desktop, Paths::join(fromQt(squareFolder(m_currentSquare)), fromQt(name)));
}

} // namespace toolbar
