#include "installer/ui/setuppage.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include <vector>

namespace {

// Holds a page busy while its Continue sequence runs. Both the flag and the buttons are
// restored when the sequence ends, the buttons only should they still exist then.
class PageBusy
{
public:
    PageBusy(bool &busy, const std::vector<QPushButton *> &buttons) : m_busy(busy)
    {
        m_busy = true;
        for (QPushButton *button : buttons) {
            if (button->isEnabled()) {
                m_buttons.emplace_back(button);
                button->setEnabled(false);
            }
        }
    }
    ~PageBusy()
    {
        m_busy = false;
        for (const QPointer<QPushButton> &button : m_buttons)
            if (button)
                button->setEnabled(true);
    }
    PageBusy(const PageBusy &) = delete;
    PageBusy &operator=(const PageBusy &) = delete;

private:
    bool &m_busy;
    std::vector<QPointer<QPushButton>> m_buttons;
};

} // namespace

SetupPage::SetupPage(SetupSession &session, const char *name, const char *caption, QWidget *parent)
    : SetupPage(name, caption, parent, {}, &session.pageShown)
{}

SetupPage::SetupPage(const char *name, const char *caption, QWidget *parent, Qt::WindowFlags flags)
    : SetupPage(name, caption, parent, flags, nullptr)
{}

SetupPage::SetupPage(const char *name, const char *caption, QWidget *parent, Qt::WindowFlags flags,
                     const std::function<void(QWidget *)> *pageShown)
    : QWidget(parent, flags), m_pageShown(pageShown)
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

QHBoxLayout *SetupPage::newButtonRow() const
{
    for (QPushButton *button : {cmdContinue, cmdCancel})
        button->setMinimumWidth(100);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdContinue);
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
    bool leave = false;
    {
        std::vector<QPushButton *> buttons{cmdContinue, cmdCancel};
        buttons.insert(buttons.end(), alsoDisabled);
        PageBusy busy(m_busy, buttons);
        leave = sequence();
    }
    if (leave)
        close();
    return leave;
}

void SetupPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_pageShown && *m_pageShown)
        (*m_pageShown)(this);
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
