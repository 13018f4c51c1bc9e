#include "toolbar/help/frmabout.h"

#include "desktop/qtwidgetext.h"
#include "desktop/shellprocedures.h"
#include "toolbar/help/aboutbanner.h"
#include "toolbar/help/helpmetrics.h"
#include "toolbar/help/tallowmere.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

namespace toolbar {

namespace {
const QColor Background(64, 64, 64);
const QColor CaptionGreen(0, 255, 0);
const QColor LinkBlue(128, 128, 255);
const QColor HoverWhite(255, 255, 255);

QColor foreColor(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

void setForeColor(QLabel *label, const QColor &color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QString hardVersion()
{
    return QStringLiteral("%1.%2.%3").arg(STOWLET_VERSION_MAJOR).arg(STOWLET_VERSION_MINOR).arg(STOWLET_VERSION_PATCH);
}
} // namespace

frmAbout::frmAbout(Shell &shell, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint),
      m_shell(shell)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(twipsToPixels(*this, 6105), twipsToPixels(*this, 6600));
    paintWindow(*this, Background, CaptionGreen);
    setFont(palatinoFont(12, true));
    // Mouse moves over the bare window put the links back to their normal colour.
    setMouseTracking(true);

    buildCaptions();
    buildLinks();
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twipsRect(this, 2350, 5800, 1455, 495));
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    setWindowTitle(QStringLiteral("About %1...").arg(QString::fromLocal8Bit(ProgramTitle)));
    setVersions();
    m_NormalLinkColor = foreColor(lblWebsite);
}

frmAbout::~frmAbout() = default;

void frmAbout::showModal(Shell &shell, QWidget *owner)
{
    frmAbout about(shell, owner);
    // The toolbar that owns it is a small strip at a screen edge: centre on its screen instead.
    if (const QScreen *screen = owner ? owner->screen() : nullptr)
        about.move(screen->availableGeometry().center() - about.rect().center());
    about.exec();
}

QLabel *frmAbout::addLabel(const char *name, const QString &caption, const QRect &place)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    return label;
}

void frmAbout::buildCaptions()
{
    Image1 = addLabel("Image1", QString(), twipsRect(this, 480, 240, 5010, 795));
    Image1->setScaledContents(true);
    Image1->setPixmap(aboutBanner(Image1->size(), devicePixelRatioF()));

    addLabel("Label1", tr("Tallowmere Software"), twipsRect(this, 165, 1080, 5655, 495))->setAlignment(Qt::AlignCenter);
    // The captions of the three version rows end just before their values start.
    const auto rowCaption = [this](const char *name, const QString &caption, double top) {
        addLabel(name, caption, twipsRect(this, 120, top, 1950, 375))->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    };
    rowCaption("Label2", tr("Program Title:"), 1800);
    lblAppName = addLabel("lblAppName", QStringLiteral("SampleApp"), twipsRect(this, 2160, 1800, 3800, 375));
    rowCaption("Label3", tr("Virtual Version:"), 2280);
    lblVirtualVersion = addLabel("lblVirtualVersion", QString(), twipsRect(this, 2160, 2280, 3800, 375));
    rowCaption("Label5", tr("Hard Version:"), 2760);
    lblHardVersion = addLabel("lblHardVersion", QString(), twipsRect(this, 2160, 2760, 3800, 375));
    addLabel("Label7", tr("Tallowmere Website:"), twipsRect(this, 480, 3960, 5400, 375));
    addLabel("Label9", tr("Questions, Comments, Tech Support:"), twipsRect(this, 480, 4800, 5400, 375));
}

QLabel *frmAbout::addLink(const char *name, const QString &address, const QRect &place)
{
    QLabel *link = addLabel(name, address, place);
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    setForeColor(link, LinkBlue);
    link->setCursor(Qt::PointingHandCursor);
    link->setMouseTracking(true);
    link->installEventFilter(this);
    return link;
}

void frmAbout::buildLinks()
{
    lblWebsite = addLink("lblWebsite", QString::fromLatin1(TallowmereWebsite), twipsRect(this, 1320, 4320, 4665, 375));
    lblEmail = addLink("lblEmail", QString::fromLatin1(TallowmereSupportEmail), twipsRect(this, 1320, 5160, 4665, 375));
}

void frmAbout::setVersions()
{
    lblAppName->setText(QString::fromLocal8Bit(ProgramTitle));
    lblVirtualVersion->setText(QStringLiteral("1.0"));
    lblHardVersion->setText(hardVersion());
}

void frmAbout::OpenInternet(const std::string &address, WindowStyle showMode)
{
    m_shell.openUrl(address, showMode);
}

void frmAbout::openWebsite()
{
    OpenInternet(TallowmereWebsite, WindowStyle::Normal);
}

void frmAbout::openMail()
{
    m_shell.openUrl(std::string("mailto:") + TallowmereSupportEmail + "?subject=" + ProgramTitle, WindowStyle::Normal);
}

// Recolouring only on a real change keeps mouse moves from repainting the labels over and over.
void frmAbout::showHover(QLabel *link)
{
    if (foreColor(link) != HoverWhite)
        setForeColor(link, HoverWhite);
}

void frmAbout::restoreLink(QLabel *link)
{
    if (foreColor(link) != m_NormalLinkColor)
        setForeColor(link, m_NormalLinkColor);
}

void frmAbout::mouseMoveEvent(QMouseEvent *event)
{
    restoreLink(lblEmail);
    restoreLink(lblWebsite);
    QDialog::mouseMoveEvent(event);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    auto *link = qobject_cast<QLabel *>(watched);
    if (link != lblWebsite && link != lblEmail)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        showHover(link);
        // Handled here: the window underneath must not take it for a move over its background.
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // A click is a press and release over the same label.
        if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint()))
            link == lblWebsite ? openWebsite() : openMail();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace toolbar
