#pragma once

#include "installer/ui/setuppage.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace setup {

/// The first page of Setup: the end-user licence agreement. The only way on is to tick
/// the acceptance box, which brings up Continue.
class frmLicense final : public SetupPage
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLicense)

public:
    explicit frmLicense(SetupSession &session, QWidget *parent = nullptr);

    QLabel *lblTop;
    QPlainTextEdit *txtLicense;
    QCheckBox *chkAccept;
    QLabel *lblCheckLeft;

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void leavePage() override;

private:
    void placeOnScreen();
    void fitWithFrame();
    void layOutControls();
    void continueToWelcome();

    bool m_framed = false;
};

} // namespace setup
