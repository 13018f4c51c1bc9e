#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

class QAbstractButton;
class QMessageBox;

/// Somebody at the keyboard of a real program: every 50 ms it answers the message box in
/// front, Yes to a question and OK to a message, and otherwise lets the subclass look at
/// the windows. What the user did and saw is appended to a transcript file, one line each.
class StandInUser : public QObject
{
public:
    explicit StandInUser(const QString &transcript);

protected:
    /// Looks at the program's windows when no message box is in front.
    virtual void lookAtWindows() = 0;

    void note(const QString &line);

    /// Presses once this look is over: what the press starts may wait in event loops of its
    /// own, where the timer must stay free to fire again and answer what comes up.
    static void press(QAbstractButton *button);

private:
    void look();

    QString m_transcript;
    QTimer m_timer;
    QPointer<QMessageBox> m_answered;
};
