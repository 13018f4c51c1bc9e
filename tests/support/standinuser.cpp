#include "tests/support/standinuser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>

StandInUser::StandInUser(const QString &transcript) : m_transcript(transcript)
{
    connect(&m_timer, &QTimer::timeout, this, &StandInUser::look);
    m_timer.start(50);
}

void StandInUser::note(const QString &line)
{
    QFile file(m_transcript);
    if (!m_transcript.isEmpty() && file.open(QIODevice::Append | QIODevice::Text))
        file.write((QString(line).replace(QLatin1Char('\n'), QLatin1String("|")) + QLatin1Char('\n')).toUtf8());
}

void StandInUser::press(QAbstractButton *button)
{
    QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

void StandInUser::look()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box) {
        lookAtWindows();
        return;
    }
    if (box == m_answered)
        return;
    m_answered = box;
    QAbstractButton *yes = box->button(QMessageBox::Yes);
    note((yes ? QStringLiteral("question: ") : QStringLiteral("message: ")) + box->text());
    press(yes ? yes : box->button(QMessageBox::Ok));
}
