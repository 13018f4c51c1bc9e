#pragma once

#include "installer/core/progresswindow.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace setup {

/// The short message at the end of the install. It beeps when it appears and closes
/// itself after a while; a click or a key closes it sooner. A message that reports a
/// failure has an OK button instead and stays until the user has read it.
class frmMessage final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMessage)

public:
    explicit frmMessage(QWidget *parent = nullptr);

    /// Takes the caption, text, look and display time of the message to show.
    void setMessage(const CompletionMessage &message);

    QFrame *Picture1;   ///< the black panel
    QLabel *Label1;     ///< the message on its coloured ground
    QTimer *Timer1;     ///< closes the window when it fires
    QPushButton *cmdOK; ///< shown only for a message that stays

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    static constexpr int LabelWidth = 360; ///< pixels

    void fitLabel();

    int m_interval = 2000;
    bool m_shown = false;
};

} // namespace setup
