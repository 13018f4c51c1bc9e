#include "installer/ui/setuppage.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <vector>

namespace setup {

SetupPage::SetupPage(SetupSession *session, const char *name, const char *caption, QWidget *parent,
                     Qt::WindowFlags flags)
    : QWidget(parent, flags), m_session(session)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromLatin1(caption));
}

void SetupPage::addContinueCancel()
{
    cmdContinue = new QPushButton(QStringLiteral("Continue >"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdContinue->setDefault(true);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
}

QHBoxLayout *newButtonRow(QPushButton *cancel, QPushButton *accept, int minimumWidth)
{
    for (QPushButton *button : {accept, cancel})
        button->setMinimumWidth(minimumWidth);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(accept);
    return buttons;
}

void SetupPage::centreOnScreen()
{
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

bool SetupPage::runContinue(const std::function<bool()> &sequence, std::initializer_list<QPushButton *> alsoDisabled)
{
    if (m_busy)
        return false;
    std::vector<QPushButton *> buttons{cmdContinue, cmdCancel};
    buttons.insert(buttons.end(), alsoDisabled);
    std::vector<QPointer<QPushButton>> disabled;
    for (QPushButton *button : buttons) {
        if (button->isEnabled()) {
            disabled.emplace_back(button);
            button->setEnabled(false);
        }
    }
    m_busy = true;
    const bool leave = sequence();
    m_busy = false;
    // Guarded pointers: a button deleted during the sequence is not touched again.
    for (const QPointer<QPushButton> &button : disabled)
        if (button)
            button->setEnabled(true);
    if (leave)
        close();
    return leave;
}

void SetupPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_session && m_session->pageShown)
        m_session->pageShown(this);
}

void SetupPage::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    leavePage();
    QWidget::closeEvent(event);
}

} // namespace setup
