#pragma once

#include "messageboxes.h"

#include <QPointer>
#include <QString>
#include <QWidget>

/// Message boxes as QMessageBox, captioned with the program's title and without icon.
class QtMessageBoxes final : public MessageBoxes
{
public:
    explicit QtMessageBoxes(const QString &title);

    void showMessage(const std::string &text) override;
    bool askYesNo(const std::string &text) override;

    /// The window the boxes are centred on, when there is one.
    void setParentWindow(QWidget *parent) { m_parent = parent; }

    /// A single "\r" breaks a line in message texts; Qt breaks on "\n".
    static QString displayText(const std::string &text);

private:
    QString m_title;
    QPointer<QWidget> m_parent;
};
