#include "qtmessageboxes.h"

#include "qtext.h"

#include <QMessageBox>

QtMessageBoxes::QtMessageBoxes(const QString &title)
    : m_title(title)
{
}

QString QtMessageBoxes::displayText(const std::string &text)
{
    QString display = toQt(text);
    display.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    display.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return display;
}

void QtMessageBoxes::showMessage(const std::string &text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, displayText(text), QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtMessageBoxes::askYesNo(const std::string &text)
{
    QMessageBox box(QMessageBox::NoIcon, m_title, displayText(text), QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}
