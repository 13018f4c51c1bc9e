#include "toolbar/names/frmspotdetails.h"

#include "desktop/qtext.h"
#include "desktop/qtwidgetext.h"
#include "toolbar/core/naming.h"
#include "toolbar/names/selectallonfocus.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace toolbar {

namespace {
// The window's inner area and the panel inside it, in twips. The panel sits 50 twips in
// from the left and top edges, leaving a strip of the window's colour all around.
constexpr int WindowWidth = 2655;
constexpr int WindowHeight = 1695;
constexpr int PanelWidth = 2535;
constexpr int PanelHeight = 1575;
constexpr int PanelOffset = 50;
} // namespace

frmSpotDetails::frmSpotDetails(AppContext &app, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_app(app),
      Picture1(new QFrame(this)), m_lblBaseName(new QLabel(QStringLiteral("Base Name:"), Picture1)),
      txtBaseName(new QLineEdit(Picture1)), m_lblNumber(new QLabel(QStringLiteral("Current Number:"), Picture1)),
      txtNumber(new QLineEdit(Picture1)), cmdOK(new QPushButton(QStringLiteral("OK"), Picture1)),
      cmdCancel(new QPushButton(QStringLiteral("Close"), Picture1))
{
    setObjectName(QStringLiteral("frmSpotDetails"));
    setWindowTitle(QStringLiteral("Name Details"));
    setAttribute(Qt::WA_DeleteOnClose);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    txtBaseName->setObjectName(QStringLiteral("txtBaseName"));
    txtNumber->setObjectName(QStringLiteral("txtNumber"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    SelectAllOnFocus::install(txtBaseName);
    SelectAllOnFocus::install(txtNumber);
    buildLayout();

    connect(cmdOK, &QPushButton::clicked, this, &frmSpotDetails::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(txtBaseName, &QLineEdit::returnPressed, this, &frmSpotDetails::cmdOK_Click);
    connect(txtNumber, &QLineEdit::returnPressed, this, &frmSpotDetails::cmdOK_Click);
    // The toolbar places the window by its size before it is first shown.
    adjustSize();
}

void frmSpotDetails::buildLayout()
{
    Picture1->setAutoFillBackground(true);
    Picture1->setFrameShape(QFrame::NoFrame);
    // Presses on the panel and its controls must not reach the window: only the strip drags.
    Picture1->setAttribute(Qt::WA_NoMousePropagation);
    m_lblBaseName->setBuddy(txtBaseName);
    m_lblNumber->setBuddy(txtNumber);
    txtNumber->setMaximumWidth(txtNumber->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto *grid = new QGridLayout(Picture1);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(m_lblBaseName, 0, 0, 1, 2);
    grid->addWidget(txtBaseName, 1, 0, 1, 2);
    grid->addWidget(m_lblNumber, 2, 0);
    grid->addWidget(txtNumber, 2, 1);
    grid->setRowMinimumHeight(3, 4);
    grid->addLayout(buttons, 4, 0, 1, 2);
    Picture1->setMinimumSize(twipsToPixels(*this, PanelWidth), twipsToPixels(*this, PanelHeight));

    auto *outer = new QHBoxLayout(this);
    const int near = twipsToPixels(*this, PanelOffset);
    const int far = std::max(near, twipsToPixels(*this, WindowWidth - PanelWidth - PanelOffset));
    outer->setContentsMargins(near, near, far, far);
    outer->addWidget(Picture1);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumSize(twipsToPixels(*this, WindowWidth), twipsToPixels(*this, WindowHeight));
}

frmSpotDetails *frmSpotDetails::load(QPointer<frmSpotDetails> &shared, AppContext &app, std::int32_t spotPosition,
                                     QWidget *parent)
{
    if (!shared)
        shared = new frmSpotDetails(app, parent);
    shared->TakeInDetails(spotPosition);
    return shared;
}

void frmSpotDetails::TakeInDetails(std::int32_t m_ArrayIndex)
{
    m_SpotPosition = m_ArrayIndex;
    m_target = TargetSpot(m_app.globals, m_SpotPosition);
    const auto &spots = m_app.globals.DropSpots;
    const bool inList = m_SpotPosition >= 0 && static_cast<std::size_t>(m_SpotPosition) < spots.size();
    const DropSpot spot = inList ? spots[static_cast<std::size_t>(m_SpotPosition)] : DropSpot{};
    txtBaseName->setText(toQt(spot.BaseName));
    txtNumber->setText(toQt(spot.SequenceNumber));
    if (txtBaseName->hasFocus())
        txtBaseName->selectAll();
}

void frmSpotDetails::cmdOK_Click()
{
    const std::string name = TrimSpaces(fromQt(txtBaseName->text()));
    if (const std::string problem = BaseNameProblem(name); !problem.empty()) {
        m_app.desktop.messages.showMessage(problem);
        txtBaseName->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::string number = NormalisedNumber(fromQt(txtNumber->text()));
    txtNumber->setText(toQt(number));
    txtBaseName->setText(toQt(name));
    if (ApplySpotDetails(m_app, m_target, name, number) == DetailsOutcome::SpotsChanged)
        m_app.desktop.messages.showMessage(SpotsChangedMessage);
    close();
}

void frmSpotDetails::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        txtBaseName->setFocus(Qt::ActiveWindowFocusReason);
}

void frmSpotDetails::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    raise();
    activateWindow();
}

void frmSpotDetails::paintEvent(QPaintEvent *)
{
    // The strip around the panel shows the colour of an active title bar.
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
}

void frmSpotDetails::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void frmSpotDetails::mousePressEvent(QMouseEvent *event)
{
    m_GrabX = toTwips(event->position().x());
    m_GrabY = toTwips(event->position().y());
    m_Dragging = true;
    event->accept();
}

void frmSpotDetails::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_Dragging)
        return;
    const int dx = toTwips(event->position().x()) - m_GrabX;
    const int dy = toTwips(event->position().y()) - m_GrabY;
    move(x() + twipsToPixels(*this, dx), y() + twipsToPixels(*this, dy));
}

void frmSpotDetails::mouseReleaseEvent(QMouseEvent *event)
{
    m_Dragging = false;
    event->accept();
}

int frmSpotDetails::toTwips(double pixels) const
{
    return static_cast<int>(std::lround(PixelsToTwips(pixels, logicalDpiX())));
}

} // namespace toolbar
