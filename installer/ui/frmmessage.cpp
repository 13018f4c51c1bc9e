#include "installer/ui/frmmessage.h"

#include "desktop/qtext.h"
#include "desktop/qtwidgetext.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace setup {

namespace {

const QColor completeGround(0, 255, 0);
const QColor incompleteGround(255, 176, 64);

} // namespace

frmMessage::frmMessage(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), Picture1(new QFrame(this)),
      Label1(new QLabel(QStringLiteral("Installation Complete"), Picture1)), Timer1(new QTimer(this)),
      cmdOK(new QPushButton(QStringLiteral("OK"), this))
{
    setObjectName(QStringLiteral("frmMessage"));
    setWindowTitle(QStringLiteral("Complete..."));
    setModal(true);
    paintWindow(*this, QColor(224, 224, 224), Qt::black);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->hide();
    Timer1->setSingleShot(true);
    Timer1->setInterval(m_interval);

    paintWindow(*Picture1, Qt::black, Qt::black);
    paintWindow(*Label1, completeGround, Qt::black);
    QFont font(QStringLiteral("Garamond"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(20);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setMargin(12);

    auto *panel = new QVBoxLayout(Picture1);
    panel->setContentsMargins(6, 6, 6, 6);
    panel->addWidget(Label1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->addWidget(Picture1);
    layout->addWidget(cmdOK, 0, Qt::AlignHCenter);
    // The window takes the size of its message, which wraps at a fixed width.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    fitLabel();

    connect(Timer1, &QTimer::timeout, this, &QDialog::accept);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void frmMessage::setMessage(const CompletionMessage &message)
{
    setWindowTitle(toQt(message.caption));
    QString text = toQt(message.text);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    Label1->setText(text);
    if (!message.complete) {
        // A list of names is read, not glanced at: a smaller face and more time.
        QFont font = Label1->font();
        font.setPointSize(13);
        Label1->setFont(font);
    }
    paintWindow(*Label1, message.complete ? completeGround : incompleteGround, Qt::black);
    m_interval = message.closeAfter;
    Timer1->setInterval(std::max(m_interval, 0));
    cmdOK->setVisible(m_interval <= 0);
    cmdOK->setDefault(m_interval <= 0);
    fitLabel();
}

void frmMessage::fitLabel()
{
    Label1->setFixedSize(LabelWidth, Label1->heightForWidth(LabelWidth));
    adjustSize();
}

void frmMessage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    if (m_interval > 0)
        Timer1->start(m_interval);
    QApplication::beep();
}

void frmMessage::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    // A message that stays is closed with its button, not by a stray click.
    if (m_interval > 0)
        accept();
}

} // namespace setup
