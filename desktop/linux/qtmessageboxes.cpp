#include "desktop/linux/qtmessageboxes.h"

#include "desktop/qtext.h"

#include <QApplication>
#include <QMessageBox>

namespace {
bool staysOnTop(const QWidget *window)
{
    return window && window->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}
} // namespace

QtMessageBoxes::QtMessageBoxes(const QString &title) : m_title(title) {}

QString QtMessageBoxes::displayText(const std::string &text)
{
    QString display = toQt(text);
    display.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}

QWidget *QtMessageBoxes::owner() const
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    return m_parent;
}

int QtMessageBoxes::run(QMessageBox &box) const
{
    // A program with an always-on-top window keeps its boxes above it.
    if (staysOnTop(m_parent) || staysOnTop(box.parentWidget()))
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return box.exec();
}

void QtMessageBoxes::showMessage(const std::string &text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, displayText(text), QMessageBox::Ok, owner());
    run(box);
}

bool QtMessageBoxes::askYesNo(const std::string &text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, displayText(text), QMessageBox::Yes | QMessageBox::No, owner());
    return run(box) == QMessageBox::Yes;
}
