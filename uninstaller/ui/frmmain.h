#pragma once

#include "uninstaller/core/appcontext.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace uninstall {

/// The uninstaller's one window ("Uninstall..."): it says what is about to happen and, in
/// the copy that runs from the temporary folder, waits for Continue.
class frmMain final : public QWidget, public UninstallerHost
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmMain)

public:
    frmMain(Globals &globals, Desktop &desktop, MessageWaitPlatform &waitPlatform, QWidget *parent = nullptr);
    ~frmMain() override;

    /// Shows the window and runs the load sequence. True when the program goes on to wait
    /// for the user; false when it ends here (no log, or the relaunch from the temporary
    /// folder has been done).
    bool Load();

    // UninstallerHost
    bool isFormLoaded(const std::string &name) override;
    void showWorking() override;
    void setScreenBusy(bool busy) override;
    void hideForm() override;
    void unloadForm() override;
    std::int64_t processId() override;

signals:
    /// The program has nothing more to do and ends.
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void placeControls();
    void placeOnScreen();
    void loadPicture();
    void cmdContinue_Click();
    void cmdCancel_Click();
    int twipsToPixelsX(int twips) const;
    int twipsToPixelsY(int twips) const;
    QRect twipsRect(int left, int top, int width, int height) const;

    UninstallContext m_context;
    QLabel *lblMessage = nullptr;
    QLabel *Image1 = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdContinue = nullptr;
    QLabel *lblWorking = nullptr;
    QLineEdit *txtDummy = nullptr;
    bool m_loaded = false;
    bool m_removing = false;
    bool m_unloading = false;
    bool m_screenBusy = false;
};

} // namespace uninstall
