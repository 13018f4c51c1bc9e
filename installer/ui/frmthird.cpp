#include "installer/ui/frmthird.h"

#include "desktop/qtext.h"
#include "desktop/qtwidgetext.h"
#include "installer/ui/frmmessage.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace setup {

frmThird::frmThird(Globals &globals, Desktop &desktop, SharedComponents &components, QWidget *parent)
    : SetupPage(nullptr, "frmThird", InstallerCaption, parent,
                Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      frameStatus(new QGroupBox(QStringLiteral("Status"), this)),
      lblStatus(new QLabel(QStringLiteral("Initalizing..."), frameStatus)),
      frameProgress(new QGroupBox(QStringLiteral("Progress"), this)), Picture1(nullptr), Picture2(nullptr),
      m_pump(desktop.pump), m_install{globals, desktop, components, *this}
{
    frameStatus->setObjectName(QStringLiteral("frameStatus"));
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    frameProgress->setObjectName(QStringLiteral("frameProgress"));

    auto *statusLayout = new QVBoxLayout(frameStatus);
    statusLayout->addWidget(lblStatus);
    buildProgressBar();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(frameStatus);
    layout->addWidget(frameProgress);
    setFixedSize(sizeHint());
    centreOnScreen();
}

void frmThird::buildProgressBar()
{
    // The track sits in a sunken well of its own, so that the cover, which is larger than
    // the track, never paints over the well's border.
    auto *well = new QFrame(frameProgress);
    well->setObjectName(QStringLiteral("trackWell"));
    well->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    well->setLineWidth(1);
    Picture1 = new QWidget(well);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(twipsToPixels(*this, TrackWidth), twipsToPixels(*this, TrackHeight));
    paintWindow(*Picture1, QColor(128, 255, 128));
    Picture2 = new QWidget(Picture1);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setGeometry(0, 0, twipsToPixels(*this, CoverWidth), twipsToPixels(*this, CoverHeight));
    paintWindow(*Picture2, palette().color(QPalette::Window));

    auto *wellLayout = new QVBoxLayout(well);
    wellLayout->setContentsMargins(1, 1, 1, 1);
    wellLayout->addWidget(Picture1);
    auto *progressLayout = new QVBoxLayout(frameProgress);
    progressLayout->addWidget(well, 0, Qt::AlignHCenter);
}

void frmThird::Status(const std::string &m_Status)
{
    lblStatus->setText(toQt(m_Status));
    m_pump.yieldTimes(6);
}

void frmThird::ScrollBarPercent(std::int32_t m_Percent)
{
    m_percent = m_Percent;
    Picture2->move(twipsToPixels(*this, CoverLeft(TrackWidth, m_Percent)), 0);
    m_pump.yieldTimes(6);
}

std::int32_t frmThird::ScrollBarPercent() const
{
    return m_percent;
}

void frmThird::StartInstall()
{
    // There is no way to cancel an install half done: the window refuses to close until
    // the install closes it.
    setBusy(true);
    setup::StartInstall(m_install);
}

void frmThird::FormatAndCreateIcon(const std::string &m_TargetFolder, const std::string &m_LinkName,
                                   const std::string &m_SourceFileName, const std::string &m_Description,
                                   const std::string &m_IconName)
{
    setup::FormatAndCreateIcon(m_install, m_TargetFolder, m_LinkName, m_SourceFileName, m_Description, m_IconName);
}

void frmThird::FinishScrollingProgressBar()
{
    setup::FinishScrollingProgressBar(m_install);
}

void frmThird::showBusyPointer()
{
    setCursor(Qt::WaitCursor);
}

void frmThird::hideWindow()
{
    hide();
}

void frmThird::showCompletionMessage(const CompletionMessage &message)
{
    frmMessage box(this);
    box.setMessage(message);
    box.move(geometry().center() - box.rect().center());
    box.exec();
}

void frmThird::closeWindow()
{
    setBusy(false);
    unsetCursor();
    close();
    emit installFinished();
}

} // namespace setup
