#pragma once

#include "desktop/desktop.h"
#include "desktop/sharedcomponents.h"
#include "installer/core/installengine.h"
#include "installer/core/progresswindow.h"
#include "installer/core/setupglobals.h"
#include "installer/ui/setuppage.h"

class QGroupBox;
class QLabel;

namespace setup {

/// The progress window of the install: one status line and a progress bar made of a green
/// track and a cover that moves right to uncover it. It has no buttons: once started, the
/// install runs to its end.
class frmThird final : public SetupPage, public ProgressWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmThird)

public:
    frmThird(Globals &globals, Desktop &desktop, SharedComponents &components, QWidget *parent = nullptr);

    void Status(const std::string &m_Status) override;
    void ScrollBarPercent(std::int32_t m_Percent) override;
    std::int32_t ScrollBarPercent() const override;

    /// Runs the whole install; returns when it is over and the window has closed.
    void StartInstall();
    void FormatAndCreateIcon(const std::string &m_TargetFolder, const std::string &m_LinkName,
                             const std::string &m_SourceFileName, const std::string &m_Description,
                             const std::string &m_IconName);
    void FinishScrollingProgressBar();

    /// Replaces the install's pacing (tests shorten it).
    void setPacing(const InstallPacing &pacing) { m_install.pacing = pacing; }

    QGroupBox *frameStatus;
    QLabel *lblStatus;
    QGroupBox *frameProgress;
    QWidget *Picture1; ///< the green progress track
    QWidget *Picture2; ///< the cover over the track

signals:
    /// The install is over: the completion message has closed and the program was started.
    void installFinished();

private:
    void showBusyPointer() override;
    void hideWindow() override;
    void showCompletionMessage(const CompletionMessage &message) override;
    void closeWindow() override;

    void buildProgressBar();

    EventPump &m_pump;
    InstallContext m_install;
    std::int32_t m_percent = 0;
};

} // namespace setup
