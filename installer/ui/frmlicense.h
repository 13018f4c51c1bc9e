#pragma once

#include "setupsession.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

/// The first page of Setup: the end-user licence agreement. The only way on is to tick
/// the acceptance box, which brings up Continue.
class frmLicense final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmLicense)

public:
    explicit frmLicense(SetupSession &session, QWidget *parent = nullptr);

    QLabel *lblTop;
    QPlainTextEdit *txtLicense;
    QCheckBox *chkAccept;
    QLabel *lblCheckLeft;
    QPushButton *cmdContinue;
    QPushButton *cmdCancel;

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void placeOnScreen();
    void fitWithFrame();
    void layOutControls();
    void continueToWelcome();

    SetupSession &m_session;
    bool m_busy = false;
    bool m_framed = false;
};
