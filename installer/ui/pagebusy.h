#pragma once

#include <QPointer>
#include <QPushButton>

#include <initializer_list>
#include <vector>

/// Holds a page busy while its Continue sequence runs: the page's buttons are disabled,
/// so that a second click during the sequence's pump rounds starts nothing, and the
/// page's busy flag makes it refuse to close. Both are restored when the sequence ends,
/// should the page still be open then.
class PageBusy
{
public:
    PageBusy(bool &busy, std::initializer_list<QPushButton *> buttons) : m_busy(busy)
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
