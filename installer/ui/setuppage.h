#pragma once

#include "installer/ui/setupsession.h"

#include <QSize>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QHBoxLayout;
class QPushButton;

namespace setup {

/// A row with Cancel and then the accepting button at its right end, both at least the
/// given width, as Setup's pages and its folder picker lay them out.
QHBoxLayout *newButtonRow(QPushButton *cancel, QPushButton *accept, int minimumWidth);

/// What the pages of Setup have in common: their name and caption, the Continue and
/// Cancel buttons of the wizard pages (Cancel and the close box both close the page), the
/// busy state in which a page refuses to close, and the telling of the session when a page
/// appears. Each page adds only its own controls and steps.
class SetupPage : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SetupPage)

public:
    /// The caption of every page of Setup but the licence page.
    static constexpr const char *InstallerCaption = "Tallowmere Installer";
    /// The welcome and options pages share one size, so that one follows the other in place.
    static constexpr QSize WizardPageSize{560, 310};

    /// The wizard's buttons; a window without them (the progress window) leaves both null.
    QPushButton *cmdContinue = nullptr;
    QPushButton *cmdCancel = nullptr;

protected:
    /// A window named and captioned as given. The session, where there is one, is told each
    /// time the window appears.
    SetupPage(SetupSession *session, const char *name, const char *caption, QWidget *parent,
              Qt::WindowFlags flags = {});

    /// Adds Continue, the default button, and Cancel, which closes the page. A page calls it
    /// once its own controls are made, so that the buttons come last in the tab order.
    void addContinueCancel();
    /// The wizard's row of Cancel and Continue, both at least a usual button wide.
    QHBoxLayout *newButtonRow() const { return setup::newButtonRow(cmdCancel, cmdContinue, 100); }
    void centreOnScreen();

    /// Runs the page's Continue sequence, never twice at once: while it runs, the page's
    /// buttons (and the others given) are disabled, so that a second click during its pump
    /// rounds starts nothing, and the page refuses to close. The page closes afterwards
    /// when the sequence returns true. Returns that answer (false if one was running).
    bool runContinue(const std::function<bool()> &sequence, std::initializer_list<QPushButton *> alsoDisabled = {});
    /// Holds the page open (or lets it close again) outside a Continue sequence.
    void setBusy(bool busy) { m_busy = busy; }
    /// The session of a wizard page (a window made without one has none).
    SetupSession &session() const { return *m_session; }

    /// Called when the page is about to close for good, to let go of what it holds.
    virtual void leavePage() {}

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) final;

private:
    SetupSession *m_session;
    bool m_busy = false;
};

} // namespace setup
