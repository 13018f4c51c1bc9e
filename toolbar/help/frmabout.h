#pragma once

#include "desktop/shell.h"

#include <QColor>
#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace toolbar {

/// The about box: the program, its maker and its versions, and two links to the maker
/// (the web site and the technical-support mail address). Shown modally.
class frmAbout final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmAbout)

public:
    /// Loads the window; shell opens the links and must outlive it.
    explicit frmAbout(Shell &shell, QWidget *parent = nullptr);
    ~frmAbout() override;

    /// Shows an about box modally over owner and returns when it is closed.
    static void showModal(Shell &shell, QWidget *owner);

    /// Asks the desktop shell to open an address (for a web address, in the default
    /// browser), shown in the given mode. Failures are silent.
    void OpenInternet(const std::string &address, WindowStyle showMode);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QLabel *addLabel(const char *name, const QString &caption, const QRect &place);
    QLabel *addLink(const char *name, const QString &address, const QRect &place);
    void buildCaptions();
    void buildLinks();
    void setVersions();
    void showHover(QLabel *link);
    void restoreLink(QLabel *link);
    void openWebsite();
    void openMail();

    Shell &m_shell;
    QLabel *Image1 = nullptr;
    QLabel *lblAppName = nullptr;
    QLabel *lblVirtualVersion = nullptr;
    QLabel *lblHardVersion = nullptr;
    QLabel *lblWebsite = nullptr;
    QLabel *lblEmail = nullptr;
    QPushButton *cmdClose = nullptr;
    QColor m_NormalLinkColor; ///< the links' colour while the mouse is not over them
};

} // namespace toolbar
