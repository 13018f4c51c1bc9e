#pragma once

#include "desktop/messageboxes.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QMessageBox;

/// Message boxes as QMessageBox, captioned with the program's title and without icon.
class QtMessageBoxes final : public MessageBoxes
{
public:
    explicit QtMessageBoxes(const QString &title);

    void showMessage(const std::string &text) override;
    bool askYesNo(const std::string &text) override;

    /// The window the boxes are centred on when no window of the program is active.
    void setParentWindow(QWidget *parent) { m_parent = parent; }

    /// The window a box is centred on: the program's active window (the one that asks),
    /// else the one set above.
    QWidget *owner() const;

    /// A single "\r" breaks a line in message texts; Qt breaks on "\n".
    static QString displayText(const std::string &text);

private:
    int run(QMessageBox &box) const;

    QString m_title;
    QPointer<QWidget> m_parent;
};
