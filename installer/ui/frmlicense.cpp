#include "installer/ui/frmlicense.h"

#include "desktop/qtext.h"
#include "desktop/qtwidgetext.h"
#include "installer/core/licenseagreement.h"
#include "installer/ui/frmfirst.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

namespace setup {

namespace {

// Where the designer put the controls that the resize rule does not move, in twips.
constexpr int TopLabelLeft = 120;
constexpr int TopLabelTop = 150;
constexpr int LicenseLeft = 250;
constexpr int LicenseTop = 600;
constexpr int CheckLeftWidth = 3000;
constexpr int ButtonWidth = 1500;

} // namespace

frmLicense::frmLicense(SetupSession &session, QWidget *parent)
    : SetupPage(&session, "frmLicense", "End-User License", parent),
      lblTop(new QLabel(QStringLiteral("Please read the License Agreement before continuing..."), this)),
      txtLicense(new QPlainTextEdit(this)),
      chkAccept(new QCheckBox(QStringLiteral("I have read and accept all parts of the license agreement."), this)),
      lblCheckLeft(new QLabel(this))
{
    addContinueCancel();
    lblTop->setObjectName(QStringLiteral("lblTop"));
    txtLicense->setObjectName(QStringLiteral("txtLicense"));
    chkAccept->setObjectName(QStringLiteral("chkAccept"));
    lblCheckLeft->setObjectName(QStringLiteral("lblCheckLeft"));

    QFont topFont = lblTop->font();
    topFont.setBold(true);
    lblTop->setFont(topFont);
    txtLicense->setReadOnly(true);
    txtLicense->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtLicense->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    cmdContinue->setVisible(false);

    // The agreement is built here, not read from a file; its lines end in CR LF, which
    // the text box shows as plain line breaks.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    txtLicense->setPlainText(
        toQt(LicenseAgreementText(ProductName)).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QGuiApplication::restoreOverrideCursor();

    const QSize checkSize = chkAccept->sizeHint();
    chkAccept->resize(checkSize);
    lblCheckLeft->resize(twipsToPixels(*this, CheckLeftWidth), checkSize.height());
    for (QPushButton *button : {cmdContinue, cmdCancel})
        button->resize(std::max(twipsToPixels(*this, ButtonWidth), button->sizeHint().width()),
                       button->sizeHint().height());
    lblTop->move(twipsToPixels(*this, TopLabelLeft), twipsToPixels(*this, TopLabelTop));
    txtLicense->move(twipsToPixels(*this, LicenseLeft), twipsToPixels(*this, LicenseTop));

    connect(chkAccept, &QCheckBox::toggled, cmdContinue, &QWidget::setVisible);
    connect(cmdContinue, &QPushButton::clicked, this, &frmLicense::continueToWelcome);
    placeOnScreen();
}

void frmLicense::placeOnScreen()
{
    // The whole width of the screen and all of its height but a sliver; the window's own
    // frame, where a window manager draws one, is inside that size.
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame =
        isVisible()
            ? QMargins(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                       frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom())
            : QMargins();
    resize(area.width() - frame.left() - frame.right(),
           area.height() - frame.top() - frame.bottom() - twipsToPixels(*this, 20));
    move(area.topLeft());
}

void frmLicense::showEvent(QShowEvent *event)
{
    SetupPage::showEvent(event);
    fitWithFrame();
}

void frmLicense::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    fitWithFrame();
}

void frmLicense::fitWithFrame()
{
    // A window manager frames the window some time after it is shown; once the frame is
    // known the window is fitted again, frame included.
    if (!m_framed && isVisible() && frameGeometry() != geometry()) {
        m_framed = true;
        placeOnScreen();
    }
}

void frmLicense::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOutControls();
}

void frmLicense::layOutControls()
{
    const auto px = [this](int twips) { return twipsToPixels(*this, twips); };
    const int w = width();
    const int h = height();
    // A placement that would give a control a negative size is skipped.
    if (w - px(100) - lblTop->x() > 0)
        lblTop->resize(w - px(100) - lblTop->x(), lblTop->sizeHint().height());
    if (w - px(500) > 0 && h - px(2500) > 0)
        txtLicense->resize(w - px(500), h - px(2500));
    chkAccept->move(w - chkAccept->width() - px(500), txtLicense->geometry().bottom() + 1 + px(100));
    cmdContinue->move(w - px(500) - cmdContinue->width(), chkAccept->geometry().bottom() + 1 + px(50));
    cmdCancel->move(cmdContinue->x() - cmdCancel->width() - px(200), cmdContinue->y());
    lblCheckLeft->setGeometry(chkAccept->x() - lblCheckLeft->width(), chkAccept->y(), lblCheckLeft->width(),
                              chkAccept->height());
}

void frmLicense::continueToWelcome()
{
    runContinue([this] {
        hide();
        session().desktop.pump.yieldTimes(3);
        auto *welcome = new frmFirst(session());
        welcome->setAttribute(Qt::WA_DeleteOnClose);
        welcome->show();
        return true;
    });
}

void frmLicense::leavePage()
{
    txtLicense->clear();
}

} // namespace setup
