// StowletUninstaller with somebody at the keyboard: the real program (RunUninstaller, the
// same code the product's main runs) plus a stand-in user who clicks Continue once it is
// enabled and answers every box, Yes to a question and OK to a message. What the user saw
// is appended to the file named by STOWLET_TEST_TRANSCRIPT, one line each. Installed as
// "StowletUninstaller" into a test installation, it relaunches itself from the temporary
// folder exactly as the product does.
#include "uninstallerprogram.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

class StandInUser final : public QObject
{
public:
    explicit StandInUser(const QString &transcript) : m_transcript(transcript)
    {
        connect(&m_timer, &QTimer::timeout, this, &StandInUser::look);
        m_timer.start(50);
    }

private:
    void note(const QString &line)
    {
        QFile file(m_transcript);
        if (!m_transcript.isEmpty() && file.open(QIODevice::Append | QIODevice::Text))
            file.write((QString(line).replace(QLatin1Char('\n'), QLatin1String("|")) + QLatin1Char('\n')).toUtf8());
    }

    // Pressed once this look is over: the removal the press starts waits in event loops of
    // its own, where this timer must be free to fire again and answer the boxes.
    static void press(QAbstractButton *button)
    {
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    }

    void look()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box == m_answered)
            return;
        if (box) {
            m_answered = box;
            QAbstractButton *yes = box->button(QMessageBox::Yes);
            note((yes ? QStringLiteral("question: ") : QStringLiteral("message: ")) + box->text());
            press(yes ? yes : box->button(QMessageBox::Ok));
            return;
        }
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            auto *button = window->findChild<QPushButton *>(QStringLiteral("cmdContinue"));
            if (!m_clicked && button && window->isVisible() && button->isVisible() && button->isEnabled()) {
                m_clicked = true;
                note(QStringLiteral("continue"));
                press(button);
                return;
            }
        }
    }

    QString m_transcript;
    QTimer m_timer;
    QPointer<QMessageBox> m_answered;
    bool m_clicked = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StandInUser user(qEnvironmentVariable("STOWLET_TEST_TRANSCRIPT"));
    return RunUninstaller(app);
}
